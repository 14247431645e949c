#pragma once

// What a policy group needs to know of the minister in charge: how competent
// he is and how able in this group's area. The cabinet's ministers implement it.
class PolicyGroupMinister {
public:
    virtual ~PolicyGroupMinister() = default;
    // Both in [0, 1].
    virtual float Competence() const = 0;
    virtual float AbilityIn(int groupIndex) const = 0;
};
