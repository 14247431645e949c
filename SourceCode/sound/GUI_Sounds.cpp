#include "sound/GUI_Sounds.h"

#include "engine/Diagnostics.h"

GUI_Sounds& GetSounds()
{
    static GUI_Sounds sounds;
    return sounds;
}

namespace {
std::string BareFileName(const std::string& path)
{
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
}  // namespace

GUI_Sounds::GUI_Sounds(SdlAudio& audio) : mAudio(audio)
{
    if (!mAudio.Open(64))
        Report("Failed to init sound, running silent");
}

GUI_Sounds::~GUI_Sounds() { Release(); }

void GUI_Sounds::Report(const std::string& operation)
{
    // Without a device, the one line saying so is enough.
    if (!mAudio.IsOpen() && !mReported.empty())
        return;
    std::string text = "Sound error! (-1) (" + operation + ") " + mAudio.LastError();
    // A missing file or device would otherwise repeat the same line every click.
    if (!mReported.insert(text).second)
        return;
    TRACE_MESSAGE(text);
}

float GUI_Sounds::Option(const std::string& key) const
{
    if (mReadOption)
        return mReadOption(key);
    // No options store wired up: music on at full volume.
    return 1.0f;
}

std::string GUI_Sounds::MusicTrack(int mood)
{
    switch (mood) {
    case kMoodNeutral: return "data/sounds/music/neutral.ogg";
    case kMoodGreat: return "data/sounds/music/great.ogg";
    case kMoodPoorly: return "data/sounds/music/poorly.ogg";
    case kMoodElectionWin: return "data/sounds/music/electionwin.ogg";
    default: return "data/sounds/music/theme.ogg";
    }
}

int GUI_Sounds::MoodFromPopularity(float popularity)
{
    if (static_cast<double>(popularity) < 0.33)
        return kMoodPoorly;
    if (popularity < 0.66f)
        return kMoodNeutral;
    return kMoodGreat;
}

void GUI_Sounds::StartMusic()
{
    if (Option("ENABLEMUSIC") == 0.0f)
        return;
    mHasMusicChannel = false;
    // Starting a stream stops whatever played before.
    if (!mAudio.PlayMusic(MusicTrack(Mood), true)) {
        Report("Failed to play music");
        return;
    }
    mHasMusicChannel = true;
    RefreshMusicVolume();
}

void GUI_Sounds::StopMusic()
{
    if (!mHasMusicChannel)
        return;
    mAudio.StopMusic();
    mHasMusicChannel = false;
}

void GUI_Sounds::SetMood(int mood)
{
    if (mood == RequestedMood)
        return;
    RequestedMood = mood;
    if (mood == Mood)
        return;
    Mood = mood;
    StopMusic();
    StartMusic();
}

void GUI_Sounds::RefreshMusicVolume()
{
    float volume = Option("MUSIC");
    if (mHasMusicChannel)
        mAudio.SetMusicVolume(volume);
}

void GUI_Sounds::SetMasterVolume() { mAudio.SetMasterVolume(1.0f); }

Mix_Chunk* GUI_Sounds::FindOrLoad(const std::string& path)
{
    // Cached by bare file name: the same name in two folders is one sound.
    std::string name = BareFileName(path);
    for (const CachedSound& sound : mCache)
        if (sound.name == name)
            return sound.chunk;
    Mix_Chunk* chunk = mAudio.LoadSound(path);
    if (!chunk) {
        Report("Failed create sound! (" + path + ")");
        return nullptr;
    }
    mCache.push_back({name, chunk});
    return chunk;
}

int GUI_Sounds::PlaySound(const std::string& path, bool loop)
{
    Mix_Chunk* chunk = FindOrLoad(path);
    if (!chunk) {
        // Still tell the device what was wanted, so a silent run can be checked.
        mAudio.PlaySound(nullptr, loop, path);
        return -1;
    }
    int channel = mAudio.PlaySound(chunk, loop, path);
    if (channel < 0)
        Report("Failed playSound() [" + path + "]");
    return channel;
}

int GUI_Sounds::PlaySound(const std::string& path, float volume, float pan, bool loop)
{
    int channel = PlaySound(path, loop);
    if (channel >= 0) {
        mAudio.SetChannelPan(channel, pan);
        mAudio.SetChannelVolume(channel, volume);
    }
    return channel;
}

void GUI_Sounds::PlayClick(bool silent)
{
    if (!silent)
        PlaySound("data/sounds/menuclick.ogg", false);
}

void GUI_Sounds::Update()
{
    // The audio device mixes on its own thread; nothing to pump per frame.
}

void GUI_Sounds::Release()
{
    StopMusic();
    mAudio.StopAllChannels();
    for (const CachedSound& sound : mCache)
        mAudio.FreeSound(sound.chunk);
    mCache.clear();
    mAudio.Close();
}
