#include "ArtWriter.h"

#include <cstdio>
#include <filesystem>

void ArtWriter::Save(const Canvas& canvas, const std::string& relativePath)
{
    std::filesystem::path path = std::filesystem::path(bitmapsDir_) / relativePath;
    std::filesystem::create_directories(path.parent_path());
    std::string ext = path.extension().string(), error;
    bool ok = false;
    if (ext == ".dds")
        ok = canvas.WriteDds(path.string(), error);
    else if (ext == ".jpg")
        ok = canvas.WriteJpeg(path.string(), 88, error);
    else if (ext == ".bmp")
        ok = canvas.WriteBmp(path.string(), error);
    else if (ext == ".png")
        ok = canvas.WritePng(path.string(), error);
    else
        error = "unknown image type for " + relativePath;
    if (!ok) {
        Fail(error);
        return;
    }
    written_.push_back(path.string());
}

void ArtWriter::Fail(const std::string& message)
{
    std::fprintf(stderr, "texturegen: %s\n", message.c_str());
    ++failures_;
}
