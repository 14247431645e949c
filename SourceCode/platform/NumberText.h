#pragma once
#include <string>
#include <string_view>

// Number parsing and printing that never depends on the C locale.
//
// The parsers follow the classic C conversions used by the data files: leading
// white space is skipped, an optional sign is taken, conversion stops at the
// first character that does not fit, and text without a number gives 0.
namespace NumberText {

float ParseFloat(std::string_view text);    // like strtof / atof
double ParseDouble(std::string_view text);  // like strtod
int ParseInt(std::string_view text);        // like atoi (decimal; clamps instead of overflowing)
// True when the whole text, less surrounding white space, is one decimal
// number ("-1", "0.5", ".5", "2e3"): what a parser would take without
// stopping early or falling back to 0.
bool IsNumber(std::string_view text);

// Like printf("%.*f"): fixed notation with the given number of decimals.
std::string FormatFixed(double value, int decimals);
// Like printf("%d").
std::string FormatInt(long long value);

}  // namespace NumberText
