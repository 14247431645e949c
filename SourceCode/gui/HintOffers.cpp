#include "gui/HintOffers.h"

#include "engine/DebugLog.h"

namespace {
std::vector<std::string>& List()
{
    static std::vector<std::string> offered;
    return offered;
}
}  // namespace

void HintOffers::Offer(const std::string& hint)
{
    if (hint.empty())
        return;
    // Kept short: a long game opens windows thousands of times.
    if (List().size() >= 256)
        List().erase(List().begin());
    List().push_back(hint);
    DebugLog::Write("Hint offered: " + hint);
}

const std::vector<std::string>& HintOffers::Offered() { return List(); }

void HintOffers::Clear() { List().clear(); }
