#include "gui/GUI_EventDialog.h"

#include "gamedata/SIM_Event.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gui/WindowStyle.h"

namespace {
constexpr float kWidth = 600.0f;
constexpr float kPictureWidth = 240.0f;
constexpr float kPictureHeight = 180.0f;
constexpr float kTextWidth = kWidth - kPictureWidth - 70.0f;

float WindowHeight(const SIM_Event& event)
{
    const float text = WindowStyle::MeasureWrapped(event.Description(), kTextWidth);
    return 120.0f + (text > kPictureHeight ? text : kPictureHeight);
}
}  // namespace

void GUI_EventDialog::Open(SIM_Event& event)
{
    Reopen<GUI_EventDialog>(event);
}

void GUI_EventDialog::OpenLatest()
{
    SIM_IssuesManager& issues = SIM_IssuesManager::Get();
    for (size_t i = issues.Count(); i-- > 0;)
        if (auto* event = dynamic_cast<SIM_Event*>(issues.At(i).source)) {
            Open(*event);
            return;
        }
}

GUI_EventDialog::GUI_EventDialog(SIM_Event& event)
    : GUI_GameWindow(kName, "", kWidth, WindowHeight(event)), mEvent(event)
{
    Title = event.GetDisplayName().empty() ? event.GetName() : event.GetDisplayName();
    if (!event.Texture().empty()) {
        mPicture = std::make_unique<CTexturedSprite>(event.Texture());
        mPicture->SetSize(kPictureWidth, kPictureHeight);
        mPicture->SetPosition(Left() + kPictureWidth / 2.0f, Top() + kPictureHeight / 2.0f);
    }
    AddTextButton("EventOk", "EVENT_OK", kWidth / 2.0f - 70.0f, WindowHeight(event) - 50.0f, 140.0f,
                  [this](int) { CloseSelf(); });
}

void GUI_EventDialog::Update()
{
    if (Visible && !mViewed) {
        mViewed = true;
        mEvent.View();
    }
    GUI_GameWindow::Update();
}

void GUI_EventDialog::DrawContents()
{
    using namespace WindowStyle;
    float textLeft = Left();
    if (mPicture) {
        Inset(GRect{static_cast<int>(Left()) - 3, static_cast<int>(Top()) - 3,
                    static_cast<int>(Left() + kPictureWidth) + 3, static_cast<int>(Top() + kPictureHeight) + 3});
        mPicture->Draw();
        textLeft += kPictureWidth + 20.0f;
    }
    Wrapped(mEvent.Description(), textLeft, Top(), kTextWidth);
}
