#include "engine/ConfigFile.h"

#include "engine/Diagnostics.h"
#include "gamedata/UserSettingsFile.h"
#include "platform/IniFile.h"
#include "platform/NumberText.h"
#include "platform/PlatformFiles.h"

namespace {
constexpr const char* kConfigFile = "data\\config.muf";
constexpr const char* kConfigSection = "config";
}  // namespace

std::string ConfigFile::ReadPath() const
{
    return mPath.empty() ? UserSettingsFile(kConfigFile).ReadPath() : mPath;
}

std::string ConfigFile::WritePath() const
{
    if (!mPath.empty())
        return mPath;
    std::string path = UserSettingsFile(kConfigFile).WritePath();
    return path.empty() ? PlatformFiles::NormalizeSlashes(kConfigFile) : path;
}

int ConfigFile::ReadInt(const std::string& key, int fallback) const
{
    return IniFile::ReadInt(ReadPath(), kConfigSection, key, fallback);
}

void ConfigFile::WriteInt(const std::string& key, int value) const
{
    std::string path = WritePath();
    // The player's copy starts as a copy of the shipped settings, so the
    // other switches keep their values.
    std::string shipped;
    if (!PlatformFiles::IsFile(path) && PlatformFiles::ReadFile(ReadPath(), shipped))
        PlatformFiles::WriteFileAtomically(path, shipped);
    std::string error;
    if (!IniFile::WriteString(path, kConfigSection, key, NumberText::FormatInt(value), &error))
        TRACE_MESSAGE("Failed to write " + path + ": " + error);
}
