#include "platform/NumberText.h"

#include <charconv>
#include <climits>
#include <cmath>

namespace NumberText {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

template <typename T>
T ParseReal(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // A second sign is not a number ("+-1" gives 0, as strtod does).
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        return T(0);
    T value = T(0);
    auto result = std::from_chars(text.data() + i, text.data() + text.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow; strtod gives +-HUGE_VAL or 0.
        bool tiny = false;
        for (const char* p = text.data() + i; p < result.ptr; ++p) {
            if (*p == 'e' || *p == 'E') {
                tiny = p + 1 < result.ptr && p[1] == '-';
                break;
            }
        }
        value = tiny ? T(0) : HUGE_VAL;
    } else if (result.ec != std::errc()) {
        return T(0);
    }
    return negative ? -value : value;
}

}  // namespace

float ParseFloat(std::string_view text) { return ParseReal<float>(text); }

double ParseDouble(std::string_view text) { return ParseReal<double>(text); }

int ParseInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

bool IsNumber(std::string_view text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsSpace(text[begin]))
        ++begin;
    while (end > begin && IsSpace(text[end - 1]))
        --end;
    size_t i = begin;
    auto digits = [&] {
        const size_t from = i;
        while (i < end && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < end && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t mantissa = digits();
    if (i < end && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == end;
}

std::string FormatFixed(double value, int decimals)
{
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return "0";
    std::string text(buffer, result.ptr);
    return text;
}

std::string FormatInt(long long value)
{
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace NumberText
