#pragma once
#include <string>

class GUIButtonList;

// The open windows as plain text, one element a line, children indented:
// names, rectangles and states, for scripts and people to compare. The
// screen's own buttons come first, then the manager's windows back to front,
// then the full-screen list and the modal stack by name.
class WindowTreeDump {
public:
    static std::string Text(int state, const GUIButtonList* screen);
};
