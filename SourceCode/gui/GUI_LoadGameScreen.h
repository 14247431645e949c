#pragma once
#include <string>
#include <vector>

#include "engine/SmartTexture.h"
#include "gui/GUI_Screen.h"
#include "gui/LoadGameList.h"

// The saved games, newest first, a page at a time: each with its time stamp,
// a load button and a delete button. Loading replaces the running game (or
// starts one from the menu); a refused file is told here and nothing changes.
class GUI_LoadGameScreen : public GUI_Screen {
public:
    static constexpr int kPerPage = 9;

    void Render() override;
    void OnKey(int scanCode) override;
    void Activate() override;

    // Reads the save folder again and shows the page, kept in range.
    void Relist();
    void ShowPage(int page);
    int Page() const { return mPage; }
    int PageCount() const { return LoadGameList::PageCount(mRows.size(), kPerPage); }
    const std::vector<LoadGameRow>& Rows() const { return mRows; }
    const GRect& Panel() const { return mPanel; }

    // Loads on the processing screen, then enters the loaded game.
    static void LoadNow(const std::string& name);
    // Asks, then deletes and lists again.
    void AskToDelete(const std::string& name);

private:
    void BuildPage();
    int RowTop(int indexOnPage) const;

    std::vector<LoadGameRow> mRows;
    int mPage = 0;
    GRect mPanel;
    SmartTexture mBackground{"loadscreen.jpg"};
};

GUI_LoadGameScreen& GetLoadGameScreen();
