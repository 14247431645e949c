#pragma once
#include "engine/CTexturedSprite.h"

// The game's own mouse pointer, drawn last in every frame but the fade. In a
// window the desktop's pointer serves; full screen draws this one.
class MousePointer {
public:
    static constexpr float kSize = 38.0f;

    void Draw();
    // Full screen and not hidden.
    bool Shows() const;

    bool Hidden = false;

private:
    CTexturedSprite mSprite{"cursor.dds"};
};

MousePointer& GetMousePointer();
