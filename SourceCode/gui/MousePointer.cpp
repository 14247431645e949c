#include "gui/MousePointer.h"

#include "engine/CInput.h"
#include "engine/D3DEngine.h"
#include "engine/Game.h"

MousePointer& GetMousePointer()
{
    static MousePointer pointer;
    return pointer;
}

bool MousePointer::Shows() const
{
    const D3DEngine& engine = GetD3DEngine();
    return !Hidden && engine.IsInitialised() && !engine.IsWindowed();
}

void MousePointer::Draw()
{
    if (!Shows())
        return;
    const float size = kSize * GetGame().UIScale;
    const CInput& input = GetInput();
    mSprite.SetSize(size, size);
    // The picture's top-left corner is the hot spot.
    mSprite.SetPosition(input.MouseX + size / 2.0f, input.MouseY + size / 2.0f);
    mSprite.Draw();
}
