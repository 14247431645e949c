#pragma once
#include <string>

// Where the game's data folder lies. A program finds "data/" beside itself
// (a portable copy), else in "../share/rulecraft" from its own folder (an
// installed copy: PREFIX/bin and PREFIX/share/rulecraft).
namespace GameFolder {

constexpr const char* kInstalledData = "../share/rulecraft";

// The running program's own path; "" when the system does not say.
std::string ProgramPath();
// The folder holding "data/" for a program at that path; "" when neither place has it.
std::string ForProgram(const std::string& programPath);
bool HasData(const std::string& folder);

}  // namespace GameFolder
