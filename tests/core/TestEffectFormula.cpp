#include <gtest/gtest.h>

#include <cmath>

#include "TestSupport.h"
#include "sim/EffectFormula.h"

namespace {

float Eval(const char* text, float x) { return EffectFormula::Evaluate(text, x); }

TEST(EffectFormula, ExamplesFromTheDataFiles)
{
    EXPECT_FLOAT_EQ(Eval("0+(1.0*x)", 0.37f), 0.37f);
    EXPECT_FLOAT_EQ(Eval("-0.2+(0.4*x)", 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(Eval("-0.2+(0.4*x)", 1.0f), 0.2f);
    EXPECT_FLOAT_EQ(Eval("0+(x^2)", 0.5f), 0.25f);
    EXPECT_FLOAT_EQ(Eval("1-(0.5/x)", 0.25f), -1.0f);
    EXPECT_FLOAT_EQ(Eval("0.5*(x+1)", 0.2f), 0.6f);
}

TEST(EffectFormula, FixedPositionScanningQuirks)
{
    // B is empty, the minus is op2, C is the text "1*x" which converts as 1.
    EXPECT_FLOAT_EQ(Eval("0+(-1*x)", 0.7f), -1.0f);
    EXPECT_FLOAT_EQ(Eval("0+(-1*x)", -0.3f), -1.0f);
    // The exponent truncates toward zero.
    EXPECT_FLOAT_EQ(Eval("0+(2^x)", 0.9f), 1.0f);
    EXPECT_FLOAT_EQ(Eval("0+(2^x)", -1.7f), 0.5f);
    EXPECT_FLOAT_EQ(Eval("0+(x^-2)", 0.5f), 4.0f);
    // Text after the closing parenthesis is ignored.
    EXPECT_FLOAT_EQ(Eval("0+(1.0*x)abc", 0.3f), 0.3f);
    // A blank after A is part of A ("0 " is 0); a blank after op1 takes the
    // place of the parenthesis, so B is "(1.0", worth 0.
    EXPECT_FLOAT_EQ(Eval("0 +(1.0*x)", 0.3f), 0.3f);
    EXPECT_FLOAT_EQ(Eval("0+ (1.0*x)", 0.3f), 0.0f);
    // Only lower-case x is the variable.
    EXPECT_FLOAT_EQ(Eval("0+(1.0*X)", 0.3f), 0.0f);
    // A leading minus belongs to A.
    EXPECT_FLOAT_EQ(Eval("-0.5+(1.0*x)", 0.25f), -0.25f);
    // C may hold a signed number.
    EXPECT_FLOAT_EQ(Eval("0+(x*-1.5)", 2.0f), -3.0f);
}

TEST(EffectFormula, PowerByRepeatedSquaring)
{
    EXPECT_FLOAT_EQ(EffectFormula::ApplyOperator(3.0f, '^', 5.0f), 243.0f);
    EXPECT_FLOAT_EQ(EffectFormula::ApplyOperator(2.0f, '^', -3.0f), 0.125f);
    EXPECT_FLOAT_EQ(EffectFormula::ApplyOperator(7.0f, '^', 0.0f), 1.0f);
    EXPECT_FLOAT_EQ(EffectFormula::ApplyOperator(0.5f, '^', 1e12f), 0.0f);  // huge exponent: no overflow
}

TEST(EffectFormula, DivisionByZeroIsNotTrapped)
{
    EXPECT_TRUE(std::isinf(Eval("0+(1/x)", 0.0f)));
    EXPECT_TRUE(std::isnan(Eval("0+(x/x)", 0.0f)));
}

TEST(EffectFormula, UnknownOperatorIsFatal)
{
    FatalCatcher catcher;
    try {
        EffectFormula::ApplyOperator(1.0f, '%', 2.0f);
        FAIL();
    } catch (const FatalErrorRaised& e) {
        EXPECT_EQ(e.message, "unknown operator");
    }
}

TEST(EffectFormula, MalformedTextIsReportedAndStaysInsideTheText)
{
    LogCapture log;
    int before = Diagnostics::AssertionFailures();
    EXPECT_FLOAT_EQ(Eval("", 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(Eval("x", 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(Eval("0.5", 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(Eval("0+", 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(Eval("0+(", 0.5f), 0.0f);
    EXPECT_FLOAT_EQ(Eval("0+(x", 0.5f), 0.0f);
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
