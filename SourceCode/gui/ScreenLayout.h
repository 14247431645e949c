#pragma once
#include <string>

#include "engine/GRect.h"
#include "gui/GUI_ButtonBase.h"

class GUIButtonList;
class GUI_ButtonText;
class SmartTexture;

// The frame the full screens share: a picture under two black bands, one
// panel, the title in the top band and the buttons that leave the screen in
// the bottom band. One place, so the screens line up with each other.
class ScreenLayout {
public:
    static constexpr int kBandHeight = 64;
    static constexpr int kPanelCorner = 32;

    // A panel of the given size in the middle of the screen.
    static GRect CentredPanel(int width, int height);
    // The bottom band's button slots: the way back on the left, the way on at the right.
    static GRect BackButtonRect();
    static GRect ForwardButtonRect();

    static void DrawBackground(SmartTexture& picture);
    static void DrawPanel(const GRect& panel);
    static void DrawTitle(const std::string& text);

    // A text button with its tooltip (none when the key is empty) added to the list.
    static GUI_ButtonText* AddButton(GUIButtonList& list, const std::string& name, const std::string& captionKey,
                                     const std::string& tooltipKey, const GRect& rect,
                                     GUI_ButtonBase::Callback action, bool fadeFirst);
};
