#pragma once
#include <string>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// The audio device under the game's sound object, over SDL_mixer: one
// streamed music track and any number of effect channels. Without an audio
// device every call is a quiet no-op, so the game simply runs silent.
//
// Every request is also remembered (the music and effect files asked for), so
// tests can check what the sound object wanted to hear on a machine that has
// nothing to hear it with.
class SdlAudio {
public:
    SdlAudio() = default;
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Opens the default output with the given number of effect channels.
    // False when there is no usable device; LastError() says why.
    bool Open(int channels);
    void Close();
    bool IsOpen() const { return mOpen; }

    // --- Music: one looping stream at a time ------------------------------
    // Stops what plays, then streams the file. False when the file can't be
    // opened or played (LastError()); the request is remembered either way.
    bool PlayMusic(const std::string& path, bool loop);
    void StopMusic();
    bool IsMusicPlaying() const;
    // Volume 0..1.
    void SetMusicVolume(float volume);

    // --- Effects ----------------------------------------------------------
    // Loads a whole file into memory; null on failure (LastError()).
    Mix_Chunk* LoadSound(const std::string& path);
    void FreeSound(Mix_Chunk* sound);
    // Plays on a free channel, forever when loop is set. Returns the channel,
    // or -1 when nothing could play (LastError()).
    int PlaySound(Mix_Chunk* sound, bool loop, const std::string& nameForTests);
    bool SetChannelVolume(int channel, float volume);     // 0..1
    bool SetChannelPan(int channel, float pan);           // -1 left .. 1 right
    void StopAllChannels();
    // Volume of everything, 0..1.
    void SetMasterVolume(float volume);

    const std::string& LastError() const { return mLastError; }

    // --- What was asked for (tests) --------------------------------------
    const std::vector<std::string>& MusicRequests() const { return mMusicRequests; }
    const std::vector<std::string>& EffectRequests() const { return mEffectRequests; }
    const std::string& CurrentMusic() const { return mCurrentMusic; }  // "" when stopped
    float MusicVolume() const { return mMusicVolume; }
    void ClearRequests();

private:
    bool Fail(const std::string& what);

    bool mOpen = false;
    bool mOwnsAudioInit = false;
    Mix_Music* mMusic = nullptr;
    std::string mCurrentMusic;
    float mMusicVolume = 1.0f;
    std::string mLastError;
    std::vector<std::string> mMusicRequests;
    std::vector<std::string> mEffectRequests;
};

// The process-wide audio device.
SdlAudio& GetSdlAudio();
