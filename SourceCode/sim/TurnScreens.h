#pragma once
#include <string>

// What turn processing and game setup need from the screens: the processing
// screen with its progress text, the dialogs and windows a turn opens or
// closes, and the election results. The model never draws; by default every
// call does nothing (the headless game), except the election results, which
// are counted at once. The game installs its own; tests install recording ones.
class TurnScreens {
public:
    virtual ~TurnScreens() = default;

    static TurnScreens& Current();
    // Installs screens (not owned); null puts the default back. Returns the previous ones.
    static TurnScreens* Install(TurnScreens* screens);

    // A modal window is open: no turn may be processed.
    virtual bool ModalWindowOpen() { return false; }

    // --- the processing screen
    // Switches to it: finished false, the given picture.
    virtual void ShowProcessingScreen(const std::string& /*picture*/) {}
    virtual void NextQuotation() {}
    // The progress text and value (0..1) of the latest step.
    virtual void SetProgress(const std::string& /*text*/, float /*value*/) {}
    // Draws one frame at once so that the screen stays alive during long work.
    virtual void DrawFrame();
    // Makes the processing screen current and draws a frame (before the calculations start).
    virtual void ShowProcessing() {}
    virtual void SetFinished(bool /*finished*/) {}

    // --- dialogs and windows of a turn
    virtual void CloseEventDialog() {}
    virtual void CloseAllDialogs() {}
    virtual void RefreshIcons() {}
    virtual bool GameOverWindowOpen() { return false; }
    virtual bool ElectionResultsWindowOpen() { return false; }
    virtual void SetMusicMood(int /*mood*/) {}
    virtual void CloseReportWindow() {}
    virtual void OpenReportWindow() {}
    virtual void OpenManifestoChooser() {}

    // --- game setup
    // Deletes the main screen's icons and resets its top strip.
    virtual void ClearMainScreen() {}
    virtual void ShowPollDisplay() {}
    virtual void OpenStartDialog() {}

    // The election is due. The game opens the results window, which counts a
    // few voters each frame and, when it is closed, concludes the election
    // (ElectionManager::ConcludeElection). The default counts every vote at
    // once and concludes at once.
    virtual void OpenElectionResults();
};
