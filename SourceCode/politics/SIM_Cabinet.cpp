#include "politics/SIM_Cabinet.h"

#include <algorithm>

#include "engine/Diagnostics.h"
#include "gamedata/Localisation.h"
#include "gamedata/NamePool.h"
#include "gamedata/SIM_Event.h"
#include "gamedata/SIM_EventManager.h"
#include "gamedata/SIM_IssuesManager.h"
#include "gamedata/SIM_Script.h"
#include "gamedata/SetupSection.h"
#include "platform/PlatformFiles.h"
#include "politics/RandomDraws.h"
#include "politics/SIM_Grudge.h"
#include "politics/SIM_Minister.h"
#include "politics/SIM_VoterManager.h"
#include "politics/SIM_VoterType.h"
#include "sim/PoliticalCapital.h"
#include "sim/Presentation.h"
#include "sim/SIM_PolicyGroup.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SimulationState.h"

namespace {

// Past this many draws a group with no acceptable partner takes any other.
constexpr int kSympathyDraws = 100;
// Past this many draws a clashing name gets a number to make it unique.
constexpr int kNameDraws = 50;

float Tuning(const char* key) { return GetTuningValue(key, 0.0f); }

void Erase(std::vector<SIM_Minister*>& list, SIM_Minister* minister)
{
    list.erase(std::remove(list.begin(), list.end(), minister), list.end());
}

std::string Forename(bool female)
{
    const NamePool& names = NamePool::Get();
    const auto& list = female ? names.FemaleForenames() : names.MaleForenames();
    return list.empty() ? "Minister" : list[RandomIndex(list.size())];
}

std::string Surname()
{
    const auto& list = NamePool::Get().Surnames();
    return list.empty() ? "Unnamed" : list[RandomIndex(list.size())];
}

SIM_VoterType* SecondSympathy(SIM_VoterType* first)
{
    SIM_VoterManager& voters = SIM_VoterManager::Get();
    for (int draw = 0;; ++draw) {
        SIM_VoterType* second = voters.RandomVoterType();
        if (second != first && (draw >= kSympathyDraws || first->AffinityFor(second) >= 0.0f))
            return second;
    }
}

}  // namespace

SIM_Cabinet& SIM_Cabinet::Get()
{
    static SIM_Cabinet cabinet;
    return cabinet;
}

void SIM_Cabinet::DrawName(SIM_Minister*& minister, bool female)
{
    std::string forename;
    std::string surname;
    for (int draw = 0;; ++draw) {
        forename = Forename(female);
        surname = Surname();
        if (draw >= kNameDraws)
            surname += " " + std::to_string(mPool.size() + 1);
        const std::string full = forename + " " + surname;
        bool taken = std::any_of(mPool.begin(), mPool.end(), [&](SIM_Minister* m) { return m->FullName() == full; });
        if (!taken)
            break;
    }
    minister = new SIM_Minister(forename, surname, female);
}

std::string SIM_Cabinet::DrawPortrait(bool female)
{
    auto& left = mPortraits[female ? 1 : 0];
    if (left.empty())
        left = PlatformFiles::FindFiles(female ? "data/bitmaps/ministers/female/*.bmp"
                                               : "data/bitmaps/ministers/male/*.bmp");
    if (left.empty())
        return kDefaultPortrait;
    std::string portrait = left[RandomIndex(left.size())];
    left.erase(std::remove(left.begin(), left.end(), portrait), left.end());
    return portrait;
}

SIM_Minister* SIM_Cabinet::CreateMinister()
{
    // A minister needs two voter groups to sympathise with.
    const auto& groups = SIM_VoterManager::Get().VoterTypes();
    if (std::count_if(groups.begin(), groups.end(),
                      [](SIM_VoterType* g) { return g->GetName() != SIM_VoterType::kAllGroupName; }) < 2) {
        TRACE_MESSAGE("no voter groups for a minister to sympathise with");
        return nullptr;
    }
    // The draws keep the order of the rules so that a seed replays a game.
    float volatility = RandRange(0.5f, 2.0f);
    std::array<float, SIM_Minister::kJobCount> suitabilities{};
    for (float& suitability : suitabilities)
        suitability = Rand01();
    SIM_VoterType* first = SIM_VoterManager::Get().RandomVoterType();
    SIM_VoterType* second = SecondSympathy(first);
    const bool female = Chance(0.35f);

    SIM_Minister* minister = nullptr;
    DrawName(minister, female);
    minister->SetVolatility(volatility);
    minister->SetSuitabilities(suitabilities);
    minister->SetSympathies(first, second);
    minister->SetExperience(RandRange(0.2f, 0.6f));
    minister->SetLoyalty(0.5f);
    minister->SetPortrait(DrawPortrait(female));
    mPool.push_back(minister);
    return minister;
}

void SIM_Cabinet::CreateInitialPool()
{
    for (int i = 0; i < kInitialPool; ++i)
        CreateMinister();
}

void SIM_Cabinet::FillCabinet()
{
    for (int i = 0; i < SIM_PolicyGroup::kGroupCount; ++i) {
        SIM_PolicyGroup* ministry = GetPolicyManager().Group(i);
        SIM_Minister* best = nullptr;
        for (SIM_Minister* minister : mPool)
            if (!minister->IsInOffice() && (!best || minister->SuitabilityFor(i) > best->SuitabilityFor(i)))
                best = minister;
        if (best)
            Appoint(best, ministry);
    }
}

SIM_Minister* SIM_Cabinet::MinisterOf(const SIM_PolicyGroup* ministry) const
{
    return ministry ? dynamic_cast<SIM_Minister*>(ministry->Minister()) : nullptr;
}

SIM_Minister* SIM_Cabinet::FindInPool(const std::string& forename, const std::string& surname) const
{
    for (SIM_Minister* minister : mPool)
        if (minister->Forename() == forename && minister->Surname() == surname)
            return minister;
    return nullptr;
}

void SIM_Cabinet::LeaveOffice(SIM_Minister* minister)
{
    SIM_PolicyGroup* job = minister->Job();
    if (!job)
        return;
    if (job->Minister() == minister)
        job->SetMinister(nullptr);
    minister->SetJob(nullptr);
    minister->SetDisplayName(minister->FullName());
    // Looked up rather than remembered: a boost that has faded away is
    // already gone and must not be deleted again.
    for (SIM_VoterType* group : {minister->Sympathy1(), minister->Sympathy2()})
        delete SIM_Grudge::FindGrudge(group, minister->GetName());
}

void SIM_Cabinet::Appoint(SIM_Minister* minister, SIM_PolicyGroup* ministry)
{
    LeaveOffice(minister);
    if (!ministry)
        return;
    if (SIM_Minister* holder = MinisterOf(ministry))
        LeaveOffice(holder);
    RestorePost(minister, ministry);
    for (SIM_VoterType* group : {minister->Sympathy1(), minister->Sympathy2()}) {
        ASSERT_CHECK(group != nullptr);
        ASSERT_CHECK(!SIM_Grudge::FindGrudge(group, minister->GetName()));
        if (group && !SIM_Grudge::FindGrudge(group, minister->GetName()))
            SIM_Grudge::CreateNamedGrudge(minister->GetName(), group->GetName(), Tuning("MINISTER_VOTER_BOOST"), 1.0f);
    }
    Presentation::Current().NoticeMinister(*minister, *ministry, Presentation::MINISTER_APPOINTED);
}

bool SIM_Cabinet::CanFire() const
{
    return GetPoliticalCapital().Available() >= static_cast<int>(Tuning("FIRE_MINISTER_POINTS_NEEDED"));
}

bool SIM_Cabinet::Fire(SIM_Minister* minister)
{
    if (!minister || !minister->IsInOffice() || !CanFire())
        return false;
    SIM_PolicyGroup* ministry = minister->Job();
    Appoint(minister, nullptr);
    Presentation::Current().NoticeMinister(*minister, *ministry, Presentation::MINISTER_FIRED);
    SIM_Script::Get().Run(kFireScript);
    DeleteMinister(minister);
    RecomputeCapital();
    return true;
}

void SIM_Cabinet::Resign(SIM_Minister* minister)
{
    SIM_PolicyGroup* ministry = minister->Job();
    const std::string post = ministry ? ministry->CabinetPost() : "";
    auto* event = SIM_EventManager::Get().Adopt(new SIM_Event());
    event->SetName(kResignEventPrefix + minister->Surname());
    event->SetDisplayName(ReplaceTokens(translate("MINISTER_RESIGNS_GUINAME"), {{"JOBTITLE", post}}));
    event->SetDescription(ReplaceTokens(translate("MINISTER_RESIGNS_DESCRIPTION"),
                                        {{"FULLNAME", minister->FullName()}, {"JOBTITLE", post}}));
    event->SetOnImplement(kResignScript);
    event->SetOnView(kResignViewScript);
    event->SetTexture(kResignPicture);
    event->Trigger();

    Appoint(minister, nullptr);
    if (ministry)
        Presentation::Current().NoticeMinister(*minister, *ministry, Presentation::MINISTER_RESIGNED);
    Erase(mPool, minister);
    mResigned.push_back(minister);
}

void SIM_Cabinet::CheckResignation(SIM_Minister* minister)
{
    if (minister->Loyalty() < Tuning("MINISTER_RESIGN_THRESHHOLD") && Chance(Tuning("MINISTER_RESIGN_CHANCE"))) {
        mDecidedToResign.push_back(minister);
        return;
    }
    const int turn = SimulationState::Get().TurnNumber();
    if (minister->Loyalty() < Tuning("MINISTER_LOW_LOYALTY") && turn - minister->LastWarningTurn() > 3) {
        SIM_IssuesManager::Get().Add(minister, ISSUE_MINISTER_LOYALTY);
        minister->SetLastWarningTurn(turn);
    }
}

void SIM_Cabinet::UpdateMinisters()
{
    for (SIM_Minister* minister : mPool)
        if (minister->IsInOffice()) {
            minister->LoyaltyStep();
            CheckResignation(minister);
        }
    for (SIM_Minister* minister : std::vector<SIM_Minister*>(mResigned))
        DeleteMinister(minister);
    if (!mDecidedToResign.empty()) {
        SIM_Minister* leaving = mDecidedToResign[RandomIndex(mDecidedToResign.size())];
        mDecidedToResign.clear();
        Resign(leaving);
    }
    const auto free = std::count_if(mPool.begin(), mPool.end(), [](SIM_Minister* m) { return !m->IsInOffice(); });
    if (free < 3 || (free < 5 && Chance(0.1f)))
        CreateMinister();
}

void SIM_Cabinet::DeleteMinister(SIM_Minister* minister)
{
    LeaveOffice(minister);
    SIM_IssuesManager::Get().RemoveAllAbout(minister);
    Erase(mPool, minister);
    Erase(mDecidedToResign, minister);
    Erase(mResigned, minister);
    delete minister;
}

int SIM_Cabinet::CapitalYield(const SIM_Minister& minister)
{
    if (!minister.IsInOffice())
        return 0;
    // A hair added so that float noise does not cost a point (0.9 - 0.3 is 0.59999996).
    const int points = static_cast<int>(Tuning("POLITICAL_CAPITAL_PER_MINISTER") *
                                            (minister.Loyalty() - Tuning("MINISTER_RESIGN_THRESHHOLD")) +
                                        1e-4f);
    return std::max(2, points);
}

void SIM_Cabinet::RecomputeCapital()
{
    int perTurn = 0;
    for (SIM_Minister* minister : mPool)
        perTurn += CapitalYield(*minister);
    GetPoliticalCapital().SetPerTurn(perTurn);
}

void SIM_Cabinet::TurnCapital()
{
    RecomputeCapital();
    GetPoliticalCapital().TurnCapital();
}

void SIM_Cabinet::StartCapital()
{
    RecomputeCapital();
    GetPoliticalCapital().StartCapital();
}

void SIM_Cabinet::AdoptMinister(SIM_Minister* minister, bool resigned)
{
    if (minister)
        (resigned ? mResigned : mPool).push_back(minister);
}

void SIM_Cabinet::RestorePost(SIM_Minister* minister, SIM_PolicyGroup* ministry)
{
    minister->SetJob(ministry);
    ministry->SetMinister(minister);
    minister->SetDisplayName(minister->FullName() + " (" + ministry->CabinetPost() + ")");
}

void SIM_Cabinet::Release()
{
    for (SIM_Minister* minister : mPool)
        delete minister;
    for (SIM_Minister* minister : mResigned)
        delete minister;
    mPool.clear();
    mResigned.clear();
    mDecidedToResign.clear();
    mPortraits[0].clear();
    mPortraits[1].clear();
    for (int i = 0; i < SIM_PolicyGroup::kGroupCount; ++i)
        if (SIM_PolicyGroup* group = GetPolicyManager().Group(i))
            group->SetMinister(nullptr);
    GetPoliticalCapital().ResetCapital();
}
