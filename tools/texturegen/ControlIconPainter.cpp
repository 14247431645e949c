#include "ControlIconPainter.h"

#include <string>

#include "Palette.h"

using namespace Palette;

namespace {

struct ControlIcon {
    const char* normal;
    const char* hovered;
    uint32_t glyph;  // icon font code point
};

// Symbols: forward step, question, scroll of pledges, bar chart, sliders, money,
// cog, trophy, flag, briefcase, newspaper, hidden agent.
const ControlIcon kControlIcons[] = {
    {"gui_icon_nextturn.dds", "gui_icon_nextturn_2.dds", 0xF051},
    {"gui_icon_dilemma.dds", "gui_icon_dilemma_2.dds", 0xF128},
    {"gui_icon_manifesto.dds", "gui_icon_manifesto_h.dds", 0xF0CA},
    {"gui_icon_polls.dds", "gui_icon_polls_2.dds", 0xF080},
    {"gui_icon_policy.dds", "gui_icon_policy_2.dds", 0xF1DE},
    {"gui_icon_cash.dds", "gui_icon_cash_2.dds", 0xF0D6},
    {"gui_icon_options.dds", "gui_icon_options_2.dds", 0xF013},
    {"gui_icon_award.dds", "gui_icon_award_2.dds", 0xF091},
    {"gui_icon_party.dds", "gui_icon_party_2.dds", 0xF024},
    {"gui_icon_cabinet.dds", "gui_icon_cabinet2.dds", 0xF0B1},
    {"gui_icon_report.dds", "gui_icon_report_2.dds", 0xF1EA},
    {"gui_icon_intel.dds", "gui_icon_intel_2.dds", 0xF21B},
};

}  // namespace

void ControlIconPainter::PaintAll()
{
    for (const auto& icon : kControlIcons) {
        Canvas normal(64, 64), hovered(64, 64);
        if (!icons_.Paint(normal, icon.glyph, kNavyLight, kPaper) ||
            !icons_.Paint(hovered, icon.glyph, kAmber, kNight)) {
            writer_.Fail(std::string("icon font has no symbol for ") + icon.normal);
            continue;
        }
        writer_.Save(normal, std::string("controlpanel/") + icon.normal);
        writer_.Save(hovered, std::string("controlpanel/") + icon.hovered);
    }

    Canvas dilemma(64, 64), event(64, 64);
    if (icons_.Paint(dilemma, 0xF128, kAmber, kNight))
        writer_.Save(dilemma, "issues/gui_dilemma_icon.dds");
    else
        writer_.Fail("icon font has no symbol for gui_dilemma_icon.dds");
    if (icons_.Paint(event, 0xF0E7, Colour::Hex(0x3F6FA8), kPaper))
        writer_.Save(event, "issues/gui_event_icon.dds");
    else
        writer_.Fail("icon font has no symbol for gui_event_icon.dds");
}
