#pragma once
#include <string>

// The windows built elsewhere that the main screen opens by command name.
// To register one, give its entry in GUI_CommandTable.cpp the window's static
// Open function; an entry without one shows a short "not available" message.
class GUI_CommandTable {
public:
    using OpenFunction = void (*)();
    struct Entry {
        const char* command;  // also the control-panel button's name without "Button"
        OpenFunction open;
    };
    // The entry for a command, or null when the name is unknown.
    static const Entry* Find(const std::string& command);
    static const Entry* Begin();
    static const Entry* End();
};
