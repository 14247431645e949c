#include "MusicComposer.h"

#include <functional>

#include "Instruments.h"
#include "Reverb.h"
#include "Rng.h"

namespace {

using Note = MusicComposer::Note;
using Chord = MusicComposer::Chord;
using Bars = std::vector<std::vector<Note>>;  // melody, one list per bar

constexpr double kTail = 5.0;  // seconds of ringing folded back onto the start

// Timing of a song: bars of four beats at a tempo.
struct Clock {
    double bpm;
    double Beat(double beats) const { return beats * 60.0 / bpm; }
    double Bar(int bar, double beat = 0) const { return Beat(bar * 4.0 + beat); }
};

// The chords laid out bar by bar, repeated until `totalBars`.
std::vector<const Chord*> BarChords(const std::vector<Chord>& progression, int totalBars)
{
    std::vector<const Chord*> bars;
    while (int(bars.size()) < totalBars)
        for (const Chord& c : progression)
            for (int i = 0; i < c.bars && int(bars.size()) < totalBars; ++i) bars.push_back(&c);
    return bars;
}

void PlayPads(AudioBuffer& out, const Clock& clock, const std::vector<const Chord*>& bars, float level)
{
    // A chord held over several bars is played as one long note.
    for (size_t b = 0; b < bars.size();) {
        size_t end = b + 1;
        while (end < bars.size() && bars[end] == bars[b]) ++end;
        double start = clock.Bar(int(b)), length = clock.Bar(int(end)) - start;
        float pan = -0.3f;
        for (int n : bars[b]->voicing) {
            Instruments::Pad(out, start, length, n, level, pan);
            pan += 0.3f;
        }
        b = end;
    }
}

void PlayMelody(const Clock& clock, const Bars& melody, int firstBar,
                const std::function<void(double, double, int)>& play)
{
    for (size_t b = 0; b < melody.size(); ++b)
        for (const Note& n : melody[b]) play(clock.Bar(firstBar + int(b), n.beat), clock.Beat(n.length), n.pitch);
}

AudioBuffer Finish(AudioBuffer out, double loopSeconds, float wet)
{
    Reverb::Apply(out, wet);
    out.FoldTail(loopSeconds);
    out.Normalise(0.8f);
    return out;
}

}  // namespace

AudioBuffer MusicComposer::Theme()
{
    // Menus: stately and hopeful, C major at a walking pace.
    const Clock clock{76};
    const int totalBars = 16;
    const double seconds = clock.Bar(totalBars);
    AudioBuffer out(seconds + kTail);
    Rng rng(101);
    std::vector<Chord> progression = {
        {{55, 60, 64}, 36, 1}, {{57, 60, 64}, 33, 1}, {{57, 60, 65}, 41, 1}, {{55, 59, 62}, 43, 1},
        {{55, 60, 64}, 36, 1}, {{55, 59, 64}, 40, 1}, {{57, 60, 65}, 41, 1}, {{55, 59, 62}, 43, 1},
    };
    auto bars = BarChords(progression, totalBars);
    PlayPads(out, clock, bars, 0.16f);
    const int pattern[] = {0, 1, 2, 3, 2, 1, 2, 1};
    for (int b = 0; b < totalBars; ++b) {
        const auto& v = bars[size_t(b)]->voicing;
        int tones[] = {v[0] + 12, v[1] + 12, v[2] + 12, v[0] + 24};
        for (int s = 0; s < 8; ++s)
            Instruments::Pluck(out, clock.Bar(b, s * 0.5), tones[pattern[s]], 0.22f, s % 2 ? 0.35f : -0.35f, rng);
        Instruments::Bass(out, clock.Bar(b), clock.Beat(1.8), bars[size_t(b)]->bass, 0.32f);
        Instruments::Bass(out, clock.Bar(b, 2), clock.Beat(1.8), bars[size_t(b)]->bass, 0.26f);
    }
    Bars melody = {
        {{0, 2, 76}, {2, 2, 79}}, {{0, 3, 81}, {3, 1, 79}}, {{0, 2, 77}, {2, 2, 81}}, {{0, 4, 79}},
        {{0, 1, 76}, {1, 1, 77}, {2, 2, 79}}, {{0, 2, 71}, {2, 2, 76}}, {{0, 2, 77}, {2, 1, 76}, {3, 1, 74}},
        {{0, 3, 74}, {3, 1, 71}},
        {{0, 1, 72}, {1, 1, 76}, {2, 1, 79}, {3, 1, 84}}, {{0, 3, 81}, {3, 1, 79}},
        {{0, 2, 77}, {2, 1, 81}, {3, 1, 84}}, {{0, 2, 83}, {2, 2, 79}}, {{0, 2, 84}, {2, 1, 79}, {3, 1, 76}},
        {{0, 2, 79}, {2, 2, 76}}, {{0, 1, 77}, {1, 1, 76}, {2, 2, 74}}, {{0, 2, 71}, {2, 2, 74}},
    };
    PlayMelody(clock, melody, 0, [&](double t, double len, int p) { Instruments::Bell(out, t, len, p, 0.20f, 0.1f); });
    return Finish(std::move(out), seconds, 0.35f);
}

AudioBuffer MusicComposer::Neutral()
{
    // Ordinary days in office: thoughtful, A minor, unhurried.
    const Clock clock{68};
    const int totalBars = 16;
    const double seconds = clock.Bar(totalBars);
    AudioBuffer out(seconds + kTail);
    Rng rng(202);
    std::vector<Chord> progression = {
        {{57, 60, 64}, 45, 2}, {{57, 60, 65}, 41, 2}, {{55, 60, 64}, 48, 2}, {{55, 59, 62}, 43, 2}};
    auto bars = BarChords(progression, totalBars);
    PlayPads(out, clock, bars, 0.15f);
    const int pattern[] = {0, 2, 1, 2, 3, 2, 1, 2};
    for (int b = 0; b < totalBars; ++b) {
        const auto& v = bars[size_t(b)]->voicing;
        int tones[] = {v[0] + 12, v[1] + 12, v[2] + 12, v[0] + 24};
        for (int s = 0; s < 8; ++s)
            Instruments::Pluck(out, clock.Bar(b, s * 0.5), tones[pattern[s]], s == 0 ? 0.22f : 0.15f,
                               s % 2 ? 0.4f : -0.2f, rng, 0.997f);
        Instruments::Bass(out, clock.Bar(b), clock.Beat(3.6), bars[size_t(b)]->bass, 0.30f);
    }
    Bars melody = {
        {{0, 4, 76}}, {{0, 2, 74}, {2, 2, 72}}, {{0, 4, 72}}, {{0, 2, 69}, {2, 2, 72}},
        {{0, 4, 76}}, {{0, 2, 79}, {2, 2, 76}}, {{0, 4, 74}}, {{0, 2, 71}, {2, 2, 74}},
    };
    PlayMelody(clock, melody, 8, [&](double t, double len, int p) { Instruments::Bell(out, t, len, p, 0.17f, -0.1f); });
    return Finish(std::move(out), seconds, 0.4f);
}

AudioBuffer MusicComposer::Great()
{
    // Riding high in the polls: bright D major with a light beat.
    const Clock clock{108};
    const int totalBars = 24;
    const double seconds = clock.Bar(totalBars);
    AudioBuffer out(seconds + kTail);
    Rng rng(303);
    std::vector<Chord> progression = {
        {{62, 66, 69}, 38, 1}, {{61, 64, 69}, 45, 1}, {{62, 66, 71}, 47, 1}, {{62, 67, 71}, 43, 1}};
    auto bars = BarChords(progression, totalBars);
    PlayPads(out, clock, bars, 0.12f);
    const int pattern[] = {0, 1, 2, 3, 2, 1, 2, 3, 0, 1, 2, 3, 2, 3, 1, 2};
    for (int b = 0; b < totalBars; ++b) {
        const auto& v = bars[size_t(b)]->voicing;
        int tones[] = {v[0] + 12, v[1] + 12, v[2] + 12, v[0] + 24};
        for (int s = 0; s < 16; ++s)
            Instruments::Pluck(out, clock.Bar(b, s * 0.25), tones[pattern[s]], s % 4 == 0 ? 0.18f : 0.12f,
                               (s % 2 ? 0.45f : -0.45f), rng, 0.994f);
        for (int e = 0; e < 8; ++e)
            Instruments::Bass(out, clock.Bar(b, e * 0.5), clock.Beat(0.4), bars[size_t(b)]->bass, e % 2 ? 0.2f : 0.28f);
        Instruments::Kick(out, clock.Bar(b), 0.45f);
        Instruments::Kick(out, clock.Bar(b, 2), 0.38f);
        for (int e = 0; e < 8; ++e) Instruments::HiHat(out, clock.Bar(b, e * 0.5), e % 2 ? 0.10f : 0.05f, 0.3f, rng);
    }
    Bars phrase = {
        {{0, 1, 74}, {1, 1, 78}, {2, 2, 81}}, {{0, 2, 76}, {2, 1, 73}, {3, 1, 76}},
        {{0, 1, 78}, {1, 1, 81}, {2, 2, 83}}, {{0, 2, 79}, {2, 1, 78}, {3, 1, 76}},
        {{0, 1, 78}, {1, 1, 81}, {2, 2, 86}}, {{0, 2, 85}, {2, 2, 81}},
        {{0, 2, 83}, {2, 1, 81}, {3, 1, 78}}, {{0, 3, 79}, {3, 1, 81}},
    };
    auto bell = [&](double t, double len, int p) { Instruments::Bell(out, t, len, p, 0.18f, 0.0f); };
    PlayMelody(clock, phrase, 8, bell);
    PlayMelody(clock, phrase, 16, bell);
    return Finish(std::move(out), seconds, 0.28f);
}

AudioBuffer MusicComposer::Poorly()
{
    // Falling behind: slow D minor over a heartbeat.
    const Clock clock{60};
    const int totalBars = 12;
    const double seconds = clock.Bar(totalBars);
    AudioBuffer out(seconds + kTail);
    Rng rng(404);
    std::vector<Chord> progression = {
        {{50, 53, 57}, 38, 2}, {{50, 53, 58}, 34, 2}, {{50, 55, 58}, 31, 2}, {{49, 52, 57}, 33, 2},
        {{50, 53, 57}, 38, 1}, {{50, 55, 58}, 31, 1}, {{50, 53, 58}, 34, 1}, {{49, 52, 57}, 33, 1}};
    auto bars = BarChords(progression, totalBars);
    PlayPads(out, clock, bars, 0.17f);
    const double hits[] = {0, 1.5, 2.5, 3};
    for (int b = 0; b < totalBars; ++b) {
        const auto& v = bars[size_t(b)]->voicing;
        int tones[] = {v[0] + 12, v[2] + 12, v[1] + 12, v[0] + 12};
        for (int h = 0; h < 4; ++h)
            Instruments::Pluck(out, clock.Bar(b, hits[h]), tones[h], 0.12f, h % 2 ? 0.4f : -0.4f, rng, 0.995f);
        int root = bars[size_t(b)]->bass;
        for (double beat : {0.0, 2.0}) {
            Instruments::Bass(out, clock.Bar(b, beat), 0.18, root, 0.34f);
            Instruments::Bass(out, clock.Bar(b, beat + 0.4), 0.18, root, 0.22f);
        }
    }
    for (int b : {2, 6, 10}) Instruments::Bell(out, clock.Bar(b), clock.Beat(4), b == 6 ? 70 : 69, 0.14f, 0.2f);
    Instruments::Bell(out, clock.Bar(7, 2), clock.Beat(2), 64, 0.12f, -0.2f);
    return Finish(std::move(out), seconds, 0.45f);
}

AudioBuffer MusicComposer::ElectionWin()
{
    // Victory: a brass fanfare in C with timpani.
    const Clock clock{116};
    const int totalBars = 16;
    const double seconds = clock.Bar(totalBars);
    AudioBuffer out(seconds + kTail);
    Rng rng(505);
    const Chord C{{60, 64, 67}, 36, 1}, F{{60, 65, 69}, 41, 1}, G{{59, 62, 67}, 43, 1}, Am{{60, 64, 69}, 45, 1};
    std::vector<Chord> progression = {C, F, G, C, C, Am, F, G, C, F, G, C, F, G, C, C};
    auto bars = BarChords(progression, totalBars);
    PlayPads(out, clock, bars, 0.10f);
    for (int b = 0; b < totalBars; ++b) {
        const Chord& chord = *bars[size_t(b)];
        float pan = -0.4f;
        for (int n : chord.voicing) {
            Instruments::Brass(out, clock.Bar(b), clock.Beat(1.4), n - 12, 0.16f, pan);
            Instruments::Brass(out, clock.Bar(b, 2.5), clock.Beat(1.2), n - 12, 0.13f, pan);
            pan += 0.4f;
        }
        Instruments::Bass(out, clock.Bar(b), clock.Beat(1.8), chord.bass, 0.3f);
        Instruments::Bass(out, clock.Bar(b, 2), clock.Beat(1.8), chord.bass, 0.25f);
        Instruments::Timpani(out, clock.Bar(b), chord.bass == 43 ? 31 : 36, 0.4f, -0.2f, rng);
        for (int e = 1; e < 8; e += 2) Instruments::HiHat(out, clock.Bar(b, e * 0.5), 0.05f, 0.4f, rng);
        if (b == 3 || b == 7 || b == 15) {
            // A timpani roll building into the next phrase.
            for (int s = 0; s < 8; ++s)
                Instruments::Timpani(out, clock.Bar(b, 2 + s * 0.25), 31, 0.12f + 0.04f * float(s), 0.2f, rng);
        }
    }
    Instruments::Swell(out, clock.Bar(3, 2), clock.Beat(2), 0.25f, rng);
    Instruments::Swell(out, clock.Bar(11, 2), clock.Beat(2), 0.25f, rng);
    Bars melody = {
        {{0, 0.5, 67}, {0.5, 0.5, 67}, {1, 0.5, 67}, {1.5, 2.5, 72}}, {{0, 1, 69}, {1, 1, 72}, {2, 2, 77}},
        {{0, 1, 74}, {1, 1, 71}, {2, 1, 74}, {3, 1, 79}}, {{0, 4, 76}},
        {{0, 0.5, 72}, {0.5, 0.5, 76}, {1, 1, 79}, {2, 2, 84}}, {{0, 2, 81}, {2, 2, 76}},
        {{0, 1, 77}, {1, 1, 81}, {2, 2, 84}}, {{0, 2, 83}, {2, 1, 79}, {3, 1, 74}},
        {{0, 0.5, 67}, {0.5, 0.5, 67}, {1, 0.5, 67}, {1.5, 2.5, 72}}, {{0, 1, 69}, {1, 1, 72}, {2, 2, 77}},
        {{0, 1, 74}, {1, 1, 71}, {2, 1, 74}, {3, 1, 79}}, {{0, 4, 76}},
        {{0, 1, 77}, {1, 1, 81}, {2, 2, 84}}, {{0, 1, 83}, {1, 1, 86}, {2, 2, 83}}, {{0, 4, 84}},
        {{0, 2, 79}, {2, 2, 76}},
    };
    PlayMelody(clock, melody, 0, [&](double t, double len, int p) {
        Instruments::Brass(out, t, len * 0.9, p, 0.24f, 0.05f);
    });
    return Finish(std::move(out), seconds, 0.3f);
}
