#include "gui/GUI_DilemmaDialog.h"

#include "gamedata/SIM_Dilemma.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gui/WindowStyle.h"

namespace {
constexpr float kWidth = 640.0f;
// The content's width: the same margin on either side.
constexpr float kTextWidth = kWidth - 40.0f;
constexpr float kOptionGap = 22.0f;
constexpr float kButtonHeight = 30.0f;

float OptionHeight(const DilemmaOption& option)
{
    return kButtonHeight + WindowStyle::MeasureWrapped(option.description, kTextWidth - 20.0f) + kOptionGap;
}

float QuestionHeight(const SIM_Dilemma& dilemma)
{
    return WindowStyle::MeasureWrapped(dilemma.Description(), kTextWidth) + 24.0f;
}

float WindowHeight(const SIM_Dilemma& dilemma)
{
    // The content's top, and below the last option a margin instead of a gap.
    float height = 45.0f + QuestionHeight(dilemma) - kOptionGap + 24.0f;
    for (const DilemmaOption& option : dilemma.Options())
        height += OptionHeight(option);
    return height;
}
}  // namespace

void GUI_DilemmaDialog::Open(SIM_Dilemma& dilemma)
{
    if (dilemma.IsPending())
        Reopen<GUI_DilemmaDialog>(dilemma);
    else
        Close();
}

void GUI_DilemmaDialog::OpenPending()
{
    SIM_IssuesManager& issues = SIM_IssuesManager::Get();
    for (size_t i = 0; i < issues.Count(); ++i)
        if (auto* dilemma = dynamic_cast<SIM_Dilemma*>(issues.At(i).source); dilemma && dilemma->IsPending()) {
            Open(*dilemma);
            return;
        }
}

GUI_DilemmaDialog::GUI_DilemmaDialog(SIM_Dilemma& dilemma)
    : GUI_GameWindow(kName, "", kWidth, WindowHeight(dilemma)), mDilemma(dilemma)
{
    Title = dilemma.GetDisplayName().empty() ? dilemma.GetName() : dilemma.GetDisplayName();
    float y = Top() - mRect.top + QuestionHeight(dilemma);
    for (size_t i = 0; i < dilemma.Options().size(); ++i) {
        const DilemmaOption& option = dilemma.Options()[i];
        AddTextButton("DilemmaOption" + std::to_string(i), option.name, Left() - mRect.left, y, kTextWidth,
                      [this](int index) { Answer(static_cast<size_t>(index)); }, static_cast<int>(i));
        y += OptionHeight(option);
    }
}

bool GUI_DilemmaDialog::Answer(size_t option)
{
    // Choosing closes this dialog through the presentation; close it here as well
    // for a model that did not ask.
    const bool chosen = mDilemma.Choose(option);
    CloseSelf();
    return chosen;
}

void GUI_DilemmaDialog::DrawContents()
{
    using namespace WindowStyle;
    Wrapped(mDilemma.Description(), Left(), Top(), kTextWidth);
    float y = Top() + QuestionHeight(mDilemma);
    for (const DilemmaOption& option : mDilemma.Options()) {
        Wrapped(option.description, Left() + 10.0f, y + kButtonHeight + 2.0f, kTextWidth - 20.0f, kDim);
        y += OptionHeight(option);
    }
}
