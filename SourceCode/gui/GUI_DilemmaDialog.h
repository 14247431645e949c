#pragma once
#include "gui/GUI_GameWindow.h"

class SIM_Dilemma;

// A decision put to the player: the question and each answer with what it
// means. Answering runs the answer's consequences in the model. It blocks
// nothing: a dilemma left unanswered when the turn ends simply lapses.
class GUI_DilemmaDialog : public GUI_GameWindow {
public:
    static constexpr const char* kName = "DilemmaDialog";
    // Only for a dilemma still awaiting its answer.
    static void Open(SIM_Dilemma& dilemma);
    // The first dilemma of the issues list that awaits an answer, if any.
    static void OpenPending();
    static void Close() { CloseNamed(kName); }

    explicit GUI_DilemmaDialog(SIM_Dilemma& dilemma);
    void DrawContents() override;

    // The player's answer (the option buttons' action).
    bool Answer(size_t option);

private:
    SIM_Dilemma& mDilemma;
};
