#include "gui/UpdateCheckGUIScreen.h"

#include <algorithm>
#include <memory>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/FontManager.h"
#include "engine/Game.h"
#include "engine/GameState.h"
#include "gamedata/Localisation.h"
#include "gamedata/SetupSection.h"
#include "gamedata/UserFolders.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/PanelFrame.h"
#include "gui/ScreenBackdrop.h"
#include "platform/ScanCodes.h"

namespace {
constexpr int kPanelWidth = 680;
constexpr int kPanelPadding = 28;
constexpr int kRowHeight = 34;
// Where a row's state text starts, from the panel's inner left edge.
constexpr float kStateColumn = 370.0f;
constexpr int kButtonWidth = 190;
constexpr int kButtonHeight = 40;
constexpr int kButtonGap = 20;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kSoft = 0xFFB0C4D8u;
constexpr uint32_t kGood = 0xFF9FE09Fu;
constexpr uint32_t kBad = 0xFFFF9A8Au;

using Phase = UpdateCheck::Phase;
using Item = DownloadPlan::Item;

void Text(const char* font, float size, const std::string& text, float x, float y, uint32_t colour,
          float width = 0.0f, int alignment = FontManager::kAlignLeft)
{
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont(font))
        return;
    fonts.SelectFont(font, size);
    fonts.DrawText(text, x, y, colour, width, alignment);
}

// The text's longest head that fits the width, with "..." when cut.
std::string Fitted(const char* font, float size, const std::string& text, float width)
{
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont(font))
        return text;
    fonts.SelectFont(font, size);
    if (fonts.TextWidth(text) <= width)
        return text;
    std::string cut = text;
    while (!cut.empty() && fonts.TextWidth(cut + "...") > width)
        cut.pop_back();
    return cut + "...";
}

std::string StateText(const Item& item)
{
    if (item.result == Item::Result::Installed)
        return translate("UPDATE_STATE_INSTALLED");
    if (item.result == Item::Result::Failed)
        return translate("UPDATE_STATE_FAILED") + ": " + item.error;
    switch (item.state) {
    case DownloadPlan::State::New: return translate("UPDATE_STATE_NEW");
    case DownloadPlan::State::Changed: return translate("UPDATE_STATE_CHANGED");
    default: return translate("UPDATE_STATE_CURRENT");
    }
}

uint32_t StateColour(const Item& item)
{
    if (item.result == Item::Result::Failed)
        return kBad;
    if (item.result == Item::Result::Installed)
        return kGood;
    return item.state == DownloadPlan::State::UpToDate ? kSoft : kWhite;
}
}  // namespace

UpdateCheckGUIScreen& GetUpdateCheckGUIScreen()
{
    static UpdateCheckGUIScreen screen;
    return screen;
}

void UpdateCheckGUIScreen::Activate()
{
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    mPanel = GRect{w / 2 - kPanelWidth / 2, ScreenBackdrop::kBandHeight + 24, w / 2 + kPanelWidth / 2,
                   h - ScreenBackdrop::kBandHeight - 24};
    DeleteButtons();
    mRows.clear();
    const int top = h - ScreenBackdrop::kBandHeight / 2 - kButtonHeight / 2;
    int left = w / 2 - (3 * kButtonWidth + 2 * kButtonGap) / 2;
    auto addButton = [&](const char* name, const char* captionKey, GUI_ButtonBase::Callback action) {
        auto button = std::make_unique<GUI_ButtonText>(name, captionKey);
        button->SetRect(static_cast<float>(left), static_cast<float>(top), static_cast<float>(left + kButtonWidth),
                        static_cast<float>(top + kButtonHeight));
        button->SetCallback(std::move(action));
        Add(std::move(button));
        left += kButtonWidth + kButtonGap;
    };
    addButton("UpdateCheckAgain", "UPDATE_CHECK_AGAIN", [this](int) { StartCheck(); });
    addButton("UpdateDownload", "UPDATE_DOWNLOAD", [this](int) { StartDownload(); });
    addButton("UpdateBack", "UPDATE_BACK", [this](int) { Leave(); });
    StartCheck();
}

void UpdateCheckGUIScreen::Deactivate() { mCheck.Cancel(); }

void UpdateCheckGUIScreen::Leave() { GetGame().SetState(STATE_MENU); }

void UpdateCheckGUIScreen::StartCheck()
{
    mAddress = SetupSection::Get().GetText(kAddressKey);
    const std::string web = UserFolders::Get().IsCreated() ? UserFolders::Get().WebFolder() : "";
    // Without a user folder there is nowhere safe to download to.
    mCheck.Check(web.empty() ? "" : mAddress, web, ".");
    mSeenVersion = -1;
    TakeStatus();
}

void UpdateCheckGUIScreen::StartDownload()
{
    std::vector<bool> accepted;
    for (size_t i = 0; i < mStatus.plan.Items().size(); ++i) {
        const Item& item = mStatus.plan.Items()[i];
        accepted.push_back(i < mRows.size() ? mRows[i]->Ticked && mRows[i]->Enabled : item.accepted);
    }
    mCheck.Download(accepted);
    TakeStatus();
}

void UpdateCheckGUIScreen::TakeStatus()
{
    const int version = mCheck.Version();
    if (version == mSeenVersion)
        return;
    mSeenVersion = version;
    const Phase before = mStatus.phase;
    mStatus = mCheck.GetStatus();
    if (mStatus.phase == Phase::Ready && before != Phase::Ready) {
        for (const std::string& problem : mStatus.problems)
            DebugLog::Write("Update list: " + problem);
        BuildRows();
    }
    if (mStatus.phase == Phase::Failed && before != Phase::Failed) {
        DebugLog::Write("Update check failed: " + mStatus.detail);
        for (const std::string& problem : mStatus.problems)
            DebugLog::Write("Update list: " + problem);
    }
    if (mStatus.phase == Phase::Fetching || mStatus.phase == Phase::NoSource)
        BuildRows();
    const bool busy = mStatus.phase == Phase::Fetching || mStatus.phase == Phase::Downloading;
    for (size_t i = 0; i < mRows.size(); ++i) {
        const Item& item = mStatus.plan.Items()[i];
        mRows[i]->Enabled = !busy && item.result != Item::Result::Installed;
        if (item.result == Item::Result::Installed)
            mRows[i]->Ticked = false;
    }
    if (GUI_ButtonBase* again = FindButton("UpdateCheckAgain"))
        again->Enabled = !busy;
    if (GUI_ButtonBase* download = FindButton("UpdateDownload"))
        download->Enabled = !busy && (mStatus.phase == Phase::Ready || mStatus.phase == Phase::Finished) &&
                            mStatus.plan.CountToFetch() > 0;
}

void UpdateCheckGUIScreen::BuildRows()
{
    for (GUI_CheckButton* row : mRows)
        for (auto it = mButtons.begin(); it != mButtons.end(); ++it)
            if (it->get() == row) {
                mButtons.erase(it);
                break;
            }
    mRows.clear();
    const std::vector<Item>& items = mStatus.plan.Items();
    const float left = static_cast<float>(mPanel.left + kPanelPadding);
    const float top = static_cast<float>(mPanel.top + kPanelPadding + 70);
    for (size_t i = 0; i < items.size() && static_cast<int>(i) < kVisibleRows; ++i) {
        const std::string path = Fitted("arial16.dds", 16.0f, items[i].entry.path, 300.0f);
        auto row = std::make_unique<GUI_CheckButton>("UpdateFile" + std::to_string(i + 1), path);
        const float y = top + static_cast<float>(i) * kRowHeight;
        row->SetRect(left, y, left + kStateColumn - 10.0f, y + kRowHeight);
        row->Ticked = items[i].accepted;
        mRows.push_back(Add(std::move(row)));
    }
}

void UpdateCheckGUIScreen::Update()
{
    TakeStatus();
    GUI_Screen::Update();
}

std::string UpdateCheckGUIScreen::Headline() const
{
    switch (mStatus.phase) {
    case Phase::NoSource: return translate("UPDATE_NO_SOURCE");
    case Phase::Fetching: return translate("UPDATE_CHECKING");
    case Phase::Failed: return translate("UPDATE_FAILED") + " " + mStatus.detail;
    case Phase::Cancelled: return translate("UPDATE_CANCELLED");
    case Phase::Downloading: return translate("UPDATE_DOWNLOADING");
    case Phase::Finished:
        return translate(mStatus.failed > 0 ? "UPDATE_FINISHED_FAILED" : "UPDATE_FINISHED");
    case Phase::Ready:
        return translate(mStatus.plan.CountToFetch() > 0 ? "UPDATE_AVAILABLE" : "UPDATE_ALL_CURRENT");
    default: return "";
    }
}

void UpdateCheckGUIScreen::Render()
{
    const int w = static_cast<int>(g_ScreenWidth);
    ScreenBackdrop::Draw();
    Text("tahoma30.dds", 30.0f, translate("UPDATE_TITLE"), 0.0f, 14.0f, kWhite, static_cast<float>(w),
         FontManager::kAlignCentre);
    PanelFrame::DrawFrame("dialog_rounded.dds", mPanel.left, mPanel.top, mPanel.right, mPanel.bottom, 32, 1.0f);

    const float left = static_cast<float>(mPanel.left + kPanelPadding);
    const float width = static_cast<float>(mPanel.Width() - 2 * kPanelPadding);
    float y = static_cast<float>(mPanel.top + kPanelPadding);
    GetFontManager().SelectFont("arialbold16.dds", 16.0f);
    y = GetFontManager().FindFont("arialbold16.dds") ? GetFontManager().DrawWrapped(Headline(), left, y, width, kWhite)
                                                     : y + 20.0f;
    if (!mAddress.empty())
        Text("verdana12.dds", 12.0f, Fitted("verdana12.dds", 12.0f, mAddress, width), left, y + 10.0f, kSoft);
    DrawRows(left, static_cast<float>(mPanel.top + kPanelPadding + 70), width);
    if (mStatus.phase == Phase::Downloading || mStatus.phase == Phase::Finished)
        DrawProgress(mPanel.left + kPanelPadding, mPanel.bottom - kPanelPadding - 18, mPanel.right - kPanelPadding);
    else
        Text("verdana12.dds", 12.0f, translate("UPDATE_OFFLINE_NOTE"), left,
             static_cast<float>(mPanel.bottom - kPanelPadding - 14), kSoft, width, FontManager::kAlignCentre);
    GetFontManager().Flush();
    DrawButtonsAndWindows();
}

void UpdateCheckGUIScreen::DrawRows(float left, float top, float width)
{
    const std::vector<Item>& items = mStatus.plan.Items();
    const float stateLeft = left + kStateColumn;
    const float stateWidth = width - kStateColumn;
    for (size_t i = 0; i < mRows.size() && i < items.size(); ++i) {
        const float y = top + static_cast<float>(i) * kRowHeight + 9.0f;
        const std::string state = Fitted("verdana12.dds", 12.0f, StateText(items[i]), stateWidth);
        Text("verdana12.dds", 12.0f, state, stateLeft, y, StateColour(items[i]));
    }
    const float below = top + static_cast<float>(mRows.size()) * kRowHeight + 8.0f;
    if (items.size() > mRows.size())
        Text("verdana12.dds", 12.0f, std::to_string(items.size() - mRows.size()) + " " + translate("UPDATE_MORE_FILES"),
             left + 48.0f, below, kSoft);
    if (!mStatus.problems.empty() && mStatus.phase != Phase::Failed)
        Text("verdana12.dds", 12.0f, std::to_string(mStatus.problems.size()) + " " + translate("UPDATE_IGNORED_LINES"),
             left + 48.0f, below + 18.0f, kBad);
}

void UpdateCheckGUIScreen::DrawProgress(int left, int top, int right)
{
    D3DEngine& engine = GetD3DEngine();
    const uint64_t total = mCheck.BytesTotal();
    const uint64_t done = mCheck.BytesDone();
    const float fraction = total > 0 ? static_cast<float>(done) / static_cast<float>(total) : 1.0f;
    const GRect bar{left, top, right, top + 18};
    engine.FillRect(bar, 0xC0000000u);
    const int filled = left + static_cast<int>(static_cast<float>(right - left) * std::min(fraction, 1.0f));
    engine.GradientRect(GRect{left + 2, top + 2, std::max(left + 2, filled - 2), top + 16}, 0xFF6F8FAFu, 0xFF9FC4E8u);
    engine.DrawRect(bar, 0xFF6F8FAFu);
    Text("verdana12.dds", 12.0f, std::to_string(static_cast<int>(fraction * 100.0f + 0.5f)) + "%",
         static_cast<float>(left), static_cast<float>(top + 2), kWhite, static_cast<float>(right - left),
         FontManager::kAlignCentre);
}

void UpdateCheckGUIScreen::OnKey(int scanCode)
{
    if (scanCode == ScanCode::Escape)
        Leave();
}
