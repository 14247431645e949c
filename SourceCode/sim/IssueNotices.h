#pragma once

class SIM_Situation;

// The issues list as the situations see it: a situation that starts or ends
// posts an entry. The issues manager installs the real list; the default
// does nothing, and tests install one that records.
class IssueNotices {
public:
    enum Kind { SITUATION_STARTED = 1, SITUATION_ENDED = 2 };

    virtual ~IssueNotices() = default;
    virtual void AddSituationIssue(SIM_Situation* /*situation*/, int /*kind*/) {}

    // The notices in use; never null.
    static IssueNotices& Current();
    // Installs a list (not owned); null puts the do-nothing one back.
    static void Set(IssueNotices* notices);
};
