#include "gui/GUI_ListBox.h"

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "gui/GUI_ScrollingWindow.h"
#include "gui/GUI_WindowBase.h"
#include "gui/WindowManager.h"
#include "sound/GUI_Sounds.h"

namespace {
constexpr const char* kFont = "arial16.dds";
constexpr int kArrowWidth = 20;

void DrawLine(const std::string& text, const GRect& rect, uint32_t colour)
{
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont(kFont))
        return;
    fonts.SelectFont(kFont, 16.0f);
    fonts.DrawText(text, rect.left + 5.0f, rect.top - 1.0f, colour);
}
}  // namespace

// The open list: a modal scrolling window that closes on a click outside it.
// It and its list box forget each other when either goes first.
class GUI_ListBox::Popup : public GUI_ScrollingWindow {
public:
    Popup(GUI_ListBox& owner) : GUI_ScrollingWindow(owner.Name + "List"), mOwner(&owner)
    {
        Background = 0xF0E0E0E0u;
        Outline = 0xE0000000u;
        ScrollStep = kEntryHeight;
    }
    ~Popup() override
    {
        if (mOwner)
            mOwner->mPopup = nullptr;
    }
    void Disown() { mOwner = nullptr; }

    bool OnLeftClick(float x, float y) override
    {
        if (GUI_ScrollingWindow::OnLeftClick(x, y))
            return true;
        GetWindowManager().Close(this);
        if (mOwner)
            mOwner->mPopup = nullptr;
        mOwner = nullptr;
        return false;
    }

private:
    GUI_ListBox* mOwner;
};

GUI_ListBox::LB_Entry::LB_Entry(GUI_ListBox& owner, int index)
    : GUI_ButtonBase(owner.Name + "." + std::to_string(index)), mOwner(owner), mIndex(index)
{
}

void GUI_ListBox::LB_Entry::Draw()
{
    if (Hovered || mIndex == mOwner.Selected())
        GetD3DEngine().FillRect(mRect, Hovered ? 0xFF3A8FD0u : 0xFFB0C4DEu);
    DrawLine(mOwner.EntryText(mIndex), mRect, Hovered ? 0xFFFFFFFFu : 0xFF000000u);
    GUI_ButtonBase::Draw();
}

void GUI_ListBox::LB_Entry::Press()
{
    if (!Enabled)
        return;
    GetSounds().PlayClick();
    // Closing takes the list out of sight now; its memory goes at the end of the frame.
    GUI_ListBox& owner = mOwner;
    const int index = mIndex;
    owner.Close();
    owner.Select(index);
}

GUI_ListBox::GUI_ListBox(std::string name) : GUI_ButtonBase(std::move(name)) {}

GUI_ListBox::~GUI_ListBox() { Close(); }

void GUI_ListBox::SetRect(float left, float top, float right, float bottom)
{
    GUI_ButtonBase::SetRect(left, top, right, bottom);
    mArrow.SetSize(static_cast<float>(kArrowWidth), static_cast<float>(mHeight));
    mArrow.SetPosition(mRect.right - kArrowWidth / 2.0f, mRect.top + mHeight / 2.0f);
}

void GUI_ListBox::Draw()
{
    D3DEngine& engine = GetD3DEngine();
    engine.FillRect(mRect, 0xE0E0E0E0u);
    engine.DrawRect(mRect, 0xE0000000u);
    DrawLine(SelectedText(), mRect, Enabled ? 0xFF000000u : 0x40000000u);
    mArrow.SetColour(Enabled ? 255 : 32, 255, 255, 255);
    mArrow.Draw();
    GUI_ButtonBase::Draw();
}

void GUI_ListBox::Press()
{
    if (!Enabled)
        return;
    GetSounds().PlayClick();
    if (IsOpen())
        Close();
    else
        Open();
}

int GUI_ListBox::AddEntry(const std::string& text)
{
    mEntries.push_back(text);
    if (mPopup)
        FillPopup();
    return EntryCount() - 1;
}

void GUI_ListBox::RemoveEntry(int index)
{
    if (index < 0 || index >= EntryCount())
        return;
    mEntries.erase(mEntries.begin() + index);
    if (index < mSelected || mSelected >= EntryCount())
        --mSelected;
    if (mPopup)
        FillPopup();
}

void GUI_ListBox::ClearEntries()
{
    mEntries.clear();
    mSelected = -1;
    Close();
}

std::string GUI_ListBox::SelectedText() const
{
    return mSelected >= 0 ? mEntries[static_cast<size_t>(mSelected)] : std::string();
}

void GUI_ListBox::Select(int index)
{
    if (index < 0 || index >= EntryCount())
        index = -1;
    if (index == mSelected)
        return;
    mSelected = index;
    if (mCallback) {
        Callback callback = mCallback;
        callback(index);
    }
}

void GUI_ListBox::Open()
{
    if (mPopup || mEntries.empty())
        return;
    mPopup = new Popup(*this);
    const int rows = std::min(EntryCount(), kVisibleEntries);
    mPopup->SetRect(static_cast<float>(mRect.left), static_cast<float>(mRect.bottom),
                    static_cast<float>(mRect.right), static_cast<float>(mRect.bottom + rows * kEntryHeight));
    FillPopup();
    WindowManager& windows = GetWindowManager();
    windows.Register(mPopup);
    windows.SetModal(mPopup, true);
}

void GUI_ListBox::Close()
{
    if (!mPopup)
        return;
    mPopup->Disown();
    GetWindowManager().Close(mPopup);
    mPopup = nullptr;
}

void GUI_ListBox::FillPopup()
{
    mPopup->ClearContent();
    const int width = mPopup->View().Width();
    for (int i = 0; i < EntryCount(); ++i)
        mPopup->AddContentButton(new LB_Entry(*this, i),
                                 GRect{0, i * kEntryHeight, width, (i + 1) * kEntryHeight});
    mPopup->SetContentHeight(EntryCount() * kEntryHeight);
    if (mSelected >= 0)
        mPopup->ScrollIntoView(mSelected * kEntryHeight, (mSelected + 1) * kEntryHeight);
}
