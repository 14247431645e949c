#include "SimArguments.h"

#include <cctype>

#include "platform/NumberText.h"

bool ParseWholeInt(const std::string& text, long long& value)
{
    if (text.empty() || text.size() > 18)
        return false;
    size_t i = (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (i == text.size())
        return false;
    long long result = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        result = result * 10 + (text[i] - '0');
    }
    value = text[0] == '-' ? -result : result;
    return true;
}

bool ParseWholeFloat(const std::string& text, float& value)
{
    // digits, at most one point, an optional sign in front; nothing else.
    size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    if (!digits)
        return false;
    value = NumberText::ParseFloat(text);
    return true;
}

const char* SimArguments::Usage()
{
    return "usage: rulecraft-sim [--game DIR] [--user DIR] [--mission NAME] [--turns N] [--seed S]\n"
           "                     [--watch NAME[,NAME...]] [--actions FILE] [--format csv|json] [--quiet]\n"
           "                     [--log FILE] [--load NAME]\n";
}

bool SimArguments::Parse(const std::vector<std::string>& args, SimArguments& out, std::string& error)
{
    out = SimArguments();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            into = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            out.help = true;
        } else if (arg == "--quiet") {
            out.quiet = true;
        } else if (arg == "--game") {
            if (!value(out.gameFolder))
                return false;
        } else if (arg == "--user") {
            if (!value(out.userFolder))
                return false;
        } else if (arg == "--mission") {
            if (!value(out.missionName))
                return false;
            if (out.missionName.empty() || out.missionName.find_first_of("/\\") != std::string::npos ||
                out.missionName == "." || out.missionName == "..") {
                error = "--mission takes a mission name, not a path: " + out.missionName;
                return false;
            }
        } else if (arg == "--turns") {
            long long turns = 0;
            if (!value(text))
                return false;
            if (!ParseWholeInt(text, turns) || turns < 0 || turns > 1000000) {
                error = "--turns needs a whole number from 0 to 1000000: " + text;
                return false;
            }
            out.turns = static_cast<int>(turns);
        } else if (arg == "--seed") {
            long long seed = 0;
            if (!value(text))
                return false;
            if (!ParseWholeInt(text, seed) || seed < 0 || seed > 4294967295LL) {
                error = "--seed needs a whole number from 0 to 4294967295: " + text;
                return false;
            }
            out.seeded = true;
            out.seed = static_cast<uint32_t>(seed);
        } else if (arg == "--watch") {
            if (!value(text))
                return false;
            size_t start = 0;
            while (start <= text.size()) {
                size_t comma = text.find(',', start);
                std::string name = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
                if (name.empty()) {
                    error = "--watch has an empty neuron name: " + text;
                    return false;
                }
                out.watched.push_back(name);
                if (comma == std::string::npos)
                    break;
                start = comma + 1;
            }
        } else if (arg == "--actions") {
            if (!value(out.actionsFile))
                return false;
        } else if (arg == "--log") {
            if (!value(out.logFile))
                return false;
        } else if (arg == "--load") {
            if (!value(out.loadName))
                return false;
        } else if (arg == "--format") {
            if (!value(text))
                return false;
            if (text == "csv")
                out.format = FORMAT_CSV;
            else if (text == "json")
                out.format = FORMAT_JSON;
            else {
                error = "--format is csv or json: " + text;
                return false;
            }
        } else {
            error = "unknown argument: " + arg;
            return false;
        }
    }
    return true;
}
