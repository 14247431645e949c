#include "gui/GUI_ProcessingScreen.h"

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "engine/Game.h"
#include "engine/ScreenFader.h"
#include "gamedata/Localisation.h"
#include "gui/GUI_MessageDialog.h"
#include "gui/PanelFrame.h"
#include "gui/QuoteManager.h"
#include "gui/WindowManager.h"
#include "sim/TurnProcessor.h"

namespace {
constexpr int kBarHalfWidth = 250;
constexpr int kChunk = 8;
constexpr const char* kAutosaveDialog = "AutosaveFailedDialog";

void SelectFont(const char* font, float size)
{
    GetFontManager().SelectFont(font, size);
}

bool HasFont(const char* font) { return GetFontManager().FindFont(font) != nullptr; }

// A turn's failed autosave is told on the way back to the game. Each turn
// (and each new or loaded game) sets the message afresh, and the way back
// follows each only once, so the player sees it once.
void ShowAutosaveFailure()
{
    const std::string& message = TurnProcessor::Get().AutosaveMessage();
    if (message.empty() || GetWindowManager().FindWindow(kAutosaveDialog))
        return;
    new GUI_MessageDialog(kAutosaveDialog, translate("AUTOSAVE_FAILED_TITLE"),
                          translate("AUTOSAVE_FAILED_TEXT") + " " + message);
}
}  // namespace

GUI_ProcessingScreen& GetProcessingScreen()
{
    static GUI_ProcessingScreen screen;
    return screen;
}

GUI_ProcessingScreen::GUI_ProcessingScreen() { GetQuoteManager(); }

void GUI_ProcessingScreen::Begin(const std::string& picture)
{
    mFinished = false;
    mProgress = 0.0f;
    mProgressText.clear();
    mPicture.SetName(picture);
}

void GUI_ProcessingScreen::SetProgress(const std::string& text, float value)
{
    mProgressText = text;
    mProgress = value;
}

int GUI_ProcessingScreen::ChunkCount(float progress)
{
    return static_cast<int>(static_cast<float>(2 * kBarHalfWidth / kChunk) * progress);
}

bool GUI_ProcessingScreen::OnClick(float, float)
{
    if (!mFinished)
        return false;
    GetScreenFader().FadeOutThen([](int) {
        GetGame().EnterMainScreen();
        ShowAutosaveFailure();
    }, 0);
    return true;
}

void GUI_ProcessingScreen::Render()
{
    D3DEngine& engine = GetD3DEngine();
    const int w = static_cast<int>(g_ScreenWidth);
    const int h = static_cast<int>(g_ScreenHeight);
    engine.DrawBackground(mPicture, 1.0f, 0.75f);
    DrawQuotation(w, h);
    engine.FillRect(GRect{0, 0, w, 64}, 0xFF000000u);
    engine.FillRect(GRect{0, h - 64, w, h}, 0xFF000000u);
    FontManager& fonts = GetFontManager();
    if (!mFinished) {
        DrawProgressBar(w, h);
        if (HasFont("arial16.dds")) {
            SelectFont("arial16.dds", 16.0f);
            fonts.DrawText(mProgressText, w / 2.0f - fonts.TextWidth(mProgressText) / 2.0f, h - 53.0f, 0xFFFFFFFFu);
        }
    } else if (HasFont("arialbold20.dds")) {
        SelectFont("arialbold20.dds", 20.0f);
        const std::string text = translate("CLICK_TO_CONTINUE");
        fonts.DrawText(text, w / 2.0f - fonts.TextWidth(text) / 2.0f, h - 59.0f, 0xFFFFFFFFu);
    }
    fonts.Flush();
}

void GUI_ProcessingScreen::DrawQuotation(int w, int h)
{
    GetD3DEngine().FillRect(GRect{0, h - 174, w, h - 64}, 0xC8000000u);
    const QuoteManager& quotes = GetQuoteManager();
    // Without any quotation the band stays empty.
    if (quotes.Count() == 0 || !HasFont("tahoma30.dds") || !HasFont("arial16.dds"))
        return;
    FontManager& fonts = GetFontManager();
    const float x = w / 2.0f - 450.0f;
    const float y = h - 174.0f;
    SelectFont("tahoma30.dds", 30.0f);
    const std::string quotation = quotes.Quotation();
    fonts.DrawWrapped(quotation, x, y, QuoteManager::kWrapWidth, 0xFF000000u);
    const float end = fonts.DrawWrapped(quotation, x - 1.0f, y - 1.0f, QuoteManager::kWrapWidth, 0xFFFFFFFFu);
    SelectFont("arial16.dds", 16.0f);
    fonts.DrawText(quotes.Author(), x, end + 1.0f + 3.0f, 0xFFFFFFFFu);
}

void GUI_ProcessingScreen::DrawProgressBar(int w, int h)
{
    const GRect frame{w / 2 - kBarHalfWidth, h - 28, w / 2 + kBarHalfWidth, h - 10};
    const int centreY = frame.top + 9;
    D3DEngine& engine = GetD3DEngine();
    engine.SetTexture("progress_bar.bmp");
    auto piece = [&](int centreX, int width, float u0, float u1) {
        PanelFrame::DrawQuad(GRect{centreX - width / 2, centreY - 11, centreX + width - width / 2, centreY + 11},
                             0xFFFFFFFFu, u0, 0.0f, u1, 1.0f);
    };
    piece(frame.left + 2, 8, 0.0f, 0.25f);
    piece((frame.left + frame.right) / 2, frame.Width() - 12, 0.25f, 0.5f);
    piece(frame.right - 2, 8, 0.75f, 1.0f);
    engine.SetTexture("progbar_chunk.bmp");
    const int chunks = ChunkCount(mProgress);
    for (int i = 0; i < chunks; ++i) {
        const int centreX = frame.left + 4 + kChunk * i;
        PanelFrame::DrawQuad(GRect{centreX - 4, centreY - 9, centreX + 4, centreY + 9}, 0xFFFFFFFFu);
    }
}
