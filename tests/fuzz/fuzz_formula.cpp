// Feeds arbitrary text to the effect-formula scanner. The scanner must stay
// inside the text and never crash, whatever the data files hold.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/DebugLog.h"
#include "sim/EffectFormula.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    EffectFormula formula(text);
    const float inputs[] = {0.0f, 0.5f, -1.0f, 1.0f, 1e30f};
    for (float x : inputs) {
        volatile float value = formula.Evaluate(x);
        (void)value;
    }
    return 0;
}
