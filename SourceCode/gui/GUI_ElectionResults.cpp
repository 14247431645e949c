#include "gui/GUI_ElectionResults.h"

#include "engine/D3DEngine.h"
#include "gamedata/Localisation.h"
#include "gamedata/SIM_ReportManager.h"
#include "gui/GUI_PostElection.h"
#include "gui/WindowStyle.h"
#include "politics/ElectionCount.h"
#include "politics/SIM_Party.h"
#include "sound/GUI_Sounds.h"

namespace {
constexpr float kWidth = 620.0f;
// From the window's top: the count, the two parties, the turnout and the bar, then the verdict.
constexpr float kVerdictTop = 45.0f + 44.0f + 3 * WindowStyle::kRowHeight + 8.0f + 40.0f;
constexpr int kVictoryMood = 4;

std::string PartyName(const SIM_Party* party) { return party ? party->Name() : std::string(); }
std::string Votes(unsigned n) { return SIM_ReportManager::GroupDigits(n); }

std::string BrokenText(const std::vector<std::string>& broken)
{
    if (broken.empty())
        return std::string();
    std::string list;
    for (const std::string& pledge : broken)
        list += (list.empty() ? "" : ", ") + pledge;
    return translate("MANIFESTO_BROKEN") + ": " + list;
}

// Tall enough for the verdict and the broken pledges, and no taller.
float WindowHeight(const std::vector<std::string>& broken)
{
    const std::string text = BrokenText(broken);
    const float pledges = text.empty() ? 0.0f : WindowStyle::MeasureWrapped(text, kWidth - 40.0f) + 8.0f;
    return kVerdictTop + 34.0f + pledges + 16.0f + 26.0f + 24.0f;
}
}  // namespace

void GUI_ElectionResults::Open(const ElectionResult& result, std::vector<std::string> brokenPledges)
{
    Reopen<GUI_ElectionResults>(result, std::move(brokenPledges));
}

void GUI_ElectionResults::OpenLast() { Open(ElectionManager::Get().LastResult(), {}); }

std::string GUI_ElectionResults::CrowdSound(float share)
{
    if (share < 0.5f)
        return "data/sounds/crowd_angry.ogg";
    return share < 0.7f ? "data/sounds/crowd_clap.ogg" : "data/sounds/crowd_cheer.ogg";
}

GUI_ElectionResults::GUI_ElectionResults(const ElectionResult& result, std::vector<std::string> brokenPledges)
    : GUI_GameWindow(kName, "ELECTION_RESULTS", kWidth, WindowHeight(brokenPledges), true),
      mResult(result),
      mBroken(std::move(brokenPledges)),
      mCount(result.playerVotes, result.oppositionVotes, result.abstentions)
{
    // The verdict must be seen: no closing before the way on is offered.
    if (mClose)
        mClose->Visible = false;
    mSkip = AddTextButton("ElectionSkipCount", "ELECTION_SKIP", kWidth / 2.0f - 100.0f, mHeight - 50.0f, 200.0f,
                          [this](int) { mCount.Finish(); });
    mSeeResults = AddTextButton("ElectionSeeResults", "ELECTION_SEERESULTS", kWidth / 2.0f - 120.0f,
                                mHeight - 50.0f, 240.0f, [this](int) {
                                    const bool won = mResult.won;
                                    CloseSelf();
                                    GUI_PostElection::Open(won);
                                });
    mSeeResults->Visible = false;
}

GUI_ElectionResults::~GUI_ElectionResults()
{
    // Leaving the window ends the celebration.
    mFireworks.reset();
}

void GUI_ElectionResults::Conclude()
{
    mConcluded = true;
    mSkip->Visible = false;
    mSeeResults->Visible = true;
    GetSounds().PlaySound(CrowdSound(mResult.share), false);
    if (Celebrates(mResult.share)) {
        mFireworks = std::make_unique<Fireworks>(GRect{0, 0, static_cast<int>(g_ScreenWidth),
                                                       static_cast<int>(g_ScreenHeight)});
        GetSounds().SetMood(kVictoryMood);
    }
}

void GUI_ElectionResults::Update()
{
    if (!mConcluded) {
        mCount.Advance(static_cast<unsigned>(ElectionCount::kVotersPerFrame));
        if (mCount.Finished())
            Conclude();
    }
    if (mFireworks)
        mFireworks->Update();
    GUI_GameWindow::Update();
}

void GUI_ElectionResults::Draw()
{
    if (!Visible)
        return;
    GUI_GameWindow::Draw();
    if (mFireworks)
        mFireworks->Draw();
}

void GUI_ElectionResults::DrawContents()
{
    using namespace WindowStyle;
    const float x = Left();
    const float width = InnerWidth();
    float y = Top();
    Row(translate("VOTES_COUNTED"), Votes(mCount.Counted()) + " / " + Votes(mCount.Total()), x, y, width);
    Gauge(GRect{static_cast<int>(x), static_cast<int>(y) + 24, static_cast<int>(x + width), static_cast<int>(y) + 32},
          mCount.Progress(), kDim);
    y += 44.0f;
    Row(translate("ELECTION_PLAYER_TURNOUT") + "  " + PartyName(SIM_Party::GetPlayersParty()),
        Votes(mCount.PlayerVotes()), x, y, width, kGood);
    y += kRowHeight;
    Row(translate("ELECTION_OPPOSITION_TURNOUT") + "  " + PartyName(SIM_Party::GetOppositionParty()),
        Votes(mCount.OppositionVotes()), x, y, width, kBad);
    y += kRowHeight;
    const unsigned cast = mCount.PlayerVotes() + mCount.OppositionVotes();
    const unsigned counted = cast + mCount.Abstentions();
    Row(translate("ELECTION_TURNOUT"), Percent(counted ? static_cast<float>(cast) / counted : 0.0f), x, y, width);
    y += kRowHeight + 8.0f;
    // The two parties' shares of the votes cast so far, side by side.
    const float share = ElectionCount::ShareOf(mCount.PlayerVotes(), mCount.OppositionVotes());
    const GRect bar{static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + width), static_cast<int>(y) + 24};
    GetD3DEngine().FillRect(bar, cast ? kBad : kBarBack);
    if (cast)
        GetD3DEngine().FillRect(GRect{bar.left, bar.top, bar.left + static_cast<int>(bar.Width() * share), bar.bottom},
                                kGood);
    GetD3DEngine().DrawLine(bar.left + bar.Width() / 2.0f, bar.top - 4.0f, bar.left + bar.Width() / 2.0f,
                            bar.bottom + 4.0f, kText);
    GetD3DEngine().DrawRect(bar, kBarEdge);
    y += 40.0f;

    if (!mConcluded)
        return;
    // Nobody to count: the window was opened before any election.
    if (mCount.Total() == 0) {
        Text(translate("ELECTION_NONE_YET"), x, y, kDim, width, CENTRE, kBigFont, kBigSize);
        return;
    }
    const std::string verdict =
        translate("VOTING_RESULT") + ":  " + translate(mResult.won ? "ELECTION_SUCCESS" : "ELECTION_FAILURE");
    Text(verdict, x, y, mResult.won ? kHeading : kBad, width, CENTRE, kBigFont, kBigSize);
    y += 34.0f;
    const std::string broken = BrokenText(mBroken);
    if (!broken.empty())
        Wrapped(broken, x, y, width, kDim);
}
