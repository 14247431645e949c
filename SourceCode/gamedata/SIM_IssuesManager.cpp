#include "gamedata/SIM_IssuesManager.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Diagnostics.h"
#include "politics/SIM_Minister.h"
#include "sim/SIM_Situation.h"

namespace {
std::string IconOf(const Neuron* source, IssueKind kind)
{
    if (kind == ISSUE_DILEMMA)
        return SIM_IssuesManager::kDilemmaIcon;
    if (kind == ISSUE_EVENT)
        return SIM_IssuesManager::kEventIcon;
    if (auto* situation = dynamic_cast<const SIM_Situation*>(source))
        return situation->Icon();
    if (auto* minister = dynamic_cast<const SIM_Minister*>(source))
        return minister->Portrait();
    return "";
}
}  // namespace

SIM_IssuesManager& SIM_IssuesManager::Get()
{
    static SIM_IssuesManager manager;
    return manager;
}

Issue& SIM_IssuesManager::Add(Neuron* source, IssueKind kind)
{
    ASSERT_CHECK(source != nullptr);
    auto issue = std::make_unique<Issue>();
    issue->source = source;
    issue->kind = kind;
    issue->icon = IconOf(source, kind);
    mIssues.push_back(std::move(issue));
    return *mIssues.back();
}

void SIM_IssuesManager::Remove(const Neuron* source)
{
    auto found = std::find_if(mIssues.begin(), mIssues.end(), [source](const auto& issue) {
        return issue->source == source;
    });
    if (found == mIssues.end()) {
        TRACE_MESSAGE("Failed to remove issue");
        return;
    }
    mIssues.erase(found);
}

void SIM_IssuesManager::RemoveAllAbout(const Neuron* source)
{
    mIssues.erase(std::remove_if(mIssues.begin(), mIssues.end(),
                                 [source](const auto& issue) { return issue->source == source; }),
                  mIssues.end());
}

bool SIM_IssuesManager::Has(const Neuron* source, IssueKind kind) const
{
    return std::any_of(mIssues.begin(), mIssues.end(),
                       [&](const auto& issue) { return issue->source == source && issue->kind == kind; });
}

void SIM_IssuesManager::Release()
{
    DebugLog::Write("SIM_IssuesManager::Release Start");
    mIssues.clear();
    DebugLog::Write("SIM_IssuesManager::Release End");
}
