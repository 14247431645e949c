#pragma once
#include <string>
#include <vector>

// The one door through which a screen or window, as it opens, offers its
// tutorial hint. Nothing shows a hint yet: the offers are only remembered
// (and logged), so the hint player can later take over from here alone.
class HintOffers {
public:
    static void Offer(const std::string& hint);
    // Every hint offered since the last Clear, in order.
    static const std::vector<std::string>& Offered();
    static void Clear();
};
