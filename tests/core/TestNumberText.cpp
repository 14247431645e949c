#include <gtest/gtest.h>

#include <clocale>

#include "platform/NumberText.h"

using namespace NumberText;

TEST(NumberText, ParsesLikeTheCConversions)
{
    EXPECT_FLOAT_EQ(ParseFloat("0.25"), 0.25f);
    EXPECT_FLOAT_EQ(ParseFloat("  -1.5e1xyz"), -15.0f);
    EXPECT_FLOAT_EQ(ParseFloat("+.5"), 0.5f);
    EXPECT_FLOAT_EQ(ParseFloat("(1.0"), 0.0f);
    EXPECT_FLOAT_EQ(ParseFloat(""), 0.0f);
    EXPECT_FLOAT_EQ(ParseFloat("0 "), 0.0f);
    EXPECT_FLOAT_EQ(ParseFloat("1*x"), 1.0f);
    EXPECT_EQ(ParseInt(" 42\r\n"), 42);
    EXPECT_EQ(ParseInt("-7abc"), -7);
    EXPECT_EQ(ParseInt("x"), 0);
    EXPECT_EQ(ParseInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseInt("3.9"), 3);
}

TEST(NumberText, IgnoresTheLocale)
{
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    // A comma-decimal locale, when the machine has one; the results must not change.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_FLOAT_EQ(ParseFloat("1.25"), 1.25f);
    EXPECT_EQ(FormatFixed(1.0, 2), "1.00");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, FormatsLikePrintf)
{
    EXPECT_EQ(FormatFixed(0.5, 2), "0.50");
    EXPECT_EQ(FormatFixed(2.0 / 3.0, 6), "0.666667");
    EXPECT_EQ(FormatFixed(-0.125, 0), "-0");
    EXPECT_EQ(FormatInt(-12), "-12");
}

TEST(NumberText, IsNumberTakesOnlyAWholeNumber)
{
    struct Case {
        const char* text;
        bool number;
    };
    const Case cases[] = {
        {"2000", true},  {" -0.5 ", true}, {".5", true},     {"5.", true},    {"+2e3", true},  {"1E-2\r", true},
        {"", false},     {"lots", false},  {"12abc", false}, {"1.2.3", false}, {".", false},   {"-", false},
        {"2e", false},   {"e5", false},    {"1 2", false},   {"0x10", false}, {"1,5", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsNumber(c.text), c.number) << '"' << c.text << '"';
}
