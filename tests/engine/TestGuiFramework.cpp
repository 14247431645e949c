#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/CInput.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_CloseButton.h"
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
    static void MouseAt(float x, float y)
    {
        GetInput().MouseX = x;
        GetInput().MouseY = y;
    }
    static bool ClickAt(float x, float y)
    {
        MouseAt(x, y);
        return GetWindowManager().OnLeftClick();
    }
    static void ExpectConsistent()
    {
        std::string problem;
        EXPECT_TRUE(GetWindowManager().CheckConsistency(&problem)) << problem;
    }
};

// A window that writes its name down when drawn.
class Probe : public GUI_WindowBase {
public:
    Probe(std::string name, std::vector<std::string>& log) : GUI_WindowBase(std::move(name)), mLog(log) {}
    void Draw() override { mLog.push_back(Name); }

private:
    std::vector<std::string>& mLog;
};

class ProbeDialog : public GUI_Dialog {
public:
    ProbeDialog(std::string name, std::vector<std::string>& log) : GUI_Dialog(std::move(name), false), mLog(log) {}
    void Draw() override { mLog.push_back(Name); }

private:
    std::vector<std::string>& mLog;
};

GUI_ButtonText* AddCounter(GUIButtonList& list, const std::string& name, GRect rect, int& presses)
{
    auto* button = new GUI_ButtonText(name, "");
    button->SetRect(rect.left, rect.top, rect.right, rect.bottom);
    button->SetCallback([&presses](int) { ++presses; });
    list.AddButton(button);
    return button;
}

TEST_F(GuiTest, ScrollOffsetsStayWithinTheContent)
{
    const struct {
        int content;
        int scrollTo;
        int offset;
        bool upEnabled, downEnabled, arrowsShown;
    } cases[] = {
        {300, 50, 50, true, true, true},
        {300, -20, 0, false, true, true},
        {300, 1000, 200, true, false, true},   // view is 100 high
        {300, 200, 200, true, false, true},
        {80, 40, 0, false, false, false},      // shorter than the view: nothing scrolls
        {100, 1, 0, false, false, false},
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

TEST_F(GuiTest, ShrinkingContentPullsTheOffsetBackAndTheWheelScrollsTheWindowUnderTheMouse)
{
    auto* window = new GUI_ScrollingWindow("Scroll");
    window->SetRect(100, 100, 316, 200);
    window->SetContentHeight(500);
    window->ScrollTo(400);
    window->SetContentHeight(150);
    EXPECT_EQ(window->ScrollOffset(), 50);
    GetWindowManager().Register(window);

    MouseAt(150, 150);
    EXPECT_TRUE(GetWindowManager().OnWheel(1));  // away from the player: towards the top
    EXPECT_EQ(window->ScrollOffset(), 50 - window->ScrollStep);
    EXPECT_TRUE(GetWindowManager().OnWheel(-5));
    EXPECT_EQ(window->ScrollOffset(), 50);
    MouseAt(50, 50);
    EXPECT_FALSE(GetWindowManager().OnWheel(-1));
    EXPECT_EQ(window->ScrollOffset(), 50);
}

TEST_F(GuiTest, ContentScrolledOutOfTheViewTakesNoClicks)
{
    auto* window = new GUI_ScrollingWindow("Scroll");
    window->SetRect(0, 0, 216, 100);
    window->SetContentHeight(400);
    int first = 0;
    int last = 0;
    auto* top = new GUI_ButtonText("Top", "");
    top->SetCallback([&first](int) { ++first; });
    window->AddContentButton(top, GRect{0, 0, 200, 20});
    auto* bottom = new GUI_ButtonText("Bottom", "");
    bottom->SetCallback([&last](int) { ++last; });
    window->AddContentButton(bottom, GRect{0, 380, 200, 400});
    GetWindowManager().Register(window);

    EXPECT_EQ(GetWindowManager().FindButton("Bottom"), nullptr);
    window->ScrollTo(300);
    EXPECT_EQ(bottom->Rect().top, 80);
    ClickAt(10, 90);
    EXPECT_EQ(last, 1);
    // The top button now lies above the view, where the window's own edge is.
    EXPECT_EQ(top->Rect().top, -300);
    EXPECT_EQ(GetWindowManager().FindButton("Top"), nullptr);
    window->ScrollTo(0);
    ClickAt(10, 10);
    EXPECT_EQ(first, 1);
    ExpectConsistent();
}

TEST_F(GuiTest, TheChoiceOfAListFollowsItsEntryWhenOthersAreRemoved)
{
    const struct {
        int count;
        int selected;
        int removed;
        int after;
    } cases[] = {
        {5, 3, 1, 2},    // an entry above moves the choice up with its entry
        {5, 1, 3, 1},    // below: nothing changes
        {5, 2, 2, 2},    // the chosen one goes: its successor takes its place
        {5, 4, 4, 3},    // the last one goes: the new last one
        {1, 0, 0, -1},   // the list empties
        {5, -1, 0, -1},  // nothing chosen stays so
        {5, 2, 7, 2},    // no such entry
        {5, 2, -1, 2},
    };
    for (const auto& c : cases) {
        GUI_ListBox list("List");
        for (int i = 0; i < c.count; ++i)
            list.AddEntry("entry " + std::to_string(i));
        list.Select(c.selected);
        const std::string chosen = list.SelectedText();
        list.RemoveEntry(c.removed);
        EXPECT_EQ(list.Selected(), c.after) << c.count << " " << c.selected << " " << c.removed;
        if (c.removed != c.selected && c.after >= 0) {
            EXPECT_EQ(list.SelectedText(), chosen);
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

    ClickAt(30, 60);
    ASSERT_TRUE(list->IsOpen());
    ASSERT_EQ(GetWindowManager().ModalStack().size(), 1u);
    const GUI_WindowBase* popup = GetWindowManager().ModalStack().back();
    EXPECT_EQ(popup->Rect().bottom - popup->Rect().top, GUI_ListBox::kVisibleEntries * GUI_ListBox::kEntryHeight);
    ClickAt(30, 70 + 2 * GUI_ListBox::kEntryHeight + 3);
    EXPECT_EQ(chosen, std::vector<int>{2});
    EXPECT_FALSE(list->IsOpen());
    EXPECT_TRUE(GUI_WindowBase::IsAlive(popup));  // its click is still being routed
    ExpectConsistent();
    GetWindowManager().Update();
    EXPECT_FALSE(GUI_WindowBase::IsAlive(popup));

    ClickAt(30, 60);
    ASSERT_TRUE(list->IsOpen());
    EXPECT_TRUE(ClickAt(390, 290));  // outside the list, inside the dialog: swallowed, list closed
    EXPECT_FALSE(list->IsOpen());
    EXPECT_EQ(chosen, std::vector<int>{2});
    GetWindowManager().Update();

    // A list deleted with its window takes its open list along.
    ClickAt(30, 60);
    ASSERT_TRUE(list->IsOpen());
    delete dialog;
    GetWindowManager().Update();
    EXPECT_TRUE(GetWindowManager().ModalStack().empty());
    EXPECT_TRUE(GetWindowManager().Windows().empty());
    ExpectConsistent();
}

TEST_F(GuiTest, AWindowClosedByItsOwnClickLivesUntilTheFrameEnds)
{
    // What the click does: close its window with the close button, close it
    // from a callback, close it twice, close its parent.
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
            ++presses;
            WindowManager& windows = GetWindowManager();
            windows.Close(how == kParent ? static_cast<GUI_WindowBase*>(outer) : dialog);
            if (how == kTwice)
                windows.Close(dialog);
            // The window must still be whole here.
            EXPECT_TRUE(GUI_WindowBase::IsAlive(dialog));
            EXPECT_EQ(button->Name, "Act");
        });
        if (how == kParent)
            outer->AddChild(dialog);
        if (how == kCloseButton)
            ClickAt(270, 130);
        else
            ClickAt(150, 210);
        EXPECT_TRUE(GUI_WindowBase::IsAlive(dialog)) << how;
        ExpectConsistent();
        GetWindowManager().Update();
        EXPECT_FALSE(GUI_WindowBase::IsAlive(dialog)) << how;
        EXPECT_TRUE(GetWindowManager().ModalStack().empty()) << how;
        ExpectConsistent();
        GetWindowManager().CloseAll();
    }
}

TEST_F(GuiTest, ModalWindowsDrawAboveEverythingAndTakeEveryClick)
{
    std::vector<std::string> drawn;
    WindowManager& windows = GetWindowManager();
    auto* modal = new ProbeDialog("Modal", drawn);
    auto* plain = new Probe("Plain", drawn);
    windows.Register(plain);
    auto* dialog = new ProbeDialog("Dialog", drawn);
    windows.BringToFront(modal);
    windows.SetModal(modal, true);
    for (GUI_WindowBase* window : std::vector<GUI_WindowBase*>{modal, plain, dialog})
        window->SetRect(0, 0, 100, 100);

    windows.DrawWindows();
    windows.DrawOverlays();
    EXPECT_EQ(drawn, (std::vector<std::string>{"Plain", "Dialog", "Modal"}));

    auto* full = new Probe("Full", drawn);
    windows.AddFullScreen(full);
    drawn.clear();
    windows.DrawWindows();
    EXPECT_TRUE(windows.DrawOverlays());
    EXPECT_EQ(drawn, (std::vector<std::string>{"Full", "Dialog", "Modal"}));

    // Only the modal window is offered clicks, and it swallows those outside it.
    int presses = 0;
    AddCounter(*full, "UnderModal", GRect{300, 300, 400, 340}, presses);
    EXPECT_TRUE(ClickAt(310, 310));
    EXPECT_EQ(presses, 0);
    windows.SetModal(modal, false);
    EXPECT_TRUE(ClickAt(310, 310));
    EXPECT_EQ(presses, 1);
    ExpectConsistent();
}

TEST_F(GuiTest, EscapeClosesTheTopDialogThenTheTopmostFullScreenWindow)
{
    std::vector<std::string> drawn;
    WindowManager& windows = GetWindowManager();
    auto* first = new Probe("First", drawn);
    auto* second = new Probe("Second", drawn);
    windows.AddFullScreen(first);
    windows.AddFullScreen(second);
    auto* dialog = new ProbeDialog("Dialog", drawn);
    const struct {
        const GUI_WindowBase* closed;
        bool handled;
    } steps[] = {{dialog, true}, {second, true}, {first, true}, {nullptr, false}};
    for (const auto& step : steps) {
        EXPECT_EQ(windows.CloseOnEscape(), step.handled);
        windows.Update();
        if (step.closed) {
            EXPECT_FALSE(GUI_WindowBase::IsAlive(step.closed));
        }
        ExpectConsistent();
    }
}

TEST_F(GuiTest, TheConsistencyCheckFindsListsThatDisagree)
{
    WindowManager& windows = GetWindowManager();
    for (int fault = 0; fault < 3; ++fault) {
        auto* window = new GUI_Dialog("Broken", false);
        windows.SetModal(window, true);
        ExpectConsistent();
        if (fault == 0)
            window->Modal = false;                   // flag and stack disagree
        else if (fault == 1)
            windows.Unregister(window);              // modal but drawn by nobody
        else
            window->Registered = false;
        EXPECT_FALSE(windows.CheckConsistency()) << fault;
        window->Modal = true;
        windows.Register(window);
        ExpectConsistent();
        delete window;
        ExpectConsistent();
    }
}

TEST_F(GuiTest, ThePlayGuideLetsOnlyItsAllowedButtonAct)
{
    const struct {
        bool active;
        const char* allowed;
        const char* clicked;
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
        const GUI_ButtonBase* target = window->FindButton(c.clicked);
        EXPECT_TRUE(ClickAt(target->Rect().left + 2.0f, target->Rect().top + 2.0f));  // taken either way
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
    EXPECT_EQ(tabs->ActivePage(), 0);
    EXPECT_TRUE(tabs->Contains(10, 10));       // a caption
    EXPECT_FALSE(tabs->Contains(10, 310));

    ClickAt(60, 110);
    EXPECT_EQ(presses[0], 1);
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
