#pragma once
#include <cstdint>
#include <string>

class BaseGUIScreen;

// The places where the shell hands over to parts of the game that are built
// on top of it (fonts, the window manager, the screens, game setup). Each
// does what exists today; the part that grows later fills in its own hook.
namespace ShellHooks {

// The screen for a state, created on first use.
BaseGUIScreen* CreateScreen(int state);

// Start-up and the display-mode toggle: the fixed set of fonts.
void LoadFonts();
// After the display was re-created: every texture held by name looks itself up again.
void ResolveSmartTextures();

// Each frame: the windows' per-frame work, then (after the screen) the
// deferred top layer with the queued text, the reset of the text queue, and
// the mouse pointer.
void UpdateWindowManager();
void DrawTopLayer();
void ResetTextQueue();
void DrawMousePointer();

// Plain text for the shell's own placeholder screens: a line in one of the
// game's fonts ("arial16.dds") at its own size, left edge x, top y.
void DrawText(const std::string& font, const std::string& text, float x, float y, uint32_t colour);
float TextWidth(const std::string& font, const std::string& text);

// Scripts click buttons by name: the centre of the enabled, visible button
// that would take a click now; false when there is none.
bool FindButton(const std::string& name, int& x, int& y);
bool IsWindowOpen(const std::string& name);
// The window tree as text (see WindowTreeDump).
std::string DumpWindows(int state);

// A turn of the mouse wheel, steps > 0 away from the player.
void OnWheel(int steps);

// Shutdown: delete the icons and windows, then what outlives a game in the
// model (pressure groups, voters, parties, the network); then the policy
// details window if open.
void DeleteGameLists();
void ClosePolicyDetails();

}  // namespace ShellHooks
