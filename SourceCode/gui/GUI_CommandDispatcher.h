#pragma once
#include <string>

// The one way into the game's global commands (next turn, the policy picker,
// the other windows, back to the menu), whether they come from a control-panel
// button, a function key or the right-click menu. It keeps the rules in one
// place: no turn while a modal window or a pending dilemma stands, nothing the
// play guide does not allow, and a short message for windows not yet built.
class GUI_CommandDispatcher {
public:
    enum Result { DONE, REFUSED_MODAL, REFUSED_DILEMMA, REFUSED_BY_GUIDE, NO_WINDOW, UNKNOWN };

    // Built-in commands; every other name is looked up in the window table.
    static constexpr const char* kNextTurn = "NextTurn";
    static constexpr const char* kPolicyPicker = "PolicyPicker";
    static constexpr const char* kOptions = "Options";

    // Runs a command; the refusals show a message and change nothing.
    Result Run(const std::string& command);
    // Why a command would be refused now (DONE when it would run).
    Result Check(const std::string& command) const;

    // The control-panel button that stands for a command (the guide filters by button name).
    static std::string ButtonFor(const std::string& command);
    Result LastResult() const { return mLast; }

private:
    void ShowRefusal(Result result, const std::string& command);

    Result mLast = DONE;
};

GUI_CommandDispatcher& GetCommandDispatcher();
