#include "engine/CTexturedSprite.h"

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"

namespace {
constexpr size_t kMaxTextureName = 255;
}  // namespace

CTexturedSprite::CTexturedSprite() = default;

CTexturedSprite::CTexturedSprite(const std::string& textureName) : CTexturedSprite()
{
    SetTexture(textureName);
}

CTexturedSprite::CTexturedSprite(int left, int top, int right, int bottom) : BaseSprite(left, top, right, bottom) {}

CTexturedSprite::~CTexturedSprite() = default;

void CTexturedSprite::SetTexture(const std::string& name)
{
    if (name == mTextureName && mTexture)
        return;
    mTextureName = name.substr(0, kMaxTextureName);
    mTexture = GetD3DEngine().GetTexture(mTextureName);
}

void CTexturedSprite::Draw()
{
    if (!IsOnScreen())
        return;
    if (!mTexture) {
        DebugLog::Write("Rebuilding lost textured sprite pointer");
        mTexture = GetD3DEngine().GetTexture(mTextureName);
    }
    D3DEngine& engine = GetD3DEngine();
    engine.SetTexture(mTexture);
    engine.DrawQuad(mVertices);
}
