#pragma once
#include <string>
#include <utility>
#include <vector>

#include "engine/GameSubsystem.h"

class SIM_Minister;
class SIM_PolicyGroup;

// The government's ministers: the pool of politicians, one post per policy
// group, and the political capital their loyalty yields. Owns every minister.
class SIM_Cabinet : public GameSubsystem {
public:
    static constexpr int kInitialPool = 10;
    static constexpr const char* kFireScript = "data/simulation/scripts/fire_minister.txt";
    static constexpr const char* kResignScript = "data/simulation/scripts/minister_resigns.txt";
    static constexpr const char* kResignViewScript = "data/simulation/scripts/minister_resigns_view.txt";
    static constexpr const char* kResignPicture = "event_resign.jpg";
    static constexpr const char* kDefaultPortrait = "minister1.bmp";
    // A resignation is an event made during play, named this and the surname.
    static constexpr const char* kResignEventPrefix = "MinisterResigns";

    static SIM_Cabinet& Get();

    // Null (logged) without two voter groups besides everyone.
    SIM_Minister* CreateMinister();
    void CreateInitialPool();
    // Each post in turn gets the free minister best suited to it.
    void FillCabinet();

    // Into the post (leaving any other), or out of office with a null ministry.
    // A minister already in the post leaves it first.
    void Appoint(SIM_Minister* minister, SIM_PolicyGroup* ministry);
    // Only with FIRE_MINISTER_POINTS_NEEDED capital available (none is spent);
    // false when there is not enough. The minister is deleted.
    bool CanFire() const;
    bool Fire(SIM_Minister* minister);
    // A resignation event is raised; the minister leaves at once and is deleted next turn.
    void Resign(SIM_Minister* minister);

    // Once per turn, before the policies.
    void UpdateMinisters();

    // What a minister yields each turn: nothing out of office, else at least 2.
    static int CapitalYield(const SIM_Minister& minister);
    void RecomputeCapital();
    // Once per turn: recompute, then add to what is available (capped).
    void TurnCapital();
    void StartCapital();

    const std::vector<SIM_Minister*>& Pool() const { return mPool; }
    const std::vector<SIM_Minister*>& Resigned() const { return mResigned; }
    SIM_Minister* MinisterOf(const SIM_PolicyGroup* ministry) const;
    // A minister of the pool by forename and surname; null when none.
    SIM_Minister* FindInPool(const std::string& forename, const std::string& surname) const;

    void Release() override;

    // --- saved games: the pool and the posts as they stood, without the
    // grudges, notices and draws that appointing brings
    void AdoptMinister(SIM_Minister* minister, bool resigned);
    void RestorePost(SIM_Minister* minister, SIM_PolicyGroup* ministry);
    // The portraits not yet given out (male, female).
    const std::vector<std::string>& PortraitsLeft(bool female) const { return mPortraits[female ? 1 : 0]; }
    void SetPortraitsLeft(bool female, std::vector<std::string> portraits) { mPortraits[female ? 1 : 0] = std::move(portraits); }

private:
    SIM_Cabinet() = default;
    void LeaveOffice(SIM_Minister* minister);
    void CheckResignation(SIM_Minister* minister);
    void DeleteMinister(SIM_Minister* minister);
    void DrawName(SIM_Minister*& minister, bool female);
    std::string DrawPortrait(bool female);

    std::vector<SIM_Minister*> mPool;
    std::vector<SIM_Minister*> mDecidedToResign;
    std::vector<SIM_Minister*> mResigned;
    std::vector<std::string> mPortraits[2];  // male, female: not yet given out
};
