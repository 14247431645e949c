#include "gui/GUI_TopStrip.h"

#include <algorithm>
#include <cstdio>

#include "engine/D3DEngine.h"
#include "engine/FontManager.h"
#include "gamedata/CFinances.h"
#include "gamedata/Localisation.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_Meter.h"
#include "politics/ElectionManager.h"
#include "sim/Calendar.h"
#include "sim/OpinionPoll.h"
#include "sim/PoliticalCapital.h"

namespace {
void Text(const char* font, float size, const std::string& text, float x, float y, uint32_t colour)
{
    FontManager& fonts = GetFontManager();
    if (!fonts.FindFont(font))
        return;
    fonts.SelectFont(font, size);
    fonts.DrawText(text, x, y, colour);
}
}  // namespace

GUI_TopStrip::GUI_TopStrip() : GUI_WindowBase("TopStrip")
{
    BlocksHover = false;
    mPanel = new GUI_ControlPanel();
    AddChild(mPanel);
}

std::string GUI_TopStrip::DateText(int month, int year)
{
    return Calendar::MonthCaption(month) + ", " + translate("GUI_YEAR") + " " + std::to_string(year + 1);
}

void GUI_TopStrip::Layout(float w)
{
    SetRect(0.0f, 0.0f, w, static_cast<float>(kHeight));
    mPanel->Layout(w);
}

void GUI_TopStrip::Draw()
{
    if (!Visible)
        return;
    D3DEngine& engine = GetD3DEngine();
    engine.GradientRect(GRect{0, 0, mWidth, kHeight}, 0xE0101820u, 0xE0182838u);
    engine.FillRect(GRect{0, kHeight - 1, mWidth, kHeight}, 0xFF6080A0u);
    const Calendar& calendar = Calendar::Get();
    Text("arialbold16.dds", 16.0f, DateText(calendar.Month(), calendar.Year()), 12.0f, 6.0f, 0xFFFFFFFFu);
    DrawFinance(12.0f);
    // The time line and the capital share the room between the date and the panel.
    const int first = 200;
    const int room = std::max(200, mPanel->Rect().left - 16 - first);
    const int timeWidth = std::min(300, room / 2 - 10);
    DrawTimeLine(first, first + timeWidth);
    DrawCapitalAndPoll(static_cast<float>(first + timeWidth + 20), static_cast<float>(std::min(220, room - timeWidth - 20)));
    mPanel->Draw();
    GetFontManager().Flush();
}

void GUI_TopStrip::DrawTimeLine(int left, int right)
{
    const float progress = std::clamp(ElectionManager::Get().TermProgress(), 0.0f, 1.0f);
    Text("tahoma12.dds", 12.0f, translate("GUI_TIMELINE"), static_cast<float>(left), 6.0f, 0xFFB0C8E0u);
    // Chunks of 8 pixels, as many as the term has run.
    D3DEngine& engine = GetD3DEngine();
    const GRect bar{left, 26, right, 36};
    engine.FillRect(bar, 0x80000000u);
    const int chunks = static_cast<int>((right - left) / 8 * progress);
    for (int i = 0; i < chunks; ++i)
        engine.GradientRect(GRect{left + 8 * i + 1, 27, left + 8 * i + 7, 35}, 0xFF7FC4FFu, 0xFF3A8FD0u);
    engine.DrawRect(bar, 0xFF9B9B9Bu);
}

void GUI_TopStrip::DrawFinance(float x)
{
    const CFinances& finances = CFinances::Get();
    char text[96];
    std::snprintf(text, sizeof text, "%s %.0f   %s %.0f", translate("GUI_BALANCE").c_str(),
                  static_cast<double>(finances.CurrentBalance()), translate("GUI_DEBT").c_str(),
                  static_cast<double>(finances.NationalDebt()));
    Text("tahoma12.dds", 12.0f, text, x, 26.0f, finances.CurrentBalance() < 0 ? 0xFFFF8080u : 0xFFA0FFA0u);
}

void GUI_TopStrip::DrawCapitalAndPoll(float x, float width)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s %d", translate("GUI_CAPITAL").c_str(), GetPoliticalCapital().Available());
    Text("tahoma12.dds", 12.0f, text, x, 6.0f, 0xFFFFE08Au);
    const float approval = std::clamp(OpinionPoll::Get().Approval(), 0.0f, 1.0f);
    std::snprintf(text, sizeof text, "%s %d%%", translate("MAIN_APPROVAL").c_str(),
                  static_cast<int>(approval * 100.0f + 0.5f));
    Text("tahoma12.dds", 12.0f, text, x + width / 2 + 10.0f, 6.0f, 0xFFFFFFFFu);
    GUI_Meter::DrawMeter(10.0f, x, 26.0f, approval, width, 1.0f, false, false);
}
