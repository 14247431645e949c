#include "politics/OpinionInputs.h"

namespace {
OpinionInputs Defaults()
{
    OpinionInputs inputs;
    inputs.cynicism = [] { return 0.0f; };
    inputs.manifestoBroken = [] { return false; };
    inputs.manifestoPenalty = [] { return 0.1f; };
    inputs.monthsUntilElection = [] { return OpinionInputs::kFarAway; };
    return inputs;
}
}  // namespace

OpinionInputs& OpinionInputs::Current()
{
    static OpinionInputs inputs = Defaults();
    return inputs;
}

void OpinionInputs::Reset() { Current() = Defaults(); }

OpinionFactors OpinionFactors::Take()
{
    const OpinionInputs& in = OpinionInputs::Current();
    OpinionFactors f;
    f.cynicism = in.cynicism ? in.cynicism() : 0.0f;
    int months = in.monthsUntilElection ? in.monthsUntilElection() : OpinionInputs::kFarAway;
    if (months < 10 && in.manifestoBroken && in.manifestoBroken())
        f.manifestoPenalty = in.manifestoPenalty ? in.manifestoPenalty() : 0.1f;
    return f;
}
