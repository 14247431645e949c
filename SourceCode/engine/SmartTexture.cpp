#include "engine/SmartTexture.h"

#include <algorithm>

#include "engine/D3DEngine.h"

namespace {
std::vector<SmartTexture*>& List()
{
    // Never destroyed: objects of other singletons may unregister at exit.
    static auto* list = new std::vector<SmartTexture*>();
    return *list;
}
}  // namespace

SmartTexture::SmartTexture()
{
    List().push_back(this);
}

SmartTexture::SmartTexture(const std::string& name) : SmartTexture()
{
    SetName(name);
}

SmartTexture::~SmartTexture()
{
    auto& list = List();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

const std::vector<SmartTexture*>& SmartTexture::Instances()
{
    return List();
}

void SmartTexture::ResolveAll()
{
    for (SmartTexture* texture : List())
        texture->Resolve();
}

void SmartTexture::SetName(const std::string& name)
{
    name_ = name;
    Resolve();
}

void SmartTexture::Resolve()
{
    texture_ = name_.empty() ? nullptr : GetD3DEngine().GetTexture(name_);
}

void SmartTexture::Bind()
{
    // Textures dropped since the last use are found again here.
    if (!texture_ && !name_.empty())
        Resolve();
    GetD3DEngine().SetTexture(texture_);
}
