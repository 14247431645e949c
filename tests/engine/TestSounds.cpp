#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include <SDL.h>

#include "../core/TestSupport.h"
#include "sound/GUI_Sounds.h"

namespace {

// A short silent 16-bit mono WAV file.
void WriteWav(const std::string& path)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const uint32_t samples = 2205;
    const uint32_t dataBytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(22050);
    u32(44100);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (uint32_t i = 0; i < samples; ++i)
        u16(0);
}

class SoundsTest : public ::testing::Test {
protected:
    SdlAudio audio;
    std::map<std::string, float> options{{"ENABLEMUSIC", 1.0f}, {"MUSIC", 0.5f}};

    void Wire(GUI_Sounds& sounds)
    {
        sounds.SetOptionReader([this](const std::string& key) {
            auto it = options.find(key);
            return it == options.end() ? 0.0f : it->second;
        });
    }
};

TEST_F(SoundsTest, MoodChangesSwitchTheTrackOnlyWhenTheMoodReallyChanges)
{
    GUI_Sounds sounds(audio);
    Wire(sounds);
    EXPECT_TRUE(sounds.HasDevice()) << "the dummy audio driver should open";
    sounds.SetMood(GUI_Sounds::kMoodTitle);
    sounds.SetMood(GUI_Sounds::kMoodTitle);  // asked twice: no restart
    sounds.SetMood(GUI_Sounds::kMoodPoorly);
    sounds.SetMood(GUI_Sounds::kMoodElectionWin);
    sounds.SetMood(17);
    EXPECT_EQ(audio.MusicRequests(),
              (std::vector<std::string>{"data/sounds/music/theme.ogg", "data/sounds/music/poorly.ogg",
                                        "data/sounds/music/electionwin.ogg", "data/sounds/music/theme.ogg"}));
    EXPECT_EQ(sounds.Mood, 17);
    EXPECT_EQ(sounds.RequestedMood, 17);
}

TEST_F(SoundsTest, MusicSwitchedOffStopsTheTrackAndStartsNothing)
{
    GUI_Sounds sounds(audio);
    Wire(sounds);
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
    {
        GUI_Sounds sounds(audio);
        Wire(sounds);
        options["MUSIC"] = 0.25f;
        sounds.SetMood(GUI_Sounds::kMoodGreat);
        EXPECT_TRUE(sounds.HasMusicChannel()) << audio.LastError();
        EXPECT_EQ(audio.CurrentMusic(), "data/sounds/music/great.ogg");
        EXPECT_FLOAT_EQ(audio.MusicVolume(), 0.25f);
        sounds.SetMood(GUI_Sounds::kMoodNeutral);  // missing file: silence, no crash
        EXPECT_FALSE(sounds.HasMusicChannel());
        EXPECT_EQ(audio.CurrentMusic(), "");
    }
    std::filesystem::current_path(previous);
}

TEST_F(SoundsTest, EffectsAreCachedByBareFileName)
{
    TempDir dir;
    WriteWav(dir.Path() + "/a/click.wav");
    WriteWav(dir.Path() + "/b/click.wav");
    GUI_Sounds sounds(audio);
    EXPECT_GE(sounds.PlaySound(dir.Path() + "/a/click.wav", false), 0) << audio.LastError();
    EXPECT_GE(sounds.PlaySound(dir.Path() + "/b/click.wav", 0.5f, -1.0f, false), 0);
    EXPECT_EQ(sounds.CachedSoundCount(), 1u);
    EXPECT_GE(sounds.PlaySound(dir.Path() + "/a/click.wav", true), 0);
    EXPECT_EQ(audio.EffectRequests().size(), 3u);
}

TEST_F(SoundsTest, AMissingEffectIsLoggedOnceAndStaysSilent)
{
    LogCapture log;
    GUI_Sounds sounds(audio);
    const std::string missing = "data/sounds/no-such-sound.ogg";
    EXPECT_EQ(sounds.PlaySound(missing, false), -1);
    EXPECT_EQ(sounds.PlaySound(missing, 0.5f, 0.0f, true), -1);
    EXPECT_EQ(audio.EffectRequests(), (std::vector<std::string>{missing, missing}));
    int reports = 0;
    for (const std::string& line : log.Lines())
        if (line.find("Failed create sound! (" + missing + ")") != std::string::npos)
            ++reports;
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(sounds.CachedSoundCount(), 0u);
}

TEST_F(SoundsTest, TheButtonClickUnlessSilent)
{
    GUI_Sounds sounds(audio);
    sounds.PlayClick();
    sounds.PlayClick(true);
    EXPECT_EQ(audio.EffectRequests(), std::vector<std::string>{"data/sounds/menuclick.ogg"});
}

TEST_F(SoundsTest, ShippedTracksAndEffectsDecode)
{
    GUI_Sounds sounds(audio);
    Wire(sounds);
    int tried = 0;
    // The title first: the neutral mood is the starting one and would not restart.
    for (int mood : {GUI_Sounds::kMoodTitle, GUI_Sounds::kMoodNeutral, GUI_Sounds::kMoodGreat,
                     GUI_Sounds::kMoodPoorly, GUI_Sounds::kMoodElectionWin}) {
        std::string track = GUI_Sounds::MusicTrack(mood);
        if (!std::filesystem::exists(track))
            continue;
        ++tried;
        sounds.SetMood(mood);
        EXPECT_TRUE(sounds.HasMusicChannel()) << track << ": " << audio.LastError();
        EXPECT_TRUE(audio.IsMusicPlaying()) << track;
    }
    for (const char* effect : {"data/sounds/menuclick.ogg", "data/sounds/click.ogg", "data/sounds/crowd_cheer.ogg"}) {
        if (!std::filesystem::exists(effect))
            continue;
        ++tried;
        EXPECT_GE(sounds.PlaySound(effect, false), 0) << effect << ": " << audio.LastError();
    }
    if (tried == 0)
        GTEST_SKIP() << "no sound files shipped yet";
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
    check(audio.MusicRequests() == std::vector<std::string>{"data/sounds/music/theme.ogg"}, "music asked for");
    check(audio.EffectRequests().size() == 2u, "effects asked for");
    check(log.Lines().size() == 1u, "one line in the log");
    check(log.Lines()[0].find("Failed to init sound, running silent") != std::string::npos, "says so");
    std::exit(0);
}

TEST(SoundsWithoutDevice, RunSilentAndSayItOnce)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(PlayWithoutDevice(), ::testing::ExitedWithCode(0), "");
}

TEST(SoundMood, PopularityThresholds)
{
    EXPECT_EQ(GUI_Sounds::MoodFromPopularity(0.0f), GUI_Sounds::kMoodPoorly);
    EXPECT_EQ(GUI_Sounds::MoodFromPopularity(0.32999998f), GUI_Sounds::kMoodPoorly);
    // 0.33 in single precision lies just above 0.33 in double precision.
    EXPECT_EQ(GUI_Sounds::MoodFromPopularity(0.33f), GUI_Sounds::kMoodNeutral);
    EXPECT_EQ(GUI_Sounds::MoodFromPopularity(0.5f), GUI_Sounds::kMoodNeutral);
    EXPECT_EQ(GUI_Sounds::MoodFromPopularity(0.65999997f), GUI_Sounds::kMoodNeutral);
    EXPECT_EQ(GUI_Sounds::MoodFromPopularity(0.66f), GUI_Sounds::kMoodGreat);
    EXPECT_EQ(GUI_Sounds::MusicTrack(-1), "data/sounds/music/theme.ogg");
}

}  // namespace
