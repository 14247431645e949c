#pragma once
#include <functional>
#include <string>

// Plays the shipped mission and writes PNGs of the main screen and its
// windows; report gets each file name written, or "" for a failure.
void ShootMainScreen(const std::string& folder, const std::function<void(const std::string&)>& report);
