#pragma once
#include <string>

// Message boxes for the player. They only appear on a real desktop (the x11 or
// wayland video driver); under the offscreen and dummy drivers of tests and
// headless runs, and before the video system is up, nothing is shown.
namespace SdlMessageBox {

enum class Icon { Error, Warning, Information };

// True when a box would be seen by someone.
bool CanShow();

// Automated runs switch boxes off altogether: under a bare X server (a virtual
// display with no window manager) a box would wait for a click forever.
void SetEnabled(bool enabled);

// Shows a modal box over the game window; false when none was shown.
bool Show(const std::string& caption, const std::string& text, Icon icon);

}  // namespace SdlMessageBox
