#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include <SDL.h>

#include "../core/TestSupport.h"
#include "sound/GUI_Sounds.h"

namespace {

// A short silent 16-bit mono WAV file at 22050 Hz.
void WriteWav(const std::string& path)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const uint32_t dataBytes = 2205 * 2;
    const uint32_t header[] = {0x46464952, 36 + dataBytes, 0x45564157, 0x20746D66, 16, 0x00010001, 22050, 44100,
                               0x00100002, 0x61746164, dataBytes};  // little-endian fields of RIFF/WAVE/fmt/data
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    out << std::string(dataBytes, '\0');
}

// A sound object on its own device, reading its options from a map.
class SoundsTest : public ::testing::Test {
protected:
    SoundsTest()
    {
        sounds.SetOptionReader([this](const std::string& key) {
            auto it = options.find(key);
            return it == options.end() ? 0.0f : it->second;
        });
    }
    SdlAudio audio;
    GUI_Sounds sounds{audio};
    std::map<std::string, float> options{{"ENABLEMUSIC", 1.0f}, {"MUSIC", 0.5f}};
};

TEST_F(SoundsTest, MoodChangesSwitchTheTrackOnlyWhenTheMoodReallyChanges)
{
    EXPECT_TRUE(sounds.HasDevice()) << "the dummy audio driver should open";
    // Asked twice: no restart. An unknown mood plays the title theme.
    for (int mood : {GUI_Sounds::kMoodTitle, GUI_Sounds::kMoodTitle, GUI_Sounds::kMoodPoorly,
                     GUI_Sounds::kMoodElectionWin, 17})
        sounds.SetMood(mood);
    EXPECT_EQ(audio.MusicRequests(),
              (std::vector<std::string>{GUI_Sounds::MusicTrack(GUI_Sounds::kMoodTitle),
                                        GUI_Sounds::MusicTrack(GUI_Sounds::kMoodPoorly),
                                        GUI_Sounds::MusicTrack(GUI_Sounds::kMoodElectionWin),
                                        GUI_Sounds::MusicTrack(GUI_Sounds::kMoodTitle)}));
    EXPECT_EQ(sounds.Mood, 17);
    EXPECT_EQ(sounds.RequestedMood, 17);
}

TEST_F(SoundsTest, MusicSwitchedOffStopsTheTrackAndStartsNothing)
{
    options["ENABLEMUSIC"] = 0.0f;
    sounds.SetMood(GUI_Sounds::kMoodGreat);
    sounds.StartMusic();
    EXPECT_TRUE(audio.MusicRequests().empty());
    EXPECT_FALSE(sounds.HasMusicChannel());
}

TEST_F(SoundsTest, PlayingMusicAppliesTheVolumeOption)
{
    TempDir dir;
    // The tracks are looked up relative to the working directory.
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    WriteWav("data/sounds/music/great.ogg");  // the decoder goes by content, not by name
    options["MUSIC"] = 0.25f;
    sounds.SetMood(GUI_Sounds::kMoodGreat);
    EXPECT_TRUE(sounds.HasMusicChannel()) << audio.LastError();
    EXPECT_EQ(audio.CurrentMusic(), "data/sounds/music/great.ogg");
    EXPECT_FLOAT_EQ(audio.MusicVolume(), 0.25f);
    sounds.SetMood(GUI_Sounds::kMoodNeutral);  // missing file: silence, no crash
    EXPECT_FALSE(sounds.HasMusicChannel());
    EXPECT_EQ(audio.CurrentMusic(), "");
    std::filesystem::current_path(previous);
}

TEST_F(SoundsTest, EffectsAreCachedByBareFileName)
{
    TempDir dir;
    WriteWav(dir.Path() + "/a/click.wav");
    WriteWav(dir.Path() + "/b/click.wav");
    EXPECT_GE(sounds.PlaySound(dir.Path() + "/a/click.wav", false), 0) << audio.LastError();
    EXPECT_GE(sounds.PlaySound(dir.Path() + "/b/click.wav", 0.5f, -1.0f, false), 0);
    EXPECT_EQ(sounds.CachedSoundCount(), 1u);
    EXPECT_GE(sounds.PlaySound(dir.Path() + "/a/click.wav", true), 0);
    EXPECT_EQ(audio.EffectRequests().size(), 3u);
}

TEST_F(SoundsTest, AMissingEffectIsLoggedOnceAndStaysSilent)
{
    LogCapture log;
    const std::string missing = "data/sounds/no-such-sound.ogg";
    EXPECT_EQ(sounds.PlaySound(missing, false), -1);
    EXPECT_EQ(sounds.PlaySound(missing, 0.5f, 0.0f, true), -1);
    EXPECT_EQ(audio.EffectRequests(), (std::vector<std::string>{missing, missing}));
    EXPECT_EQ(log.Lines().size(), 1u) << "reported once";
    EXPECT_EQ(sounds.CachedSoundCount(), 0u);
}

TEST_F(SoundsTest, TheButtonClickUnlessSilent)
{
    sounds.PlayClick();
    sounds.PlayClick(true);
    EXPECT_EQ(audio.EffectRequests().size(), 1u);
}

TEST_F(SoundsTest, ShippedTracksAndEffectsDecode)
{
    // The title first: the neutral mood is the starting one and would not restart.
    for (int mood : {GUI_Sounds::kMoodTitle, GUI_Sounds::kMoodNeutral, GUI_Sounds::kMoodGreat,
                     GUI_Sounds::kMoodPoorly, GUI_Sounds::kMoodElectionWin}) {
        sounds.SetMood(mood);
        EXPECT_TRUE(audio.IsMusicPlaying()) << GUI_Sounds::MusicTrack(mood) << ": " << audio.LastError();
    }
    int effects = 0;
    for (const auto& entry : std::filesystem::directory_iterator("data/sounds")) {
        if (entry.path().extension() != ".ogg")
            continue;
        ++effects;
        EXPECT_GE(sounds.PlaySound(entry.path().generic_string(), false), 0) << entry.path() << ": " << audio.LastError();
    }
    EXPECT_GT(effects, 0);
}

// In a child process: the device is process-wide, and other tests keep it open.
void PlayWithoutDevice()
{
    auto check = ChildCheck;
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "no-such-driver", SDL_HINT_OVERRIDE);
    LogCapture log;
    SdlAudio audio;
    {
        GUI_Sounds sounds(audio);
        check(!sounds.HasDevice(), "no device");
        sounds.SetMood(GUI_Sounds::kMoodTitle);
        sounds.PlayClick();
        sounds.PlaySound("data/sounds/click.ogg", 1.0f, 0.5f, true);
        sounds.RefreshMusicVolume();
        sounds.SetMasterVolume();
        check(!sounds.HasMusicChannel(), "no music channel");
    }
    // What was wanted is still known.
    check(audio.MusicRequests().size() == 1u, "music asked for");
    check(audio.EffectRequests().size() == 2u, "effects asked for");
    check(log.Lines().size() == 1u, "one line in the log");
    std::exit(0);
}

TEST(SoundsWithoutDevice, RunSilentAndSayItOnce)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(PlayWithoutDevice(), ::testing::ExitedWithCode(0), "");
}

TEST(SoundMood, PopularityThresholds)
{
    // 0.33 in single precision lies just above 0.33 in double precision.
    const struct {
        float popularity;
        int mood;
    } cases[] = {{0.0f, GUI_Sounds::kMoodPoorly},  {0.32999998f, GUI_Sounds::kMoodPoorly},
                 {0.33f, GUI_Sounds::kMoodNeutral}, {0.65999997f, GUI_Sounds::kMoodNeutral},
                 {0.66f, GUI_Sounds::kMoodGreat}};
    for (const auto& c : cases)
        EXPECT_EQ(GUI_Sounds::MoodFromPopularity(c.popularity), c.mood) << c.popularity;
    EXPECT_EQ(GUI_Sounds::MusicTrack(-1), GUI_Sounds::MusicTrack(GUI_Sounds::kMoodTitle));
}

}  // namespace
