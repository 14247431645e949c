#pragma once
#include <memory>
#include <vector>

#include "engine/GameSubsystem.h"
#include "gamedata/Issue.h"

// The issues list of the turn, in the order things happened. Emptied at the
// start of each turn and of each game.
class SIM_IssuesManager : public GameSubsystem {
public:
    static constexpr const char* kDilemmaIcon = "gui_dilemma_icon.dds";
    static constexpr const char* kEventIcon = "gui_event_icon.dds";

    static SIM_IssuesManager& Get();

    // Appends an issue with the icon of its kind; the caller may set its texts.
    Issue& Add(Neuron* source, IssueKind kind);
    // The first issue about that source. A missing one is logged, not fatal:
    // the list is the player's reminder, not part of the game's state.
    void Remove(const Neuron* source);
    // Every issue about that source, quietly (a minister leaving the game).
    void RemoveAllAbout(const Neuron* source);
    bool Has(const Neuron* source, IssueKind kind) const;
    size_t Count() const { return mIssues.size(); }
    const Issue& At(size_t i) const { return *mIssues[i]; }

    void Release() override;

private:
    SIM_IssuesManager() = default;
    std::vector<std::unique_ptr<Issue>> mIssues;
};
