#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "politics/ElectionCount.h"
#include "politics/ElectionManager.h"
#include "politics/PartyNames.h"
#include "politics/SIM_Party.h"
#include "politics/SIM_Voter.h"
#include "sim/Calendar.h"
#include "sim/SimulationState.h"

namespace {

// An electorate of fixed decisions: the player's voters (preference 0.7), the
// opposition's (0.3), then those who abstain (0.5).
class FixedVotes : public ElectionCount::Electorate {
public:
    FixedVotes(size_t player, size_t opposition, size_t abstain)
        : mPlayer(player), mOpposition(opposition), mAbstain(abstain)
    {
    }
    size_t Size() const override { return mPlayer + mOpposition + mAbstain; }
    void Decide(size_t i, int& vote, float& preference) const override
    {
        bool forPlayer = i < mPlayer, forOpposition = !forPlayer && i < mPlayer + mOpposition;
        vote = forPlayer ? ElectionCount::VOTE_PLAYER
                         : forOpposition ? ElectionCount::VOTE_OPPOSITION : ElectionCount::VOTE_ABSTAIN;
        preference = forPlayer ? 0.7f : forOpposition ? 0.3f : 0.5f;
    }

private:
    size_t mPlayer, mOpposition, mAbstain;
};

class ElectionTest : public NetworkTest {
protected:
    void SetUp() override
    {
        NetworkTest::SetUp();
        savedCalendar = Calendar::Get();
        Calendar::Get().Set(0, 2000);
        ElectionManager::SetTermLengthMonths(48);
        ElectionManager::Get().SetElectionsWon(0);
        ElectionManager::Get().ScheduleNextElection();
        SimulationState::Get().Reset();
    }
    void TearDown() override
    {
        Calendar::Get() = savedCalendar;
        SimulationState::Get().Reset();
        SIM_Party::DeleteParties();
        NetworkTest::TearDown();
    }
    static ElectionResult Hold(size_t player, size_t opposition, size_t abstain)
    {
        FixedVotes votes(player, opposition, abstain);
        ElectionCount count(votes);
        count.CountAll();
        return ElectionManager::Get().ConcludeElection(count);
    }

    Calendar savedCalendar;
};

TEST_F(ElectionTest, CountingFiveAtATimeGivesTheSameCountAsAllAtOnce)
{
    FixedVotes votes(7, 4, 3);
    ElectionCount slow(votes);
    int frames = 0;
    while (!slow.CountNext(ElectionCount::kVotersPerFrame))
        ++frames;
    EXPECT_EQ(frames, 2);  // 5 + 5 + 4
    ElectionCount fast(votes);
    fast.CountAll();
    for (const ElectionCount* count : {&slow, &fast}) {
        // Player, opposition, abstained; supporters (preference 0.5 is one), opponents; counted.
        EXPECT_EQ((std::vector<unsigned>{count->PlayerVotes(), count->OppositionVotes(), count->Abstentions(),
                                         count->Supporters(), count->Opponents(), count->Counted()}),
                  (std::vector<unsigned>{7, 4, 3, 10, 4, 14}));
        EXPECT_TRUE(count->IsFinished());
        EXPECT_NEAR(count->Share(), 7.0f / 11.0f, 1e-6f);
        EXPECT_NEAR(count->Turnout(), 11.0f / 14.0f, 1e-6f);
    }
    ElectionCount fresh(votes);
    EXPECT_FLOAT_EQ(fresh.Turnout(), 0.0f);
    fresh.CountNext(3);
    EXPECT_EQ(fresh.NextVoter(), 3u);
    fresh.Reset();
    EXPECT_EQ(fresh.NextVoter(), 0u);
    EXPECT_EQ(fresh.Counted(), 0u);
    EXPECT_FALSE(fresh.CountNext(13)) << "a reset count keeps its electorate";
}

TEST_F(ElectionTest, OutcomesOfACount)
{
    struct Case {
        int player, opposition, abstain;
        int wonBefore;
        bool won;
        float share;  // of the votes cast for a party
    } cases[] = {
        {6, 4, 0, 0, true, 0.6f},
        {6, 4, 0, 1, true, 0.6f},
        {4, 6, 10, 0, false, 0.4f},  // abstentions do not count
        {5, 5, 2, 0, true, 0.5f},    // a tie keeps the government in
        {0, 0, 8, 0, false, 0.0f},   // nobody voted for a party
        {0, 0, 0, 0, false, 0.0f},   // no voters at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.player) + "/" + std::to_string(c.opposition) + "/" + std::to_string(c.abstain));
        SimulationState::Get().Reset();
        Calendar::Get().Set(0, 2004);  // the election date
        ElectionManager::Get().ScheduleNextElection();
        ElectionManager::Get().SetElectionsWon(c.wonBefore);
        ElectionResult result = Hold(c.player, c.opposition, c.abstain);
        EXPECT_EQ(result.won, c.won);
        EXPECT_FLOAT_EQ(result.share, c.share);
        EXPECT_EQ(result.won, ElectionCount::IsVictory(result.playerVotes, result.oppositionVotes));
        EXPECT_EQ(ElectionManager::Get().ElectionsWon(), c.wonBefore + (c.won ? 1 : 0));
        EXPECT_EQ(SimulationState::Get().IsGameOver(), !c.won);
        // The next term is scheduled after a defeat too.
        EXPECT_EQ(ElectionManager::Get().NextElectionYear(), 2008);
        EXPECT_EQ(ElectionManager::Get().LastResult().playerVotes, static_cast<unsigned>(c.player));
    }
}

TEST_F(ElectionTest, PartyPullShareAndTrend)
{
    int before = Diagnostics::AssertionFailures();
    EXPECT_EQ(SIM_Party::GetPlayersParty(), nullptr);  // asked before it exists: reported
    EXPECT_EQ(SIM_Party::GetOppositionParty(), nullptr);
    EXPECT_EQ(Diagnostics::AssertionFailures(), before + 2);
    SIM_Party::CreateParties();
    SIM_Party* player = SIM_Party::GetPlayersParty();
    EXPECT_FLOAT_EQ(player->TurnoutPull(), 0.5f);
    // The player's pull, share and trend after an update with the given population.
    auto update = [player](unsigned population, float pull, float share, SIM_Party::Status status) {
        SIM_Party::UpdateParties(population);
        EXPECT_FLOAT_EQ(player->TurnoutPull(), pull) << population;
        EXPECT_FLOAT_EQ(player->GetNeuron().GetBaseValue(), share) << population;
        EXPECT_EQ(player->GetStatus(), status) << population;
    };
    update(0, 0.0f, 0.0f, SIM_Party::STATUS_UNCHANGED);  // no voters: no division by zero

    SIM_Voter* voters[] = {new SIM_Voter(), new SIM_Voter(), new SIM_Voter()};
    player->AddMember(voters[0]);
    player->AddMember(voters[1]);
    player->AddMember(voters[1]);  // once only
    EXPECT_EQ(player->MemberCount(), 2u);
    update(40, 2.0f / 8.0f, 0.05f, SIM_Party::STATUS_INCREASING);
    EXPECT_FLOAT_EQ(SIM_Party::GetOppositionParty()->TurnoutPull(), 0.0f);  // no members: no pull
    update(5, 1.0f, 0.4f, SIM_Party::STATUS_UNCHANGED);  // a fifth is reached: full pull, clamped

    player->RemoveMember(voters[0]);
    player->RemoveMember(voters[2]);  // not a member: harmless
    EXPECT_EQ(player->Members(), std::vector<SIM_Voter*>{voters[1]});
    update(5, 1.0f, 0.2f, SIM_Party::STATUS_DECREASING);
}

TEST_F(ElectionTest, PartyNamesComeFromTheListAndTheOppositionNeverCopiesThePlayer)
{
    TempDir dir;
    std::string file = dir.Path() + "/partynames.txt";
    WriteText(file, "[names]\nRed Party\nBlue Party=\nGreen Party\n");
    PartyNames::Get().Load(file);
    EXPECT_EQ(PartyNames::Get().Names(), (std::vector<std::string>{"Red Party", "Blue Party", "Green Party"}));

    SIM_Party::CreateParties();
    PartyNames::Get().Load(file);  // CreateParties read the game's own list
    SIM_Party::NameParties("Mine", "Theirs");
    EXPECT_EQ(SIM_Party::GetOppositionParty()->Name(), "Theirs");
    SIM_Party::NameParties("Same", "Same");
    EXPECT_EQ(SIM_Party::GetPlayersParty()->Name(), "Same");
    EXPECT_NE(SIM_Party::GetOppositionParty()->Name(), "Same");
    SIM_Party::NameParties("", "");
    const auto& names = PartyNames::Get().Names();
    EXPECT_NE(std::find(names.begin(), names.end(), SIM_Party::GetPlayersParty()->Name()), names.end());

    PartyNames::Get().SetNames({});
    EXPECT_EQ(PartyNames::Get().RandomName(), "error");  // an empty list is never divided by
}

}  // namespace
