#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "../core/TestSupport.h"
#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/Game.h"
#include "engine/ScreenFader.h"
#include "engine/ShellHooks.h"
#include "gamedata/Options.h"
#include "gamedata/SIM_Mission.h"
#include "gamedata/UserFolders.h"
#include "gui/GUI_ChooseGameScreen.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_NewGameScreen.h"
#include "gui/GUI_ProcessingScreen.h"
#include "gui/GUI_SliderControl.h"
#include "gui/OptionsGUIScreen.h"
#include "gui/QuoteManager.h"
#include "gui/TypedKeys.h"
#include "platform/IniFile.h"
#include "platform/ScanCodes.h"
#include "platform/sdl/SdlEvents.h"
#include "platform/sdl/SdlVideo.h"
#include "sim/Presentation.h"
#include "sim/TurnProcessor.h"
#include "politics/ElectionManager.h"
#include "sim/Neuron.h"
#include "sim/SimulationState.h"
#include "sound/GUI_Sounds.h"

namespace {

TEST(TypedKeys, KeysGiveTheirCharactersAndNamesTakeOnlySome)
{
    const struct {
        int scanCode;
        bool shift;
        char typed;
        bool allowed;
    } cases[] = {
        {ScanCode::A, false, 'a', true},   {ScanCode::A, true, 'A', true},         {ScanCode::P, false, 'p', true},
        {ScanCode::M, true, 'M', true},    {ScanCode::Digit0, false, '0', true},   {ScanCode::Numpad7, false, '7', true},
        {ScanCode::Space, false, ' ', true}, {ScanCode::Apostrophe, false, '\'', true},
        {ScanCode::Comma, false, ',', false}, {ScanCode::Period, false, '.', false}, {ScanCode::F6, false, 0, false},
    };
    for (const auto& c : cases) {
        const char typed = TypedKeys::CharacterFor(c.scanCode, c.shift);
        EXPECT_EQ(typed, c.typed) << c.scanCode;
        EXPECT_EQ(typed != 0 && TypedKeys::AllowedInName(typed), c.allowed) << c.scanCode;
    }
}

TEST(ProcessingScreen, HalfProgressHoldsThirtyOneChunksAndEarlyClicksDoNothing)
{
    EXPECT_EQ(GUI_ProcessingScreen::ChunkCount(0.5f), 31);
    EXPECT_EQ(GUI_ProcessingScreen::ChunkCount(1.0f), 62);
    GUI_ProcessingScreen screen;
    screen.Begin("loadscreen.jpg");
    EXPECT_FALSE(screen.OnClick(10, 10));
}

TEST(ProcessingScreen, NoQuotationsShowNothingAndTheLastLeadsToTheFirst)
{
    QuoteManager quotes;
    quotes.PickRandom();
    quotes.Next();
    EXPECT_EQ(quotes.Quotation() + quotes.Author(), "");
    quotes.AddRecordLine("#,First words,Someone");
    quotes.AddRecordLine("#,Second words,Another");
    quotes.Next();
    quotes.Next();
    EXPECT_EQ(quotes.Quotation() + " " + quotes.Author(), "First words -Someone");
}

// --- The whole way into a game, in a child process (the game object lives once per process).

std::function<void(bool, const char*)> gCheck = ChildCheck;

void Loop(int frames = 1)
{
    for (int i = 0; i < frames; ++i)
        GetGame().RunLoopOnce();
}

// Runs frames until the condition holds (fades take 150 ms).
void LoopUntil(const std::function<bool()>& done, const char* what)
{
    for (int i = 0; i < 400 && !done(); ++i) {
        GetGame().RunLoopOnce();
        SDL_Delay(2);
    }
    gCheck(done(), what);
}

// Keys are ignored while a screen fades in.
void WaitForFade()
{
    LoopUntil([] { return GetScreenFader().GetMode() == ScreenFader::kIdle; }, "the fade ends");
}

void Click(const std::string& name)
{
    int x = 0;
    int y = 0;
    gCheck(ShellHooks::FindButton(name, x, y), ("a button " + name + " takes clicks").c_str());
    SdlEvents::InjectClick(x, y);
    Loop();
}

bool Visible(const std::string& name)
{
    int x = 0;
    int y = 0;
    return ShellHooks::FindButton(name, x, y);
}

// Holds the left button on the slider's knob and lets go at a fraction of its track.
void DragSlider(const GUI_SliderControl& slider, float fraction)
{
    CInput& input = GetInput();
    const GRect knob = slider.KnobRect();
    const float x0 = (knob.left + knob.right) / 2.0f;
    const float y = (knob.top + knob.bottom) / 2.0f;
    const float x1 = slider.Rect().left + slider.Width() * fraction;
    input.QueueRecord(InputRecord::Motion(x0, y, 0, 0));
    input.QueueRecord(InputRecord::Button(true, 0, x0, y));
    Loop();
    input.QueueRecord(InputRecord::Motion(x1, y, static_cast<int>(x1 - x0), 0));
    Loop();
    input.QueueRecord(InputRecord::Button(false, 0, x1, y));
    Loop();
}

void PlayTheWayIn()
{
    TempDir dir;
    const std::string config = dir.Path() + "/config.muf";
    std::ofstream(config) << "[config]\nIsWindowed=1\nColorDepth=32\n";
    UserFolders::Get().SetBaseFolder(dir.Path());
    // Six mod missions beside the game's own make two pages.
    const std::string mods = dir.Path() + "/rulecraft2/mods/data/missions";
    std::filesystem::create_directories(mods);
    for (int i = 0; i < 6; ++i)
        std::filesystem::copy_file("data/missions/velmora.txt", mods + "/isle" + std::to_string(i) + ".txt");
    Game& game = GetGame();
    game.SetConfigPath(config);
    game.SetDesktopSizeForTests(1920, 1080);
    gCheck(game.Start(), "start-up");
    Loop(2);

    // Options: a tick box writes its option at once; the full-screen box follows the display.
    Click("Options");
    gCheck(game.State == STATE_OPTIONS, "the options screen");
    OptionsGUIScreen& options = GetOptionsGUIScreen();
    auto* dilemmas = dynamic_cast<GUI_CheckButton*>(options.FindButton("OptionDilemmas"));
    auto* fullScreen = dynamic_cast<GUI_CheckButton*>(options.FindButton("OptionFullScreen"));
    gCheck(dilemmas && dilemmas->Ticked && fullScreen && !fullScreen->Ticked, "shipped dilemmas on, windowed");
    Click("OptionDilemmas");
    gCheck(Options::Get().GetFloat("ENABLEDILEMMAS") == 0.0f && !dilemmas->Ticked, "dilemmas off");
    Click("OptionFullScreen");
    gCheck(!GetD3DEngine().IsWindowed() && fullScreen->Ticked &&
               IniFile::ReadInt(config, "config", "IsWindowed", -1) == 0, "full screen, in the box and the config");
    Click("OptionFullScreen");
    gCheck(GetD3DEngine().IsWindowed() && !fullScreen->Ticked &&
               IniFile::ReadInt(config, "config", "IsWindowed", -1) == 1, "windowed, in the box and the config");
    WaitForFade();
    SdlEvents::InjectKey(ScanCode::Escape);
    Loop();
    gCheck(game.State == STATE_MENU, "Escape leaves the options at once");

    // The chooser: seven missions, five to a page.
    Click("NewGame");
    LoopUntil([&] { return game.State == STATE_CHOOSEGAME; }, "New game opens the chooser");
    GUI_ChooseGameScreen& chooser = GetChooseGameScreen();
    gCheck(chooser.Missions().size() == 7 && chooser.PageCount() == 2, "seven missions on two pages");
    gCheck(Visible("MissionsNextPage") && !Visible("MissionsPreviousPage"), "page 1 arrows");
    Click("MissionsNextPage");
    gCheck(chooser.Page() == 1 && Visible("Mission_isle5") && !Visible("Mission_velmora") &&
               !Visible("MissionsNextPage") && Visible("MissionsPreviousPage"), "page 2 shows the rest");
    Click("MissionsPreviousPage");

    // A first choice, then back, then the chosen mission: the screen starts from the mission each time.
    Click("Mission_isle0");
    LoopUntil([&] { return game.State == STATE_NEWGAME; }, "a mission opens the customisation");
    GUI_NewGameScreen& custom = GetNewGameScreen();
    DragSlider(*custom.Sliders()[0], 0.95f);
    gCheck(custom.Setup().Sliders()[0].value > 0.9f, "the slider follows the drag");
    Click("NewGameBack");
    LoopUntil([&] { return game.State == STATE_CHOOSEGAME; }, "back to the chooser");
    Click("Mission_velmora");
    LoopUntil([&] { return game.State == STATE_NEWGAME; }, "the customisation again");
    const float missionGdp = SIM_Mission::Get().SettingValue("GDP");
    gCheck(std::fabs(custom.Setup().Sliders()[0].value - missionGdp) < 1e-6f, "the slider re-read the mission");

    DragSlider(*custom.Sliders()[0], 0.75f);
    const float chosenGdp = custom.Setup().Sliders()[0].value;
    gCheck(std::fabs(chosenGdp - 0.75f) < 0.01f, "dragged to three quarters");
    for (int i = 0; i < 12; ++i)
        Click("TermLengthNext");
    gCheck(custom.Setup().TermYears() == 10, "the term stops at ten years");
    Click("TermLengthPrevious");
    WaitForFade();
    const GRect field = custom.NameField();
    SdlEvents::InjectClick((field.left + field.right) / 2, (field.top + field.bottom) / 2);
    Loop();
    for (int key : {ScanCode::Backspace, ScanCode::Backspace, ScanCode::Space, ScanCode::Q, ScanCode::Comma}) {
        SdlEvents::InjectKey(key);
        Loop();
    }
    gCheck(custom.Setup().CountryName() == "Velmo q", "typing edits the country name");

    // Start: the processing screen shows setup with a moving bar.
    std::set<float> progressSeen;
    long processingFrames = 0;
    game.AfterFrame = [&](long) {
        if (game.State == STATE_PROCESSING) {
            ++processingFrames;
            progressSeen.insert(GetProcessingScreen().Progress());
        }
    };
    Click("StartGame");
    LoopUntil([&] { return game.State == STATE_PROCESSING && GetProcessingScreen().Finished(); }, "setup ends");
    game.AfterFrame = nullptr;
    gCheck(processingFrames > 10 && progressSeen.size() > 5, "frames of a moving bar during setup");
    const Neuron* gdp = Neuron::FindNeuronQuietly("GDP");
    gCheck(gdp && std::fabs(gdp->GetBaseValue() - chosenGdp) < 1e-6f, "the slider's value is the game's GDP");
    gCheck(ElectionManager::TermLengthMonths() == 108, "a nine-year term");
    gCheck(SIM_Mission::Get().Name() == "Velmo q", "the typed name");
    gCheck(SimulationState::Get().MissionPath() == "data/missions/velmora.txt", "the chosen file");

    SdlEvents::InjectClick(512, 400);
    LoopUntil([&] { return game.State == STATE_MAIN; }, "a click leads to the main screen");
    const int turn = SimulationState::Get().TurnNumber();
    Click("NextTurnButton");
    LoopUntil([&] { return SimulationState::Get().TurnNumber() == turn + 1; }, "a turn was played");
    SdlEvents::InjectClick(512, 400);
    LoopUntil([&] { return game.State == STATE_MAIN; }, "back to the main screen");

    // Escape closes the quarter's reports first, then asks whether to leave.
    for (int i = 0; i < 4 && !ShellHooks::IsWindowOpen("QuitDialog"); ++i) {
        WaitForFade();
        SdlEvents::InjectKey(ScanCode::Escape);
        Loop();
    }
    Click("QuitDialogOK");
    LoopUntil([&] { return game.State == STATE_MENU; }, "back at the menu");
    WaitForFade();
    Click("Quit");
    gCheck(game.IsQuitPosted(), "Quit ends the game");
    IniSection saved;
    saved.Load("options", dir.Path() + "/rulecraft2/options.txt");
    gCheck(saved.Has("ENABLEDILEMMAS") && saved.GetFloat("ENABLEDILEMMAS", -1) == 0.0f, "the options file has it");
    GetGame().TearDown();
    std::exit(0);
}

TEST(WholeGame, FromTheMenuThroughOptionsChooserAndCustomisationToAPlayedTurn)
{
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    EXPECT_EXIT(PlayTheWayIn(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
