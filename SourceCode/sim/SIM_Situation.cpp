#include "sim/SIM_Situation.h"

#include <algorithm>

#include "engine/Diagnostics.h"
#include "gamedata/RecordTokenizer.h"
#include "gamedata/SIM_IssuesManager.h"
#include "sim/Clamp.h"
#include "sim/Presentation.h"
#include "sim/RecordScope.h"
#include "sim/SIM_PolicyGroup.h"
#include "sim/SIM_PolicyManager.h"
#include "sim/SIM_SituationManager.h"

SIM_Situation::SIM_Situation(const RecordLine& record) : mRecord(record)
{
    RecordScope scope(mRecord);
    SetType(NEURON_SITUATION);
    SetActive(false);

    RecordTokenizer fields(record.text);
    fields.SkipField();
    SetName(fields.NextTrimmedText());
    SetDisplayName(fields.NextTrimmedText());
    mDescription = fields.NextTrimmedText();

    std::string groupName = fields.NextTrimmedText();
    for (int i = 0; i < SIM_PolicyGroup::kGroupCount && !mGroup; ++i)
        if (groupName == SIM_PolicyGroup::kNames[i])
            mGroup = GetPolicyManager().Group(i);
    if (!mGroup)
        LogRecordProblem(record, "situation " + GetName() + ": no policy group " + groupName);
    ASSERT_CHECK(mGroup != nullptr);

    mIcon = fields.NextTrimmedText();
    mSecondText = fields.NextTrimmedText();
    mReportText = fields.NextTrimmedText();
    mPositive = fields.NextInt() != 0;
    float cost = static_cast<float>(fields.NextInt());
    SetCostLine(cost, cost);
    float income = static_cast<float>(fields.NextInt());
    SetIncomeLine(income, income);

    ReadEffectFields(fields);
    End();
    GetSituationManager().mSituations.push_back(this);
}

SIM_Situation::~SIM_Situation()
{
    // The board must never keep the icon of a situation that is gone.
    if (IsActive() && mGroup)
        Presentation::Current().RemoveIcon(mGroup, this);
    SIM_IssuesManager::Get().RemoveAllAbout(this);
    auto& list = GetSituationManager().mSituations;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void SIM_Situation::ReadEffectFields(RecordTokenizer& fields)
{
    // What drives the situation comes first; a field beginning with "#" marks
    // the start of what the situation itself drives.
    bool outgoing = false;
    while (!fields.AtEnd()) {
        std::string line = fields.NextTrimmedText();
        if (!outgoing && !line.empty() && line[0] == '#') {
            outgoing = true;
            continue;
        }
        if (outgoing) {
            if (line.find(',') != std::string::npos)
                NoteEffectProblems(mRecord, "situation " + GetName(), line);
            ParseEffectLine(line);
            continue;
        }
        NoteEffectProblems(mRecord, "situation " + GetName(), line);
        ParseInfluenceLine(line);
    }
}

float SIM_Situation::Recalculate()
{
    Neuron::Recalculate();
    mValue = ClampZeroToOne(mValue);
    if (IsActive() && mValue < kStopThreshold)
        End();
    else if (!IsActive() && mValue >= kStartThreshold)
        Start();
    return mValue;
}

void SIM_Situation::Start()
{
    ASSERT_CHECK(!IsActive());
    SetActive(true);
    if (mGroup)
        Presentation::Current().AddIcon(mGroup, this);
    Presentation::Current().NoticeSituation(this, Presentation::SITUATION_STARTED);
    SIM_IssuesManager::Get().Add(this, ISSUE_SITUATION_STARTED);
}

void SIM_Situation::End()
{
    bool wasOn = IsActive();
    if (wasOn) {
        Presentation::Current().NoticeSituation(this, Presentation::SITUATION_ENDED);
        SIM_IssuesManager::Get().Add(this, ISSUE_SITUATION_ENDED);
    }
    SetActive(false);
    if (wasOn && mGroup)
        Presentation::Current().RemoveIcon(mGroup, this);
}
