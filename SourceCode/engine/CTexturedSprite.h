#pragma once
#include <string>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/InstanceList.h"

struct TextureRecord;

// A sprite drawn with a texture named by file name. After the renderer
// dropped its textures the sprite finds its texture again at its next Draw.
class CTexturedSprite : public BaseSprite {
public:
    CTexturedSprite();
    explicit CTexturedSprite(const std::string& textureName);
    CTexturedSprite(int left, int top, int right, int bottom);
    ~CTexturedSprite() override;
    CTexturedSprite(const CTexturedSprite&) = delete;
    CTexturedSprite& operator=(const CTexturedSprite&) = delete;

    void Draw() override;
    void SetTexture(const std::string& name);
    const std::string& TextureName() const { return mTextureName; }
    TextureRecord* Texture() const { return mTexture; }
    void ForgetTexture() { mTexture = nullptr; }

    static const std::vector<CTexturedSprite*>& Instances() { return InstanceList<CTexturedSprite>::All(); }

private:
    TextureRecord* mTexture = nullptr;
    std::string mTextureName;
    InstanceList<CTexturedSprite> mRegistration{this};
};
