// SPDX-License-Identifier: GPL-3.0-or-later
#include "synth.h"

#include "contenterror.h"
#include "filter.h"
#include "timbres.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace
{

constexpr double twoPi = 2 * std::numbers::pi;

// A small generator of our own, so that a recipe gives the same clip on every machine.
class Random
{
public:
    explicit Random(unsigned seed) : m_state((seed + 1) * 0x9E3779B97F4A7C15ull | 1) {}

    double uniform(double lo, double hi)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return lo + (hi - lo) * double(m_state >> 11) * 0x1.0p-53;
    }

private:
    std::uint64_t m_state;
};

// One sounding of a layer: where it starts, how loud, and how far its pitches are moved.
struct Copy {
    const Layer *layer;
    double start;
    double gain;
    double freqScale;
    double vibratoPhase; // singers in a crowd do not wobble together
};

std::size_t sampleCount(double seconds, int rate)
{
    return std::size_t(std::lround(seconds * rate));
}

double smoothStep(double x)
{
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

double envelopeAt(const Layer &l, double t)
{
    double env = 1;
    if (t < l.attack)
        env *= smoothStep(t / l.attack);
    if (l.length - t < l.release)
        env *= smoothStep((l.length - t) / l.release);
    if (l.decay > 0)
        env *= std::exp(-t / l.decay);
    return env;
}

double pitchAt(const Copy &c, double t)
{
    const Layer &l = *c.layer;
    double pitch = l.pitch;
    if (l.glideTo > 0) {
        const double span = l.glideTime > 0 ? l.glideTime : l.length;
        pitch *= std::pow(l.glideTo / l.pitch, std::min(t / span, 1.0));
    }
    const double vibrato = l.vibratoDepth * std::sin(twoPi * l.vibratoRate * t + c.vibratoPhase);
    return pitch * c.freqScale * (1 + vibrato);
}

void placeCopies(const Layer &l, Random &rng, std::vector<Copy> &copies)
{
    for (int k = 0; k < l.repeat; ++k) {
        const double offset = l.within > 0 ? rng.uniform(0, l.within) : k * l.every;
        const double place =
            l.repeat < 2 ? 0 : (l.within > 0 ? offset / l.within : k / (l.repeat - 1.0));
        const double fade = l.fadeFrom + (l.fadeTo - l.fadeFrom) * place;
        const double gain = l.gain * fade * (1 - l.varyGain * rng.uniform(0, 1));
        const double freqScale = std::pow(2.0, rng.uniform(-l.varyPitch, l.varyPitch));
        const double vibratoPhase = rng.uniform(0, twoPi);
        copies.push_back({&l, l.at + offset, gain, freqScale, vibratoPhase});
    }
}

double toneSample(const Timbre &timbre, const std::vector<double> &amps, double phase,
                  const Layer &l, double t)
{
    const double env = timbre.bloom > 0 ? envelopeAt(l, t) : 1;
    double sum = 0;
    for (std::size_t k = 0; k < amps.size(); ++k) {
        const Partial &p = timbre.partials[k];
        double amp = amps[k];
        if (amp == 0)
            continue;
        if (l.decay > 0 && p.fade != 1)
            amp *= std::exp(-t * (p.fade - 1) / l.decay);
        if (timbre.bloom > 0)
            amp *= std::pow(env, timbre.bloom * (p.ratio - 1));
        sum += amp * std::sin(p.ratio * phase);
    }
    return sum;
}

std::vector<float> renderTone(const Copy &c, int rate)
{
    const Layer &l = *c.layer;
    const Timbre &timbre = *findTimbre(l.timbre);
    std::vector<float> out(sampleCount(l.length, rate));
    std::vector<double> amps;
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / rate;
        const double pitch = pitchAt(c, t);
        if (i % 32 == 0) // the formants follow a gliding pitch closely enough at this step
            amps = partialAmplitudes(timbre, pitch, 0.45 * rate);
        out[i] = float(toneSample(timbre, amps, phase, l, t));
        phase += twoPi * pitch / rate;
    }
    return out;
}

std::vector<float> renderNoise(const Copy &c, Random &rng, int rate)
{
    std::vector<float> out(sampleCount(c.layer->length, rate));
    for (float &s : out)
        s = float(rng.uniform(-1, 1));
    return out;
}

std::vector<float> renderCopy(const Copy &c, Random &rng, int rate)
{
    const Layer &l = *c.layer;
    std::vector<float> out =
        l.source == Layer::Source::Tone ? renderTone(c, rate) : renderNoise(c, rng, rate);
    applyFilter(out, l.filter, c.freqScale, rate);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] *= float(c.gain * envelopeAt(l, double(i) / rate));
    return out;
}

// Takes out any steady offset with a gentle high-pass well below anything audible.
void removeOffset(std::vector<float> &s, int rate)
{
    const double keep = 1 - twoPi * 10.0 / rate;
    double lastIn = 0, lastOut = 0;
    for (float &x : s) {
        const double y = x - lastIn + keep * lastOut;
        lastIn = x;
        lastOut = y;
        x = float(y);
    }
}

void fadeEnds(std::vector<float> &s, int rate)
{
    const std::size_t in = std::min(s.size(), sampleCount(0.001, rate));
    const std::size_t out = std::min(s.size(), sampleCount(0.005, rate));
    for (std::size_t i = 0; i < in; ++i)
        s[i] *= float(smoothStep(double(i) / in));
    for (std::size_t i = 0; i < out; ++i)
        s[s.size() - 1 - i] *= float(smoothStep(double(i) / out));
}

void normalise(std::vector<float> &s, double peakDb, const QString &fileName)
{
    float loudest = 0;
    for (float x : s)
        loudest = std::max(loudest, std::abs(x));
    if (loudest < 1e-6f)
        throw ContentError(fileName + ": the clip is silent");
    const float scale = float(std::pow(10.0, peakDb / 20)) / loudest;
    for (float &x : s)
        x *= scale;
}

} // namespace

std::vector<float> renderRecipe(const Recipe &recipe, const QString &fileName)
{
    Random rng(recipe.seed);
    std::vector<Copy> copies;
    for (const Layer &l : recipe.layers)
        placeCopies(l, rng, copies);
    double end = 0;
    for (const Copy &c : copies)
        end = std::max(end, c.start + c.layer->length);

    std::vector<float> mix(sampleCount(end, recipe.rate) + 1);
    for (const Copy &c : copies) {
        const std::vector<float> part = renderCopy(c, rng, recipe.rate);
        const std::size_t first = sampleCount(c.start, recipe.rate);
        for (std::size_t i = 0; i < part.size() && first + i < mix.size(); ++i)
            mix[first + i] += part[i];
    }
    removeOffset(mix, recipe.rate);
    fadeEnds(mix, recipe.rate);
    normalise(mix, recipe.peakDb, fileName);
    return mix;
}
