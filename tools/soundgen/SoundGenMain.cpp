// soundgen: synthesizes the game's music and sound effects as WAV files.
//   soundgen <output folder>
// writes <folder>/music/{theme,neutral,great,poorly,electionwin}.wav (stereo loops)
// and <folder>/{menuclick,click,crowd_*,firework1..3}.wav (mono effects).
// tools/make-assets.sh encodes them to Ogg Vorbis under data/sounds.
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "EffectComposer.h"
#include "MusicComposer.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: soundgen <output folder>\n");
        return 2;
    }
    std::filesystem::path root = argv[1];
    std::filesystem::create_directories(root / "music");

    const std::vector<std::pair<std::string, std::function<AudioBuffer()>>> music = {
        {"theme", MusicComposer::Theme},   {"neutral", MusicComposer::Neutral},
        {"great", MusicComposer::Great},   {"poorly", MusicComposer::Poorly},
        {"electionwin", MusicComposer::ElectionWin},
    };
    const std::vector<std::pair<std::string, std::function<AudioBuffer()>>> effects = {
        {"menuclick", EffectComposer::MenuClick},
        {"click", EffectComposer::Click},
        {"crowd_angry", EffectComposer::CrowdAngry},
        {"crowd_clap", EffectComposer::CrowdClap},
        {"crowd_cheer", EffectComposer::CrowdCheer},
        {"firework1", [] { return EffectComposer::Firework(1); }},
        {"firework2", [] { return EffectComposer::Firework(2); }},
        {"firework3", [] { return EffectComposer::Firework(3); }},
    };

    int failures = 0;
    auto write = [&](const std::filesystem::path& path, const AudioBuffer& buffer, bool mono) {
        if (!buffer.WriteWav(path.string(), mono)) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", path.string().c_str());
            ++failures;
            return;
        }
        std::printf("%-28s %5.1f s\n", path.filename().string().c_str(), buffer.Seconds());
    };
    for (const auto& [name, make] : music) write(root / "music" / (name + ".wav"), make(), false);
    for (const auto& [name, make] : effects) write(root / (name + ".wav"), make(), true);
    return failures == 0 ? 0 : 1;
}
