#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/CInput.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_ListBox.h"
#include "gui/GUI_ScrollButton.h"
#include "gui/GUI_ScrollingWindow.h"
#include "gui/GUI_TabContainer.h"
#include "gui/GUI_WindowTab.h"
#include "gui/PlayGuide.h"
#include "gui/WindowManager.h"

namespace {

// Every test leaves the manager empty and the guide off.
class GuiTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        GetWindowManager().CloseAll();
        PlayGuide::Get().Reset();
    }
    static bool ClickAt(float x, float y)
    {
        GetInput().MouseX = x;
        GetInput().MouseY = y;
        return GetWindowManager().OnLeftClick();
    }
    static void ExpectConsistent()
    {
        std::string problem;
        EXPECT_TRUE(GetWindowManager().CheckConsistency(&problem)) << problem;
    }
};

std::vector<std::string> gDrawn;

// A window or dialog that writes its name down when drawn.
template <typename Base>
class Probe : public Base {
public:
    using Base::Base;
    void Draw() override { gDrawn.push_back(this->Name); }
};

GUI_ButtonText* AddCounter(GUIButtonList& list, const std::string& name, GRect r, int& presses)
{
    auto* button = new GUI_ButtonText(name, "");
    button->SetRect(r.left, r.top, r.right, r.bottom);
    button->SetCallback([&presses](int) { ++presses; });
    list.AddButton(button);
    return button;
}

TEST_F(GuiTest, ScrollOffsetsStayWithinTheContent)
{
    const struct {
        int content, scrollTo, offset;
        bool upEnabled, downEnabled, arrowsShown;
    } cases[] = {
        {300, 50, 50, true, true, true},      {300, -20, 0, false, true, true},
        {300, 1000, 200, true, false, true},  {300, 200, 200, true, false, true},  // the view is 100 high
        {80, 40, 0, false, false, false},     {100, 1, 0, false, false, false},    // nothing to scroll
    };
    for (const auto& c : cases) {
        GUI_ScrollingWindow window("Scroll");
        window.SetRect(0, 0, 216, 100);
        window.SetContentHeight(c.content);
        window.ScrollTo(c.scrollTo);
        EXPECT_EQ(window.ScrollOffset(), c.offset) << c.content << " to " << c.scrollTo;
        EXPECT_EQ(window.UpButton()->Enabled, c.upEnabled) << c.content << " to " << c.scrollTo;
        EXPECT_EQ(window.DownButton()->Enabled, c.downEnabled) << c.content << " to " << c.scrollTo;
        EXPECT_EQ(window.UpButton()->Visible, c.arrowsShown) << c.content;
    }
}

TEST_F(GuiTest, ContentScrollsByWheelAndOnlyItsPartInViewTakesClicks)
{
    auto* window = new GUI_ScrollingWindow("Scroll");
    window->SetRect(0, 0, 216, 100);
    window->SetContentHeight(500);
    window->ScrollTo(400);
    window->SetContentHeight(400);  // shrinking content pulls the offset back
    EXPECT_EQ(window->ScrollOffset(), 300);
    int top = 0;
    int bottom = 0;
    window->AddContentButton(new GUI_ButtonText("Top", ""), GRect{0, 0, 200, 20})
        ->SetCallback([&top](int) { ++top; });
    window->AddContentButton(new GUI_ButtonText("Bottom", ""), GRect{0, 380, 200, 400})
        ->SetCallback([&bottom](int) { ++bottom; });
    GetWindowManager().Register(window);

    ClickAt(10, 90);
    EXPECT_EQ(bottom, 1);
    EXPECT_EQ(GetWindowManager().FindButton("Top"), nullptr);  // scrolled out: scripts cannot click it
    EXPECT_TRUE(GetWindowManager().OnWheel(1));                 // away from the player: towards the top
    EXPECT_EQ(window->ScrollOffset(), 300 - window->ScrollStep);
    EXPECT_TRUE(GetWindowManager().OnWheel(-5));
    EXPECT_EQ(window->ScrollOffset(), 300);
    window->ScrollTo(0);
    ClickAt(10, 10);
    EXPECT_EQ(top, 1);
    GetInput().MouseX = 300;
    EXPECT_FALSE(GetWindowManager().OnWheel(-1));
    EXPECT_EQ(window->ScrollOffset(), 0);
}

TEST_F(GuiTest, TheChoiceOfAListFollowsItsEntryWhenOthersAreRemoved)
{
    const struct {
        int count, selected, removed, after;
    } cases[] = {
        {5, 3, 1, 2},    // an entry above: the choice moves up with its entry
        {5, 1, 3, 1},    // below: nothing changes
        {5, 2, 2, 2},    // the chosen one goes: its successor takes its place
        {5, 4, 4, 3},    // the last one goes: the new last one
        {1, 0, 0, -1},   // the list empties
        {5, -1, 0, -1},  // nothing chosen stays so
        {5, 2, 7, 2},    {5, 2, -1, 2},  // no such entry
    };
    for (const auto& c : cases) {
        GUI_ListBox list("List");
        for (int i = 0; i < c.count; ++i)
            list.AddEntry("entry " + std::to_string(i));
        list.Select(c.selected);
        list.RemoveEntry(c.removed);
        EXPECT_EQ(list.Selected(), c.after) << c.count << " " << c.selected << " " << c.removed;
        if (c.after >= 0 && c.removed != c.selected) {
            EXPECT_EQ(list.SelectedText(), "entry " + std::to_string(c.selected));
        }
    }
}

TEST_F(GuiTest, AnOpenListIsModalChoosesOnClickAndClosesOnAClickOutside)
{
    auto* dialog = new GUI_Dialog("Holder", false);
    dialog->SetRect(0, 0, 400, 300);
    auto* list = new GUI_ListBox("Country");
    list->SetRect(20, 50, 220, 70);
    std::vector<int> chosen;
    list->SetCallback([&chosen](int index) { chosen.push_back(index); });
    dialog->AddButton(list);
    for (int i = 0; i < 10; ++i)
        list->AddEntry("country " + std::to_string(i));
    WindowManager& windows = GetWindowManager();

    ClickAt(30, 60);
    ASSERT_EQ(windows.ModalStack().size(), 1u);
    const GUI_WindowBase* popup = windows.ModalStack().back();
    EXPECT_EQ(popup->Rect().bottom - popup->Rect().top, GUI_ListBox::kVisibleEntries * GUI_ListBox::kEntryHeight);
    ClickAt(30, 70 + 2 * GUI_ListBox::kEntryHeight + 3);
    EXPECT_EQ(chosen, std::vector<int>{2});
    EXPECT_FALSE(list->IsOpen());
    EXPECT_TRUE(GUI_WindowBase::IsAlive(popup));  // its click is still being routed
    ExpectConsistent();
    windows.Update();
    EXPECT_FALSE(GUI_WindowBase::IsAlive(popup));

    ClickAt(30, 60);
    ASSERT_TRUE(list->IsOpen());
    EXPECT_TRUE(ClickAt(390, 290));  // outside the list: swallowed, and the list closes
    EXPECT_FALSE(list->IsOpen());
    windows.Update();
    ClickAt(30, 60);
    delete dialog;  // an open list goes with its window
    windows.Update();
    EXPECT_TRUE(windows.ModalStack().empty());
    EXPECT_TRUE(windows.Windows().empty());
    EXPECT_EQ(chosen, std::vector<int>{2});
}

TEST_F(GuiTest, AWindowClosedByItsOwnClickLivesUntilTheFrameEnds)
{
    enum How { kCloseButton, kCallback, kTwice, kParent };
    for (How how : {kCloseButton, kCallback, kTwice, kParent}) {
        auto* outer = new GUI_Dialog("Outer", false);
        outer->SetRect(0, 0, 500, 500);
        auto* dialog = new GUI_Dialog("Inner", true);
        dialog->SetRect(100, 100, 300, 300);
        GetWindowManager().SetModal(dialog, true);
        int presses = 0;
        auto* button = AddCounter(*dialog, "Act", GRect{120, 200, 200, 230}, presses);
        button->SetCallback([&, how](int) {
            GetWindowManager().Close(how == kParent ? outer : dialog);
            if (how == kTwice)
                GetWindowManager().Close(dialog);
            EXPECT_TRUE(GUI_WindowBase::IsAlive(dialog));
            EXPECT_EQ(button->Name, "Act");  // the button is still whole
        });
        if (how == kParent)
            outer->AddChild(dialog);
        ClickAt(how == kCloseButton ? 270 : 150, how == kCloseButton ? 130 : 210);
        EXPECT_TRUE(GUI_WindowBase::IsAlive(dialog)) << how;
        ExpectConsistent();
        GetWindowManager().Update();
        EXPECT_FALSE(GUI_WindowBase::IsAlive(dialog)) << how;
        EXPECT_TRUE(GetWindowManager().ModalStack().empty()) << how;
        GetWindowManager().CloseAll();
    }
}

TEST_F(GuiTest, ModalWindowsDrawAboveEverythingAndTakeEveryClick)
{
    WindowManager& windows = GetWindowManager();
    auto* modal = new Probe<GUI_Dialog>("Modal", false);
    auto* plain = new Probe<GUI_WindowBase>("Plain");
    windows.Register(plain);
    new Probe<GUI_Dialog>("Dialog", false);
    windows.SetModal(modal, true);
    gDrawn.clear();
    windows.DrawWindows();
    windows.DrawOverlays();
    EXPECT_EQ(gDrawn, (std::vector<std::string>{"Plain", "Dialog", "Modal"}));

    auto* full = new Probe<GUI_WindowBase>("Full");
    windows.AddFullScreen(full);
    gDrawn.clear();
    windows.DrawWindows();
    EXPECT_TRUE(windows.DrawOverlays());
    EXPECT_EQ(gDrawn, (std::vector<std::string>{"Full", "Dialog", "Modal"}));

    int presses = 0;
    AddCounter(*full, "UnderModal", GRect{300, 300, 400, 340}, presses);
    EXPECT_TRUE(ClickAt(310, 310));
    EXPECT_EQ(presses, 0);
    windows.SetModal(modal, false);
    EXPECT_TRUE(ClickAt(310, 310));
    EXPECT_EQ(presses, 1);
}

TEST_F(GuiTest, EscapeClosesTheTopDialogThenTheTopmostFullScreenWindow)
{
    WindowManager& windows = GetWindowManager();
    auto* first = new Probe<GUI_WindowBase>("First");
    auto* second = new Probe<GUI_WindowBase>("Second");
    windows.AddFullScreen(first);
    windows.AddFullScreen(second);
    auto* dialog = new Probe<GUI_Dialog>("Dialog", false);
    for (const GUI_WindowBase* closed : std::vector<GUI_WindowBase*>{dialog, second, first}) {
        EXPECT_TRUE(windows.CloseOnEscape());
        windows.Update();
        EXPECT_FALSE(GUI_WindowBase::IsAlive(closed));
        ExpectConsistent();
    }
    EXPECT_FALSE(windows.CloseOnEscape());
}

TEST_F(GuiTest, TheConsistencyCheckFindsListsThatDisagree)
{
    const std::function<void(GUI_WindowBase&)> faults[] = {
        [](GUI_WindowBase& w) { w.Modal = false; },                         // flag and stack disagree
        [](GUI_WindowBase& w) { GetWindowManager().Unregister(&w); },       // modal but drawn by nobody
        [](GUI_WindowBase& w) { w.Registered = false; },
        [](GUI_WindowBase& w) { GetWindowManager().Close(&w); w.Visible = true; },
    };
    for (const auto& fault : faults) {
        auto* window = new GUI_Dialog("Broken", false);
        GetWindowManager().SetModal(window, true);
        ExpectConsistent();
        fault(*window);
        EXPECT_FALSE(GetWindowManager().CheckConsistency());
        GetWindowManager().CloseAll();
        ExpectConsistent();
    }
}

TEST_F(GuiTest, ThePlayGuideLetsOnlyItsAllowedButtonAct)
{
    const struct {
        bool active;
        const char *allowed, *clicked;
        bool acts;
        size_t stepAfter;
    } cases[] = {
        {false, "NextTurn", "Options", true, 0},  // no guide running
        {true, "", "Options", true, 0},           // nothing named: everything goes
        {true, "NextTurn", "Options", false, 0},
        {true, "NextTurn", "NextTurn", true, 1},  // the allowed button also moves the guide on
        {true, "Tick", "Tick", true, 1},
        {true, "NextTurn", "Tick", false, 0},
    };
    for (const auto& c : cases) {
        PlayGuide& guide = PlayGuide::Get();
        guide.Reset();
        guide.SetSteps({"", "", ""});
        guide.SetActive(c.active);
        guide.SetAllowedButton(c.allowed);
        auto* window = new GUI_Dialog("Window", false);
        window->SetRect(0, 0, 400, 400);
        int presses = 0;
        AddCounter(*window, "Options", GRect{10, 10, 100, 40}, presses);
        AddCounter(*window, "NextTurn", GRect{10, 50, 100, 80}, presses);
        auto* tick = new GUI_CheckButton("Tick", "");
        tick->SetRect(10, 100, 100, 132);
        window->AddButton(tick);
        const GRect& target = window->FindButton(c.clicked)->Rect();
        EXPECT_TRUE(ClickAt(target.left + 2.0f, target.top + 2.0f));  // taken either way
        EXPECT_EQ(presses + (tick->Ticked ? 1 : 0), c.acts ? 1 : 0) << c.allowed << " / " << c.clicked;
        EXPECT_EQ(guide.CurrentStep(), c.stepAfter) << c.allowed << " / " << c.clicked;
        GetWindowManager().CloseAll();
    }
}

TEST_F(GuiTest, OnlyTheActivePageOfATabContainerShowsAndTakesClicks)
{
    auto* dialog = new GUI_Dialog("Tabs", false);
    dialog->SetRect(0, 0, 400, 300);
    auto* tabs = new GUI_TabContainer("TabSet");
    dialog->AddChild(tabs);
    int presses[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        auto* page = new GUI_WindowTab("Page" + std::to_string(i));
        tabs->AddPage(page, "Tab" + std::to_string(i), "");
        AddCounter(*page, "Act", GRect{50, 100, 150, 130}, presses[i]);
    }
    tabs->SetRect(0, 0, 400, 300);
    EXPECT_TRUE(tabs->Contains(10, 10));  // a caption
    EXPECT_FALSE(tabs->Contains(10, 310));
    ClickAt(60, 110);
    ClickAt(300, 20);  // the second caption
    EXPECT_EQ(tabs->ActivePage(), 1);
    EXPECT_FALSE(tabs->Page(0)->Visible);
    ClickAt(60, 110);
    EXPECT_EQ(presses[0], 1);
    EXPECT_EQ(presses[1], 1);
    tabs->Activate(5);
    EXPECT_EQ(tabs->ActivePage(), 1);
}

}  // namespace
