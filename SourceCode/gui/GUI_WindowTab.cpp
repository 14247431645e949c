#include "gui/GUI_WindowTab.h"

#include "engine/D3DEngine.h"

void GUI_WindowTab::Draw()
{
    if (!Visible)
        return;
    D3DEngine& engine = GetD3DEngine();
    engine.FillRect(mRect, 0xFF181818u);
    engine.DrawRect(mRect, 0xFF808080u);
    DrawButtons();
}
