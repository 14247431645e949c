#include "platform/GameFolder.h"

#include <filesystem>
#include <system_error>

namespace GameFolder {

std::string ProgramPath()
{
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
}

bool HasData(const std::string& folder)
{
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_directory(std::filesystem::path(folder) / "data", ec);
}

std::string ForProgram(const std::string& programPath)
{
    if (programPath.empty())
        return "";
    const std::filesystem::path own = std::filesystem::path(programPath).parent_path();
    if (HasData(own.string()))
        return own.string();
    const std::filesystem::path installed = (own / kInstalledData).lexically_normal();
    if (HasData(installed.string()))
        return installed.string();
    return "";
}

}  // namespace GameFolder
