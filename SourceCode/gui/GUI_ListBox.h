#pragma once
#include <string>
#include <vector>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"

// A drop-down field: it shows the chosen entry; a click opens the entries in
// a scrolling list below it (six rows of 16 pixels), a click on an entry
// chooses it and closes the list, and a click anywhere else closes it. The
// open list is modal, so it draws above everything and takes every click.
// The callback runs with the chosen index whenever the choice changes.
class GUI_ListBox : public GUI_ButtonBase {
public:
    static constexpr int kEntryHeight = 16;
    static constexpr int kVisibleEntries = 6;

    // One row of the open list; named "<list name>.<index>".
    class LB_Entry : public GUI_ButtonBase {
    public:
        LB_Entry(GUI_ListBox& owner, int index);
        void Draw() override;
        void Press() override;
        int Index() const { return mIndex; }

    private:
        GUI_ListBox& mOwner;
        int mIndex;
    };

    explicit GUI_ListBox(std::string name);
    ~GUI_ListBox() override;
    GUI_ListBox(const GUI_ListBox&) = delete;
    GUI_ListBox& operator=(const GUI_ListBox&) = delete;

    void Draw() override;
    void SetRect(float left, float top, float right, float bottom) override;
    // A click on the field opens or closes the list.
    void Press() override;

    int AddEntry(const std::string& text);
    // The choice stays on the same entry; when that entry goes, on the one
    // that takes its place (or the new last one), none when the list empties.
    void RemoveEntry(int index);
    void ClearEntries();
    int EntryCount() const { return static_cast<int>(mEntries.size()); }
    const std::string& EntryText(int index) const { return mEntries.at(static_cast<size_t>(index)); }

    // -1 when nothing is chosen.
    int Selected() const { return mSelected; }
    std::string SelectedText() const;
    // Out-of-range indices choose nothing; the callback runs on a change.
    void Select(int index);

    bool IsOpen() const { return mPopup != nullptr; }
    void Open();
    void Close();

private:
    class Popup;
    void FillPopup();

    std::vector<std::string> mEntries;
    int mSelected = -1;
    Popup* mPopup = nullptr;
    CTexturedSprite mArrow{"gui_listbox.bmp"};
};
