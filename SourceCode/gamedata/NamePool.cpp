#include "gamedata/NamePool.h"

#include "engine/Diagnostics.h"
#include "gamedata/IniSection.h"
#include "politics/RandomDraws.h"

namespace {

std::vector<std::string> SectionKeys(const std::string& file, const std::string& section)
{
    IniSection ini;
    ini.Load(section, file);
    std::vector<std::string> keys;
    for (const IniEntry& entry : ini.Entries())
        if (!entry.key.empty())
            keys.push_back(entry.key);
    return keys;
}

std::string At(const std::vector<std::string>& list, int id)
{
    if (id < 0 || static_cast<size_t>(id) >= list.size())
        return "";
    return list[static_cast<size_t>(id)];
}

}  // namespace

NamePool& NamePool::Get()
{
    static NamePool pool;
    return pool;
}

void NamePool::LoadNames(const std::string& file)
{
    mFile = file;
    mMale = SectionKeys(file, "maleforenames");
    mFemale = SectionKeys(file, "femaleforenames");
    mSurnames = SectionKeys(file, "surnames");
}

void NamePool::Clear()
{
    mMale.clear();
    mFemale.clear();
    mSurnames.clear();
}

int NamePool::RandomID(const std::vector<std::string>& list, const char* what) const
{
    if (list.empty())
        FATAL_ERROR(std::string("No ") + what + " in the name pool (" + mFile + ")");
    return static_cast<int>(RandomIndex(list.size()));
}

void NamePool::RequireNames() const
{
    if (mMale.empty())
        FATAL_ERROR("No male forenames in the name pool (" + mFile + ")");
    if (mFemale.empty())
        FATAL_ERROR("No female forenames in the name pool (" + mFile + ")");
    if (mSurnames.empty())
        FATAL_ERROR("No surnames in the name pool (" + mFile + ")");
}

int NamePool::RandomForenameID(bool female) const
{
    return female ? RandomID(mFemale, "female forenames") : RandomID(mMale, "male forenames");
}

int NamePool::RandomSurnameID() const { return RandomID(mSurnames, "surnames"); }

std::string NamePool::RandomMaleForename() const { return At(mMale, RandomForenameID(false)); }

std::string NamePool::RandomFemaleForename() const { return At(mFemale, RandomForenameID(true)); }

std::string NamePool::RandomSurname() const { return At(mSurnames, RandomSurnameID()); }

std::string NamePool::RandomName(bool female) const
{
    // Surname first, then forename: the order of the draws is part of a replay.
    std::string surname = RandomSurname();
    std::string forename = female ? RandomFemaleForename() : RandomMaleForename();
    return forename + " " + surname;
}

std::string NamePool::Forename(int id, bool female) const { return At(female ? mFemale : mMale, id); }

std::string NamePool::Surname(int id) const { return At(mSurnames, id); }
