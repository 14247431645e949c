#pragma once
#include <string>

class ElectionCount;
class Neuron;
class SIM_Dilemma;
class SIM_AttackEvent;
class SIM_Event;
class SIM_Minister;
class SIM_Policy;
class SIM_PolicyGroup;
class SIM_Situation;
struct ElectionResult;

// Everything the model asks of the screens, in one place: the processing
// screen and its progress, frames drawn during long work, icons and notices
// on the main screen, and the windows a turn opens, closes or asks about.
// The model never draws and never decides anything here; it only tells.
//
// The headless default does nothing, so the runner and the tests play the
// same game as the window. The game installs its own once at start-up;
// tests may install one that records.
class Presentation {
public:
    virtual ~Presentation() = default;

    // The installed presentation, or the headless one; never null.
    static Presentation& Current();
    // Installs a presentation (not owned); null puts the headless one back.
    static void Install(Presentation* presentation);

    // --- the processing screen and long work
    // Switches to it: not finished, showing the given picture.
    virtual void ShowProcessingScreen(const std::string& /*picture*/) {}
    virtual void NextQuotation() {}
    // The text and value (0..1) of the latest progress step.
    virtual void SetProgress(const std::string& /*text*/, float /*value*/) {}
    // A line of detail within a long step, such as voters created so far.
    virtual void ShowProgressText(const std::string& /*text*/) {}
    // Draws one frame and answers pending window events, so that the window
    // never looks hung while a turn or a setup runs inside one handler.
    virtual void PumpFrame() {}
    // Makes the processing screen current and draws a frame before the calculations.
    virtual void ShowProcessing() {}
    virtual void SetFinished(bool /*finished*/) {}

    // --- the main screen
    // A value, situation or policy gains or loses its icon in a group's area.
    // Removing an icon that is not there is harmless; anything deleted while
    // it shows an icon removes it first, so no icon outlives its neuron.
    virtual void AddIcon(SIM_PolicyGroup* /*group*/, Neuron* /*neuron*/) {}
    virtual void RemoveIcon(SIM_PolicyGroup* /*group*/, Neuron* /*neuron*/) {}
    virtual void RefreshIcons() {}
    // Deletes the main screen's icons and resets its top strip (game setup).
    virtual void ClearMainScreen() {}
    virtual void ShowPollDisplay() {}
    // A situation started or ended: an entry in the issues list.
    enum SituationNotice { SITUATION_STARTED = 1, SITUATION_ENDED = 2 };
    virtual void NoticeSituation(SIM_Situation* /*situation*/, SituationNotice /*notice*/) {}

    // --- windows
    // A modal window is open: no turn may be processed.
    virtual bool ModalWindowOpen() { return false; }
    virtual bool GameOverWindowOpen() { return false; }
    virtual void CloseEventDialog() {}
    virtual void CloseAllDialogs() {}
    virtual void SetMusicMood(int /*mood*/) {}
    virtual void CloseReportWindow() {}
    virtual void OpenReportWindow() {}
    virtual void OpenManifestoChooser() {}
    virtual void OpenStartDialog() {}
    // The election of this turn has been counted and concluded by the model;
    // the results window replays that count and shows that result.
    virtual void ShowElectionResults(const ElectionCount& /*count*/, const ElectionResult& /*result*/) {}

    // --- what the scripts ask of the windows
    enum Window {
        WINDOW_REPORTS,
        WINDOW_CABINET,
        WINDOW_POLLS,
        WINDOW_POLICY_PICKER,
        WINDOW_INTEL_REPORT,
        WINDOW_POLICY_DETAILS,
        WINDOW_SIMULATION_DETAILS,
        WINDOW_VOTER_DETAILS,
        WINDOW_PARTY,
        WINDOW_FINANCE,
        WINDOW_DILEMMA,
    };
    virtual void CloseWindow(Window /*window*/) {}
    virtual void ShowDetails(SIM_Policy* /*policy*/) {}
    // The details window of any neuron that has one (a policy, a value, a
    // situation, a voter group); the issues list opens it for its entries.
    virtual void ShowNeuronDetails(Neuron* /*neuron*/) {}
    // The game is over (the model has already recorded it): the window that says so.
    virtual void ShowGameOver(const std::string& /*title*/, const std::string& /*text*/) {}
    // "data/sounds/<file>".
    virtual void PlaySound(const std::string& /*path*/) {}
    virtual void TutorialWindow(const std::string& /*text*/, float /*x*/, float /*y*/) {}
    virtual void PlayGuideWindow(const std::string& /*text*/, float /*x*/, float /*y*/, bool /*flag*/) {}

    // --- the play guide: what the player may click, and what the main screen hides
    enum PlayGuideFlag {
        HIDEPOLICYICONS,
        HIDESITUATIONICONS,
        HIDESIMICONS,
        HIDEVOTERICONS,
        HIDEPOPBAR,
        DISABLEICONCONNECTORS,
    };
    virtual void SetPlayGuideFlag(PlayGuideFlag /*flag*/, bool /*on*/) {}
    virtual void ClearPermittedIcons() {}
    virtual void AddPermittedIcon(Neuron* /*neuron*/) {}
    // Only the named button takes clicks; "" lets every button through again.
    virtual void SetAllowedButton(const std::string& /*name*/) {}
    virtual void AllowClicks() {}

    // --- happenings the player hears of (the issues list holds them as well)
    virtual void NoticeDilemma(SIM_Dilemma& /*dilemma*/) {}
    virtual void NoticeEvent(SIM_Event& /*event*/) {}
    enum MinisterChange { MINISTER_APPOINTED, MINISTER_RESIGNED, MINISTER_FIRED };
    // An attack was tried; a success with a text shows the attack dialog.
    virtual void NoticeAttack(const SIM_AttackEvent& /*attack*/, bool /*succeeded*/) {}
    // A pledge in force was judged at the election.
    virtual void NoticePledge(const std::string& /*name*/, bool /*kept*/) {}
    // An achievement was awarded: its announcement window.
    virtual void ShowAchievement(const std::string& /*id*/, const std::string& /*title*/) {}
    virtual void NoticeMinister(const SIM_Minister& /*minister*/, const SIM_PolicyGroup& /*ministry*/,
                                MinisterChange /*change*/) {}
};
