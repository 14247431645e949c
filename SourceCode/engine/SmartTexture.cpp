#include "engine/SmartTexture.h"

#include "engine/D3DEngine.h"

SmartTexture::SmartTexture() = default;

SmartTexture::SmartTexture(const std::string& name) : SmartTexture()
{
    SetName(name);
}

SmartTexture::~SmartTexture() = default;

void SmartTexture::ResolveAll()
{
    for (SmartTexture* texture : Instances())
        texture->Resolve();
}

void SmartTexture::SetName(const std::string& name)
{
    mName = name;
    Resolve();
}

void SmartTexture::Resolve()
{
    mTexture = mName.empty() ? nullptr : GetD3DEngine().GetTexture(mName);
}

void SmartTexture::Bind()
{
    // Textures dropped since the last use are found again here.
    if (!mTexture && !mName.empty())
        Resolve();
    GetD3DEngine().SetTexture(mTexture);
}
