#pragma once
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/sdl/SdlAudio.h"

// The game's sound: one looping music track chosen by the game's mood, and
// one-shot or looping effects. Sound files are Ogg Vorbis under "data/sounds/".
// Every failure is logged (each distinct one once) and otherwise ignored:
// without a device or without the files the game simply runs silent.
class GUI_Sounds {
public:
    // Moods: which track plays.
    static constexpr int kMoodNeutral = 0;
    static constexpr int kMoodGreat = 1;
    static constexpr int kMoodPoorly = 2;
    static constexpr int kMoodTitle = 3;
    static constexpr int kMoodElectionWin = 4;

    // Opens the device with 64 channels.
    explicit GUI_Sounds(SdlAudio& audio = GetSdlAudio());
    ~GUI_Sounds();  // Release()
    GUI_Sounds(const GUI_Sounds&) = delete;
    GUI_Sounds& operator=(const GUI_Sounds&) = delete;

    void StartMusic();
    void StopMusic();
    void SetMood(int mood);
    void RefreshMusicVolume();
    void SetMasterVolume();

    // Plays an effect, loading it on first use; the channel, or -1.
    int PlaySound(const std::string& path, bool loop);
    int PlaySound(const std::string& path, float volume, float pan, bool loop);
    // The interface button click (nothing when silent).
    void PlayClick(bool silent = false);

    void Update();
    void Release();

    int Mood = 0;           // the mood whose track plays
    int RequestedMood = 0;  // the mood last asked for

    static std::string MusicTrack(int mood);
    // The mood for the government's popularity (the latest poll, 0..1).
    static int MoodFromPopularity(float popularity);

    // Where "ENABLEMUSIC" and "MUSIC" are read from (the player's options).
    using OptionReader = std::function<float(const std::string& key)>;
    void SetOptionReader(OptionReader reader) { mReadOption = std::move(reader); }

    bool HasDevice() const { return mAudio.IsOpen(); }
    bool HasMusicChannel() const { return mHasMusicChannel; }
    size_t CachedSoundCount() const { return mCache.size(); }

private:
    struct CachedSound {
        std::string name;  // bare file name
        Mix_Chunk* chunk;
    };

    void Report(const std::string& operation);
    float Option(const std::string& key) const;
    Mix_Chunk* FindOrLoad(const std::string& path);

    SdlAudio& mAudio;
    std::vector<CachedSound> mCache;
    std::string mMusicFile;  // kept empty
    bool mHasMusicChannel = false;
    OptionReader mReadOption;
    std::set<std::string> mReported;
};

// The process-wide sound object, created on first use.
GUI_Sounds& GetSounds();
