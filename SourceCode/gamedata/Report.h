#pragma once
#include <string>

// One page of the turn's reports.
struct Report {
    std::string title;
    std::string body;
};
