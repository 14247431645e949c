#include "gui/WindowTreeDump.h"

#include <sstream>

#include "gui/GUIButtonList.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_WindowBase.h"
#include "gui/WindowManager.h"

namespace {

std::string RectText(const GRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

void DumpButton(std::ostringstream& out, const GUI_ButtonBase& button, int depth)
{
    out << std::string(static_cast<size_t>(depth) * 2, ' ') << "button " << Quoted(button.Name) << " "
        << RectText(button.Rect());
    if (!button.Visible)
        out << " hidden";
    if (!button.Enabled)
        out << " disabled";
    if (button.Hovered)
        out << " hovered";
    out << "\n";
}

void DumpWindow(std::ostringstream& out, const GUI_WindowBase& window, int depth)
{
    const WindowManager& manager = GetWindowManager();
    out << std::string(static_cast<size_t>(depth) * 2, ' ') << "window " << Quoted(window.Name) << " "
        << RectText(window.Rect());
    if (!window.Visible)
        out << " hidden";
    if (window.Modal)
        out << " modal";
    if (window.IsDialog())
        out << " dialog";
    for (const GUI_WindowBase* full : manager.FullScreenList())
        if (full == &window)
            out << " full-screen";
    out << "\n";
    for (const GUI_ButtonBase* button : window.AllButtons())
        DumpButton(out, *button, depth + 1);
    for (const GUI_WindowBase* child : window.Children())
        DumpWindow(out, *child, depth + 1);
}

void DumpNames(std::ostringstream& out, const char* title, const std::vector<GUI_WindowBase*>& list)
{
    out << title;
    for (const GUI_WindowBase* window : list)
        out << " " << Quoted(window->Name);
    out << "\n";
}

}  // namespace

std::string WindowTreeDump::Text(int state, const GUIButtonList* screen)
{
    std::ostringstream out;
    const WindowManager& manager = GetWindowManager();
    out << "state " << state << "\n";
    if (screen) {
        out << "screen\n";
        for (const auto& button : screen->Buttons())
            DumpButton(out, *button, 1);
    }
    for (const GUI_WindowBase* window : manager.Windows())
        DumpWindow(out, *window, 0);
    // Full-screen windows need not be in the list of windows.
    for (const GUI_WindowBase* window : manager.FullScreenList())
        if (!window->Registered)
            DumpWindow(out, *window, 0);
    DumpNames(out, "full-screen", manager.FullScreenList());
    DumpNames(out, "modal", manager.ModalStack());
    return out.str();
}
