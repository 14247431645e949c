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
    mLastError = what;
    if (reason && *reason)
        mLastError += std::string(": ") + reason;
    return false;
}

bool SdlAudio::Open(int channels)
{
    if (mOpen)
        return true;
    if (!SDL_WasInit(SDL_INIT_AUDIO)) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return Fail("no audio device");
        mOwnsAudioInit = true;
    }
    // Ogg Vorbis is all the game ships; a missing decoder only shows when a file fails to load.
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        Fail("no audio device");
        Mix_Quit();
        if (mOwnsAudioInit) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            mOwnsAudioInit = false;
        }
        return false;
    }
    Mix_AllocateChannels(channels);
    mOpen = true;
    return true;
}

void SdlAudio::Close()
{
    if (!mOpen)
        return;
    StopMusic();
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    Mix_Quit();
    if (mOwnsAudioInit) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        mOwnsAudioInit = false;
    }
    mOpen = false;
}

bool SdlAudio::PlayMusic(const std::string& path, bool loop)
{
    mMusicRequests.push_back(path);
    StopMusic();
    if (!mOpen)
        return Fail("no audio device");
    // Decoded by what the file holds, whatever its name says.
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file)
        return Fail("cannot open " + path);
    mMusic = Mix_LoadMUS_RW(file, 1);
    if (!mMusic)
        return Fail("cannot open " + path);
    if (Mix_PlayMusic(mMusic, loop ? -1 : 1) != 0) {
        Mix_FreeMusic(mMusic);
        mMusic = nullptr;
        return Fail("cannot play " + path);
    }
    mCurrentMusic = path;
    SetMusicVolume(mMusicVolume);
    return true;
}

void SdlAudio::StopMusic()
{
    mCurrentMusic.clear();
    if (!mMusic)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(mMusic);
    mMusic = nullptr;
}

bool SdlAudio::IsMusicPlaying() const { return mOpen && mMusic && Mix_PlayingMusic(); }

void SdlAudio::SetMusicVolume(float volume)
{
    mMusicVolume = std::clamp(volume, 0.0f, 1.0f);
    if (mOpen)
        Mix_VolumeMusic(static_cast<int>(std::lround(mMusicVolume * MIX_MAX_VOLUME)));
}

Mix_Chunk* SdlAudio::LoadSound(const std::string& path)
{
    if (!mOpen) {
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
    if (sound && mOpen)
        Mix_FreeChunk(sound);
}

int SdlAudio::PlaySound(Mix_Chunk* sound, bool loop, const std::string& nameForTests)
{
    mEffectRequests.push_back(nameForTests);
    if (!mOpen || !sound) {
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
    if (!mOpen || channel < 0)
        return false;
    Mix_Volume(channel, static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME)));
    return true;
}

bool SdlAudio::SetChannelPan(int channel, float pan)
{
    if (!mOpen || channel < 0)
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
    if (mOpen)
        Mix_HaltChannel(-1);
}

void SdlAudio::SetMasterVolume(float volume)
{
    if (mOpen)
        Mix_MasterVolume(static_cast<int>(std::lround(std::clamp(volume, 0.0f, 1.0f) * MIX_MAX_VOLUME)));
}

void SdlAudio::ClearRequests()
{
    mMusicRequests.clear();
    mEffectRequests.clear();
}
