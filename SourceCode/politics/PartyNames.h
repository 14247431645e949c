#pragma once
#include <string>
#include <vector>

// The candidate party names: the keys of section "names" of
// "data/simulation/partynames.txt", in file order.
class PartyNames {
public:
    static constexpr const char* kFile = "data/simulation/partynames.txt";
    static constexpr const char* kSection = "names";

    static PartyNames& Get();

    void Load(const std::string& file = kFile);
    void SetNames(std::vector<std::string> names) { mNames = std::move(names); }
    const std::vector<std::string>& Names() const { return mNames; }

    // The name at draw mod count; "error" when there are no names.
    std::string RandomName() const;

private:
    std::vector<std::string> mNames;
};
