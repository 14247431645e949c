#pragma once
#include <string>
#include <vector>

#include "engine/GameSubsystem.h"
#include "gamedata/Report.h"

// The reports of the turn: the world economy, the budget, the polls, the
// coming election and the intelligence picture. Rebuilt once a turn.
class SIM_ReportManager : public GameSubsystem {
public:
    static SIM_ReportManager& Get();

    // Replaces the reports with this turn's.
    void BuildReports();
    const std::vector<Report>& Reports() const { return mReports; }

    // "1,234,567": whole number, a comma between each group of three digits.
    static std::string GroupDigits(long long number);

    void Release() override { mReports.clear(); }

private:
    SIM_ReportManager() = default;
    Report Economy() const;
    Report Budget() const;
    Report Polls() const;
    Report Election() const;
    Report Intelligence() const;

    std::vector<Report> mReports;
};
