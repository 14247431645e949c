#include "platform/sdl/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

SdlAudio& GetSdlAudio()
{
    static SdlAudio audio;
    return audio;
}

SdlAudio::~SdlAudio() { Close(); }

bool SdlAudio::Fail(const std::string& what)
{
    const char* reason = SDL_GetError();
    lastError_ = what;
    if (reason && *reason)
        lastError_ += std::string(": ") + reason;
    return false;
}

bool SdlAudio::Open(int channels)
{
    if (open_)
        return true;
    if (!SDL_WasInit(SDL_INIT_AUDIO)) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return Fail("no audio device");
        ownsAudioInit_ = true;
    }
    // Ogg Vorbis is all the game ships; a missing decoder only shows when a file fails to load.
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        Fail("no audio device");
        Mix_Quit();
        if (ownsAudioInit_) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            ownsAudioInit_ = false;
        }
        return false;
    }
    Mix_AllocateChannels(channels);
    open_ = true;
    return true;
}

void SdlAudio::Close()
{
    if (!open_)
        return;
    StopMusic();
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    Mix_Quit();
    if (ownsAudioInit_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        ownsAudioInit_ = false;
    }
    open_ = false;
}

bool SdlAudio::PlayMusic(const std::string& path, bool loop)
{
    musicRequests_.push_back(path);
    StopMusic();
    if (!open_)
        return Fail("no audio device");
    // Decoded by what the file holds, whatever its name says.
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file)
        return Fail("cannot open " + path);
    music_ = Mix_LoadMUS_RW(file, 1);
    if (!music_)
        return Fail("cannot open " + path);
    if (Mix_PlayMusic(music_, loop ? -1 : 1) != 0) {
        Mix_FreeMusic(music_);
        music_ = nullptr;
        return Fail("cannot play " + path);
    }
    currentMusic_ = path;
    SetMusicVolume(musicVolume_);
    return true;
}

void SdlAudio::StopMusic()
{
    currentMusic_.clear();
    if (!music_)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

bool SdlAudio::IsMusicPlaying() const { return open_ && music_ && Mix_PlayingMusic(); }

void SdlAudio::SetMusicVolume(float volume)
{
    musicVolume_ = std::clamp(volume, 0.0f, 1.0f);
    if (open_)
        Mix_VolumeMusic(static_cast<int>(std::lround(musicVolume_ * MIX_MAX_VOLUME)));
}

Mix_Chunk* SdlAudio::LoadSound(const std::string& path)
{
    if (!open_) {
        Fail("no audio device");
        return nullptr;
    }
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk)
        Fail("cannot open " + path);
    return chunk;
}

void SdlAudio::FreeSound(Mix_Chunk* sound)
{
    if (sound && open_)
        Mix_FreeChunk(sound);
}

int SdlAudio::PlaySound(Mix_Chunk* sound, bool loop, const std::string& nameForTests)
{
    effectRequests_.push_back(nameForTests);
    if (!open_ || !sound) {
        Fail("no sound to play");
        return -1;
    }
    int channel = Mix_PlayChannel(-1, sound, loop ? -1 : 0);
    if (channel < 0) {
        Fail("no free channel");
        return -1;
    }
    // A channel keeps the settings of its last sound; start each one plain.
    Mix_Volume(channel, MIX_MAX_VOLUME);
    Mix_SetPanning(channel, 255, 255);
    return channel;
}

bool SdlAudio::SetChannelVolume(int channel, float volume)
{
    if (!open_ || channel < 0)
        return false;
    Mix_Volume(channel, static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME)));
    return true;
}

bool SdlAudio::SetChannelPan(int channel, float pan)
{
    if (!open_ || channel < 0)
        return false;
    pan = std::clamp(pan, -1.0f, 1.0f);
    // Constant loudness in the middle; the far side fades out towards the edges.
    auto left = static_cast<Uint8>(std::lround(255.0f * std::min(1.0f, 1.0f - pan)));
    auto right = static_cast<Uint8>(std::lround(255.0f * std::min(1.0f, 1.0f + pan)));
    if (Mix_SetPanning(channel, left, right) == 0)
        return Fail("cannot pan");
    return true;
}

void SdlAudio::StopAllChannels()
{
    if (open_)
        Mix_HaltChannel(-1);
}

void SdlAudio::SetMasterVolume(float volume)
{
    if (open_)
        Mix_MasterVolume(static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME)));
}

void SdlAudio::ClearRequests()
{
    musicRequests_.clear();
    effectRequests_.clear();
}
