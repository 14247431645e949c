// Long lists in the game's windows scroll rather than stop short, and every
// window offers a tutorial hint of its own as it opens.
#include <gtest/gtest.h>

#include <set>

#include "../core/WholeGameTest.h"
#include "engine/CInput.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gui/GUI_IssuesWindow.h"
#include "gui/GUI_MinisterChooser.h"
#include "gui/GUI_PressureGroupsWindow.h"
#include "gui/GUI_ScrollButton.h"
#include "gui/HintOffers.h"
#include "gui/WindowDirectory.h"
#include "gui/WindowManager.h"
#include "gui/WindowStyle.h"
#include "politics/SIM_Grudge.h"

namespace {

TEST(WindowHints, EveryWindowHasAHintOfItsOwn)
{
    std::set<std::string> hints;
    for (const auto& entry : WindowDirectory::Entries()) {
        EXPECT_STRNE(entry.hint, "") << entry.name;
        EXPECT_TRUE(hints.insert(entry.hint).second) << entry.name << " shares " << entry.hint;
    }
}

class WindowLists : public WholeGameTest {
protected:
    void TearDown() override
    {
        GetWindowManager().CloseAll();
        HintOffers::Clear();
        WholeGameTest::TearDown();
    }
    static void ExpectInside(const GRect& inner, const GRect& outer, const std::string& what)
    {
        EXPECT_GE(inner.left, outer.left) << what;
        EXPECT_GE(inner.top, outer.top) << what;
        EXPECT_LE(inner.right, outer.right) << what;
        EXPECT_LE(inner.bottom, outer.bottom) << what;
    }
};

TEST_F(WindowLists, OpeningAWindowOffersItsHintOnce)
{
    StartGame(31);
    for (const auto& entry : WindowDirectory::Entries()) {
        if (!entry.key)
            continue;
        HintOffers::Clear();
        WindowDirectory::OpenByKey(entry.key);
        if (!GUI_GameWindow::IsOpen(entry.name))
            continue;  // nothing for it to show in a fresh game
        EXPECT_EQ(HintOffers::Offered(), std::vector<std::string>{entry.hint}) << entry.name;
        entry.close();
        GetWindowManager().DeletePending();
    }
}

TEST_F(WindowLists, ManyIssuesScrollToTheLastByWheelAndArrows)
{
    StartGame(32);
    SIM_IssuesManager& issues = SIM_IssuesManager::Get();
    while (issues.Count() < 40)
        issues.Add(nullptr, ISSUE_FINANCE_WARNING).title = "FINANCE_WARNING";
    GUI_IssuesWindow::Open();
    auto* window = dynamic_cast<GUI_IssuesWindow*>(GUI_GameWindow::FindOpen(GUI_IssuesWindow::kName));
    ASSERT_NE(window, nullptr);
    GUI_ListArea* list = window->List();
    ASSERT_NE(list, nullptr);
    ExpectInside(list->Rect(), window->Rect(), "the list");
    EXPECT_LE(list->View().Height(), static_cast<int>(GUI_IssuesWindow::kRowsInView) * 34 + 1)
        << "the window grows no taller than its rows in view";

    const std::string last = "Issue" + std::to_string(issues.Count() - 1);
    EXPECT_NE(window->FindNamedButton("Issue0"), nullptr);
    EXPECT_EQ(window->FindNamedButton(last), nullptr) << "out of view, so out of reach";

    // The wheel towards the player goes down the list, and stops at its end.
    const GRect& view = list->View();
    const float x = view.left + 10.0f, y = view.top + 10.0f;
    for (int i = 0; i < 200 && list->ScrollOffset() < list->MaxScroll(); ++i)
        ASSERT_TRUE(window->OnWheel(x, y, -1));
    EXPECT_EQ(list->ScrollOffset(), list->MaxScroll());
    GUI_ButtonBase* button = window->FindNamedButton(last);
    ASSERT_NE(button, nullptr);
    ExpectInside(button->Rect(), view, last);
    EXPECT_FALSE(list->DownButton()->Enabled);

    // The arrow brings the first back the other way.
    for (int i = 0; i < 200 && list->ScrollOffset() > 0; ++i)
        list->UpButton()->Press();
    EXPECT_EQ(list->ScrollOffset(), 0);
    EXPECT_NE(window->FindNamedButton("Issue0"), nullptr);
}

TEST_F(WindowLists, AFewIssuesNeedNoScrolling)
{
    StartGame(33);
    SIM_IssuesManager& issues = SIM_IssuesManager::Get();
    for (size_t guard = 0; issues.Count() > 0 && guard < 100; ++guard)
        issues.Remove(issues.At(0).source);
    ASSERT_EQ(issues.Count(), 0u);
    issues.Add(nullptr, ISSUE_FINANCE_WARNING).title = "FINANCE_WARNING";
    GUI_IssuesWindow::Open();
    auto* window = dynamic_cast<GUI_IssuesWindow*>(GUI_GameWindow::FindOpen(GUI_IssuesWindow::kName));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->List()->MaxScroll(), 0);
    EXPECT_FALSE(window->List()->UpButton()->Visible);
    EXPECT_NE(window->FindNamedButton("Issue0"), nullptr);
}

TEST_F(WindowLists, EveryGrudgeCanBeScrolledIntoView)
{
    StartGame(34);
    for (int i = 0; i < 30; ++i)
        SIM_Grudge::CreateGrudge("Grudge " + std::to_string(i), "_All_", -0.5f, 0.9f);
    GUI_PressureGroupsWindow::Open();
    auto* window =
        dynamic_cast<GUI_PressureGroupsWindow*>(GUI_GameWindow::FindOpen(GUI_PressureGroupsWindow::kName));
    ASSERT_NE(window, nullptr);
    for (GUI_ListArea* list : {window->Groups(), window->Grudges()}) {
        ASSERT_NE(list, nullptr);
        ExpectInside(list->Rect(), window->Rect(), list->Name);
    }
    EXPECT_LE(window->Groups()->Rect().bottom, window->Grudges()->Rect().top) << "the two lists overlap";
    GUI_ListArea& grudges = *window->Grudges();
    EXPECT_GE(grudges.ContentHeight(), static_cast<int>(SIM_Grudge::All().size() * WindowStyle::kRowHeight));
    EXPECT_GT(grudges.MaxScroll(), 0);
    grudges.ScrollTo(grudges.MaxScroll());
    // The last row ends within the view once scrolled to the end.
    const int lastBottom = static_cast<int>(SIM_Grudge::All().size() * WindowStyle::kRowHeight);
    EXPECT_LE(lastBottom - grudges.ScrollOffset(), grudges.View().Height());
}

TEST_F(WindowLists, AButtonInTheListOfAModalWindowShowsHover)
{
    StartGame(35);
    GUI_MinisterChooser::Open(0);
    auto* chooser = dynamic_cast<GUI_MinisterChooser*>(GUI_GameWindow::FindOpen(GUI_MinisterChooser::kName));
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(chooser->Modal);
    GUI_ButtonBase* first = chooser->FindNamedButton("ChooseMinister0");
    ASSERT_NE(first, nullptr) << "the pool has nobody out of office";
    CInput& input = GetInput();
    input.MouseX = (first->Rect().left + first->Rect().right) / 2.0f;
    input.MouseY = (first->Rect().top + first->Rect().bottom) / 2.0f;
    input.HoverClaimed = false;
    chooser->Update();
    EXPECT_EQ(first->Hovered, 1);
}

}  // namespace
