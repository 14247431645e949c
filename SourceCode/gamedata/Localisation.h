#pragma once
#include <string>
#include <utility>
#include <vector>

// Player-visible text. Every caption, tooltip and message is a key looked up in
// the "strings" section of "data/strings.ini"; graded and random texts come
// from numbered sections ("0", "1", ...) of the same file.

// The localised text of a token, or the token itself when it is missing or empty.
std::string translate(const std::string& token);

// Entry "i" of a section with n entries, i = whole part of n * fraction, kept
// within 0..n-1 (so 1.0 gives the last entry). "" when the entry is missing.
std::string translateGraded(float fraction, const std::string& section);

// A randomly chosen entry of a section, drawn from the shared generator.
// An empty section logs "WARNING - No random translation keys found" and gives "".
std::string translateRandom(const std::string& section);

// translate(token) with every "<NAME>" placeholder replaced by its value. The
// parameter text is "NAME=value,NAME2=value2,": a pair is taken when its comma
// is read, so a last pair without its comma is lost. A placeholder without a
// value logs "failed to find token:NAME" and is replaced by nothing.
std::string expandTokens(const std::string& token, const std::string& parameters);

// The same with the pairs given directly, so values may contain commas.
using TokenParameters = std::vector<std::pair<std::string, std::string>>;
std::string expandTokens(const std::string& token, const TokenParameters& parameters);

// Placeholder replacement alone, on text that is already localised.
std::string ReplaceTokens(const std::string& text, const TokenParameters& parameters);
// "NAME=value,NAME2=value2," -> pairs (only those ended by a comma).
TokenParameters ParseTokenParameters(const std::string& parameters);

namespace Localisation {

constexpr const char* kStringsFile = "data/strings.ini";

// Points every look-up at another strings file and forgets everything loaded
// (tests, tools). The default is kStringsFile.
void SetStringsFile(const std::string& path);
const std::string& StringsFile();
// Forgets the loaded string table and section cache; the next look-up reloads.
void Reset();

}  // namespace Localisation
