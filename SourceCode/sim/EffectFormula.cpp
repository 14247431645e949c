#include "sim/EffectFormula.h"

#include <cstdlib>
#include <memory>
#include <unordered_map>

#include "engine/Diagnostics.h"
#include "platform/NumberText.h"

namespace {
bool IsOperator(char c) { return c == '*' || c == '+' || c == '-' || c == '/' || c == '^'; }

// Index of the first operator at or after 'from'; the text's size when there is none.
size_t FindOperator(std::string_view text, size_t from)
{
    while (from < text.size() && !IsOperator(text[from]))
        ++from;
    return from < text.size() ? from : text.size();
}
}  // namespace

EffectFormula::Operand EffectFormula::ReadOperand(std::string_view text, bool& tooLong)
{
    if (text.size() > kMaxOperandLength) {
        tooLong = true;
        text = text.substr(0, kMaxOperandLength);
    }
    Operand operand;
    // Only the exact one-letter text "x" is the variable; "X" is worth 0.
    if (text == "x")
        operand.isVariable = true;
    else
        operand.constant = NumberText::ParseFloat(text);
    return operand;
}

EffectFormula::EffectFormula(std::string_view text) : mText(text)
{
    const size_t n = text.size();
    // Operand A runs to the first operator at index 1 or later, so A may carry a sign.
    size_t op1At = FindOperator(text, 1);
    if (op1At >= n) {
        TRACE_MESSAGE("malformed effect formula (no operator): " + mText);
        ASSERT_CHECK(false);
        return;
    }
    // The character after op1 is skipped unseen: it should be the '('.
    size_t bStart = op1At + 2;
    size_t op2At = FindOperator(text, bStart);
    if (op2At >= n) {
        TRACE_MESSAGE("malformed effect formula (no inner operator): " + mText);
        ASSERT_CHECK(false);
        return;
    }
    size_t cStart = op2At + 1;
    size_t close = text.find(')', cStart);
    bool closed = close != std::string_view::npos;
    if (!closed)
        close = n;

    bool tooLong = false;
    mA = ReadOperand(text.substr(0, op1At), tooLong);
    mOp1 = text[op1At];
    mB = ReadOperand(text.substr(bStart, op2At - bStart), tooLong);
    mOp2 = text[op2At];
    mC = ReadOperand(text.substr(cStart, close - cStart), tooLong);
    mWellFormed = closed && !tooLong;
    if (!mWellFormed) {
        TRACE_MESSAGE(std::string("malformed effect formula (") + (closed ? "operand too long" : "no closing parenthesis") +
                      "): " + mText);
        ASSERT_CHECK(false);
    }
    // A formula missing only its ')' or with an over-long operand still has a
    // value: the scan stopped at the end of the text or at 15 characters.
    mValid = true;
}

float EffectFormula::Evaluate(float x) const
{
    if (!mValid)
        return 0.0f;
    float inner = ApplyOperator(mB.Value(x), mOp2, mC.Value(x));
    return ApplyOperator(mA.Value(x), mOp1, inner);
}

float EffectFormula::Evaluate(std::string_view text, float x) { return EffectFormula(text).Evaluate(x); }

const EffectFormula* EffectFormula::Intern(std::string_view text)
{
    static std::unordered_map<std::string, std::unique_ptr<EffectFormula>> formulas;
    std::string key(text);
    auto found = formulas.find(key);
    if (found != formulas.end())
        return found->second.get();
    auto formula = std::make_unique<EffectFormula>(text);
    const EffectFormula* shared = formula.get();
    formulas.emplace(std::move(key), std::move(formula));
    return shared;
}

float EffectFormula::ApplyOperator(float a, char op, float b)
{
    switch (op) {
    case '*':
        return a * b;
    case '+':
        return a + b;
    case '-':
        return a - b;
    case '/':
        return a / b;  // not trapped: the neuron's clamp deals with inf and NaN
    case '^': {
        // Integer power by repeated squaring; the exponent truncates toward zero.
        // Clamped first so that a huge exponent cannot overflow the conversion.
        float clamped = b != b ? 0.0f : (b > 1e9f ? 1e9f : (b < -1e9f ? -1e9f : b));
        long long n = static_cast<long long>(clamped);
        unsigned long long bits = static_cast<unsigned long long>(n < 0 ? -n : n);
        float result = 1.0f;
        float power = a;
        while (bits) {
            if (bits & 1u)
                result *= power;
            power *= power;
            bits >>= 1;
        }
        return n < 0 ? 1.0f / result : result;
    }
    default:
        FATAL_ERROR("unknown operator");
    }
}
