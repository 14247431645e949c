#include "engine/CTexturedSprite.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"

namespace {
constexpr size_t kMaxTextureName = 255;

std::vector<CTexturedSprite*>& List()
{
    // Never destroyed: objects of other singletons may unregister at exit.
    static auto* list = new std::vector<CTexturedSprite*>();
    return *list;
}
}  // namespace

CTexturedSprite::CTexturedSprite()
{
    List().push_back(this);
}

CTexturedSprite::CTexturedSprite(const std::string& textureName) : CTexturedSprite()
{
    SetTexture(textureName);
}

CTexturedSprite::CTexturedSprite(int left, int top, int right, int bottom) : BaseSprite(left, top, right, bottom)
{
    List().push_back(this);
}

CTexturedSprite::~CTexturedSprite()
{
    auto& list = List();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

const std::vector<CTexturedSprite*>& CTexturedSprite::Instances()
{
    return List();
}

void CTexturedSprite::SetTexture(const std::string& name)
{
    if (name == textureName_ && texture_)
        return;
    textureName_ = name.substr(0, kMaxTextureName);
    texture_ = GetD3DEngine().GetTexture(textureName_);
}

void CTexturedSprite::Draw()
{
    if (!IsOnScreen())
        return;
    if (!texture_) {
        DebugLog::Write("Rebuilding lost textured sprite pointer");
        texture_ = GetD3DEngine().GetTexture(textureName_);
    }
    D3DEngine& engine = GetD3DEngine();
    engine.SetTexture(texture_);
    engine.DrawQuad(vertices_);
}
