#pragma once
#include <string>
#include <vector>

// The pool of random person names (voters, ministers): male forenames,
// female forenames and surnames, read from "data/simulation/names.txt"
// (sections "maleforenames", "femaleforenames", "surnames"; every key is a name).
class NamePool {
public:
    static constexpr const char* kFile = "data/simulation/names.txt";

    static NamePool& Get();

    // Replaces the three lists. A missing file or section leaves a list empty.
    void LoadNames(const std::string& file = kFile);
    void Clear();

    // Drawing from an empty list is fatal; RequireNames checks all three at once.
    void RequireNames() const;

    // forename, a space, surname.
    std::string RandomName(bool female) const;
    std::string RandomMaleForename() const;
    std::string RandomFemaleForename() const;
    std::string RandomSurname() const;
    int RandomForenameID(bool female) const;
    int RandomSurnameID() const;

    // The name at an index; "" for an index outside the list (an old save).
    std::string Forename(int id, bool female) const;
    std::string Surname(int id) const;

    const std::vector<std::string>& MaleForenames() const { return mMale; }
    const std::vector<std::string>& FemaleForenames() const { return mFemale; }
    const std::vector<std::string>& Surnames() const { return mSurnames; }

private:
    int RandomID(const std::vector<std::string>& list, const char* what) const;

    std::string mFile = kFile;
    std::vector<std::string> mMale;
    std::vector<std::string> mFemale;
    std::vector<std::string> mSurnames;
};
