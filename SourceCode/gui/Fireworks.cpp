#include "gui/Fireworks.h"

#include <cmath>

#include "engine/D3DEngine.h"
#include "sound/GUI_Sounds.h"

namespace {
constexpr int kSparksPerBurst = 64;
constexpr float kGravity = 0.06f;
constexpr float kFade = 0.009f;
constexpr uint32_t kColours[] = {0xFFFFD24Au, 0xFFFF6A5Au, 0xFF6AD0FFu, 0xFF9CFF7Au, 0xFFFFFFFFu, 0xFFE08AFFu};
constexpr const char* kBangs[] = {"data/sounds/firework1.ogg", "data/sounds/firework2.ogg",
                                  "data/sounds/firework3.ogg"};
}  // namespace

Fireworks::Fireworks(const GRect& area) : mArea(area), mRandom(12345u) {}

void Fireworks::Burst()
{
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const float x = mArea.left + mArea.Width() * (0.15f + 0.7f * unit(mRandom));
    const float y = mArea.top + mArea.Height() * (0.1f + 0.4f * unit(mRandom));
    const uint32_t colour = kColours[mRandom() % (sizeof kColours / sizeof kColours[0])];
    for (int i = 0; i < kSparksPerBurst; ++i) {
        const float angle = 6.2831853f * i / kSparksPerBurst;
        const float speed = 1.5f + 2.0f * unit(mRandom);
        mSparks.push_back(Spark{x, y, std::cos(angle) * speed, std::sin(angle) * speed, 1.0f, colour});
    }
    GetSounds().PlaySound(kBangs[mRandom() % 3], false);
}

void Fireworks::Update()
{
    if (--mFramesToNextBurst <= 0) {
        Burst();
        mFramesToNextBurst = 25 + static_cast<int>(mRandom() % 40);
    }
    for (Spark& spark : mSparks) {
        spark.x += spark.dx;
        spark.y += spark.dy;
        spark.dy += kGravity;
        spark.life -= kFade;
    }
    std::erase_if(mSparks, [](const Spark& spark) { return spark.life <= 0.0f; });
}

void Fireworks::Draw() const
{
    D3DEngine& engine = GetD3DEngine();
    for (const Spark& spark : mSparks) {
        const uint32_t alpha = static_cast<uint32_t>(spark.life * 255.0f) << 24;
        const int x = static_cast<int>(spark.x);
        const int y = static_cast<int>(spark.y);
        engine.FillRect(GRect{x - 2, y - 2, x + 3, y + 3}, alpha | (spark.colour & 0x00FFFFFFu));
    }
}
