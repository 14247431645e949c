#pragma once
#include <string>
#include <vector>

#include "engine/BaseSprite.h"

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
    const std::string& TextureName() const { return textureName_; }
    TextureRecord* Texture() const { return texture_; }
    void ForgetTexture() { texture_ = nullptr; }

    static const std::vector<CTexturedSprite*>& Instances();

private:
    TextureRecord* texture_ = nullptr;
    std::string textureName_;
};
