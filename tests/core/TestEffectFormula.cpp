#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "sim/EffectFormula.h"

namespace {

float Eval(const char* text, float x) { return EffectFormula::Evaluate(text, x); }

TEST(EffectFormula, ExamplesAndFixedPositionScanning)
{
    struct Case {
        const char* text;
        float x, value;
    };
    const Case cases[] = {
        {"0+(1.0*x)", 0.37f, 0.37f},   {"-0.2+(0.4*x)", 1.0f, 0.2f}, {"0+(x^2)", 0.5f, 0.25f},
        {"1-(0.5/x)", 0.25f, -1.0f},   {"0.5*(x+1)", 0.2f, 0.6f},
        {"0+(-1*x)", 0.7f, -1.0f},     // B is empty, the minus is op2, C is "1*x", worth 1
        {"0+(2^x)", 0.9f, 1.0f},       // the exponent truncates toward zero
        {"0+(2^x)", -1.7f, 0.5f},      {"0+(x^-2)", 0.5f, 4.0f},
        {"0+(1.0*x)abc", 0.3f, 0.3f},  // text after the closing parenthesis is ignored
        {"0 +(1.0*x)", 0.3f, 0.3f},    // a blank after A is part of A ("0 " is 0)
        {"0+ (1.0*x)", 0.3f, 0.0f},    // a blank after op1 takes the parenthesis' place: B is "(1.0"
        {"0+(1.0*X)", 0.3f, 0.0f},     // only lower-case x is the variable
        {"-0.5+(1.0*x)", 0.25f, -0.25f},  // a leading minus belongs to A
        {"0+(x*-1.5)", 2.0f, -3.0f},   // C may hold a signed number
        {"0+(3^x)", 5.0f, 243.0f},     {"0+(2^x)", -3.0f, 0.125f}, {"0+(7^x)", 0.0f, 1.0f},  // repeated squaring
        {"0+(0.5^x)", 1e12f, 0.0f},    // a huge exponent does not overflow
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(Eval(c.text, c.x), c.value) << c.text << " at " << c.x;
}

TEST(EffectFormula, DivisionByZeroIsNotTrappedButAnUnknownOperatorIsFatal)
{
    EXPECT_TRUE(std::isinf(Eval("0+(1/x)", 0.0f)));
    EXPECT_TRUE(std::isnan(Eval("0+(x/x)", 0.0f)));
    EXPECT_EQ(FatalMessageOf([] { EffectFormula::ApplyOperator(1.0f, '%', 2.0f); }), "unknown operator");
}

TEST(EffectFormula, MalformedTextIsReportedAndStaysInsideTheText)
{
    LogCapture log;
    int before = Diagnostics::AssertionFailures();
    for (const char* text : {"", "x", "0.5", "0+", "0+(", "0+(x"})
        EXPECT_FLOAT_EQ(Eval(text, 0.5f), 0.0f) << text;
    // Missing only the closing parenthesis: C runs to the end of the text.
    EXPECT_FLOAT_EQ(Eval("0+(1.0*x", 0.5f), 0.5f);
    EXPECT_GE(Diagnostics::AssertionFailures(), before + 7);
    EXPECT_TRUE(log.Contains("malformed effect formula"));
    // Well-formed texts raise nothing.
    int after = Diagnostics::AssertionFailures();
    Eval("0+(1.0*x)", 0.5f);
    EXPECT_EQ(Diagnostics::AssertionFailures(), after);
}

TEST(EffectFormula, ParsedFormEqualsRescanning)
{
    // The cached form must agree with a fresh scan for every input.
    const char* formulas[] = {"0+(1.0*x)", "-0.2+(0.4*x)", "0+(x^2)", "1-(0.5/x)", "0.5*(x+1)", "0+(-1*x)",
                              "0+(2^x)",   "0+(x^-2)",     "0.1*(x-0.5)", "2/(x+2)"};
    for (const char* text : formulas) {
        EffectFormula formula(text);
        EXPECT_TRUE(formula.IsWellFormed()) << text;
        for (float x = -1.0f; x <= 1.0f; x += 0.125f) {
            float a = formula.Evaluate(x);
            float b = EffectFormula::Evaluate(text, x);
            if (std::isnan(a))
                EXPECT_TRUE(std::isnan(b)) << text << " at " << x;
            else
                EXPECT_EQ(a, b) << text << " at " << x;
        }
    }
}

TEST(EffectFormula, OverlongOperandsAreCutAtFifteenCharactersAndReported)
{
    LogCapture log;
    int before = Diagnostics::AssertionFailures();
    // B holds 18 digits; only the first 15 count.
    EffectFormula formula("0+(123456789012345678*x)");
    EXPECT_FALSE(formula.IsWellFormed());
    EXPECT_FLOAT_EQ(formula.Evaluate(1.0f), 123456789012345.0f);
    EXPECT_EQ(Diagnostics::AssertionFailures(), before + 1);
    EXPECT_TRUE(log.Contains("malformed effect formula (operand too long): 0+(123456789012345678*x)"));
    // Exactly fifteen characters is fine.
    EXPECT_TRUE(EffectFormula("0+(0.1234567890123*x)").IsWellFormed());
}

}  // namespace
