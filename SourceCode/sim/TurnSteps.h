#pragma once
#include <string>

// The steps of a turn and of game setup that belong to the cabinet, events,
// dilemmas, grudges, pressure groups, the manifesto, achievements, reports,
// cynicism and saving. The turn calls each in its fixed place; by default every
// call does nothing. The game installs one TurnSteps that forwards each call
// to the manager that owns it; tests install recording ones.
class TurnSteps {
public:
    virtual ~TurnSteps() = default;

    // The installed steps (a do-nothing instance when none was installed).
    static TurnSteps& Current();
    // Installs steps (not owned); null puts the do-nothing instance back.
    // Returns the previous ones.
    static TurnSteps* Install(TurnSteps* steps);

    // --- each turn, in turn order
    virtual void ReleaseIssuesAndReports() {}  // issues list and report manager emptied
    virtual void UpdateMinisters() {}
    virtual void UpdateGrudges() {}
    virtual void EventsTurn() {}           // from turn 3 on
    virtual void UpdatePressureGroups() {}  // after the voters and the parties
    virtual void DilemmasTurn() {}          // from turn 3 on
    virtual void UpdateCynicism() {}
    virtual void CompileReports() {}
    // Only while the game is not over:
    virtual void CheckManifesto() {}
    virtual void CheckAchievements() {}
    virtual void Autosave() {}  // from turn 3 on, when AUTOSAVE is on and no election is this month

    // --- game setup, in setup order
    virtual void ClearGrudgeList() {}
    virtual void ReleaseReports() {}
    virtual void LoadEvents() {}
    virtual void LoadAchievements() {}
    virtual void LoadDilemmas() {}
    virtual void CreateMinisters() {}      // delete all, create ten, appoint one per group
    virtual void LoadPressureGroups() {}   // and the attacks
    virtual void ResetCynicism() {}
    virtual void StartPressureGroups() {}  // after the warm-up turns
    virtual void EmptyIssues() {}
    virtual void ResetManifesto() {}

    // --- asked by the model as it runs
    virtual void TriggerEvent(const std::string& /*eventName*/) {}
    // An entry in the issues list: kind 5 is a warning for a policy group.
    virtual void AddIssue(int /*kind*/, const std::string& /*groupName*/, const std::string& /*textToken*/,
                          const std::string& /*titleToken*/) {}
    // The election is over and the next term begins: the chosen pledges take effect.
    virtual void StartManifestoTerm() {}
    // Counted once per game: the first election won, or a loss before any win.
    virtual void RecordFirstElectionWin() {}
    virtual void RecordElectionLossBeforeWin() {}
};
