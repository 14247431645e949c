#pragma once
#include <string>
#include <vector>

#include "engine/InstanceList.h"

struct TextureRecord;

// A texture held by name that finds its pixels again after the renderer
// dropped its textures (display re-creation, full-screen toggle).
class SmartTexture {
public:
    SmartTexture();
    explicit SmartTexture(const std::string& name);
    virtual ~SmartTexture();
    SmartTexture(const SmartTexture&) = delete;
    SmartTexture& operator=(const SmartTexture&) = delete;

    void SetName(const std::string& name);  // stores and resolves it
    void Resolve();                         // looks the name up again ("" gives none)
    void Bind();                            // binds the texture, or none
    void Forget() { mTexture = nullptr; }   // the renderer dropped its textures
    const std::string& Name() const { return mName; }
    TextureRecord* Texture() const { return mTexture; }

    static const std::vector<SmartTexture*>& Instances() { return InstanceList<SmartTexture>::All(); }
    static void ResolveAll();

private:
    std::string mName;
    TextureRecord* mTexture = nullptr;
    InstanceList<SmartTexture> mRegistration{this};
};
