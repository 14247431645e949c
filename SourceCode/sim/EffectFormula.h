#pragma once
#include <string>
#include <string_view>

// An effect formula: the one shape  A op1 ( B op2 C )  read by a fixed-position
// scanner, e.g. "0+(1.0*x)" or "-0.2+(0.4*x)". The operators are * + - / ^.
// The scanning rules are exact and deliberately unforgiving: "0+ (1.0*x)" is
// worth 0, because the blank takes the place of the parenthesis.
//
// The text is scanned once when the formula is made; evaluating the parsed
// form gives the same result as scanning again every time.
class EffectFormula {
public:
    static constexpr size_t kMaxLength = 31;
    static constexpr size_t kMaxOperandLength = 15;

    EffectFormula() = default;
    // Scans the text. A malformed text is reported (once) and evaluates to 0.
    explicit EffectFormula(std::string_view text);

    float Evaluate(float x) const;
    const std::string& Text() const { return mText; }
    bool IsWellFormed() const { return mWellFormed; }

    // a op b in single precision; any other operator is fatal ("unknown operator").
    static float ApplyOperator(float a, char op, float b);

    // Scans and evaluates in one go, without keeping anything.
    static float Evaluate(std::string_view text, float x);

    // The one shared parsed copy of a formula text. Effects hold these: a
    // population of voters has hundreds of thousands of links but only a
    // handful of distinct formulas. The copies live as long as the process.
    static const EffectFormula* Intern(std::string_view text);

private:
    struct Operand {
        bool isVariable = false;
        float constant = 0.0f;
        float Value(float x) const { return isVariable ? x : constant; }
    };

    static Operand ReadOperand(std::string_view text, bool& tooLong);

    std::string mText;
    Operand mA, mB, mC;
    char mOp1 = '+';
    char mOp2 = '+';
    bool mValid = false;       // both operators found: the formula has a value
    bool mWellFormed = false;  // and nothing was missing or cut
};
