// SPDX-License-Identifier: GPL-3.0-or-later
#include "timbres.h"

#include <algorithm>
#include <cmath>

namespace
{

std::vector<Partial> harmonics(int count, double rolloff, bool oddOnly = false)
{
    std::vector<Partial> partials;
    for (int n = 1; n <= count; n += oddOnly ? 2 : 1)
        partials.push_back({double(n), std::pow(n, -rolloff)});
    return partials;
}

const std::vector<Timbre> &timbres()
{
    static const std::vector<Timbre> all = {
        {"sine", {{1, 1}}, {}},
        {"flute", {{1, 1}, {2, 0.3}, {3, 0.12}, {4, 0.05}, {5, 0.02}}, {}},
        {"square", harmonics(25, 1.0, true), {}},
        {"saw", harmonics(30, 1.0), {}},
        {"brass", harmonics(24, 0.5), {{1100, 600, 1}, {2600, 900, 0.35}}, 0.3},
        {"horn", harmonics(30, 0.4), {{750, 250, 1}, {1700, 400, 0.6}}},
        {"reed", harmonics(30, 0.2), {{1500, 450, 1}, {3200, 700, 0.5}}},
        // Sung vowels, by the formants of a mixed choir.
        {"ah", harmonics(40, 1.0), {{760, 90, 1}, {1150, 110, 0.5}, {2600, 160, 0.25}}},
        {"oo", harmonics(40, 1.0), {{320, 60, 1}, {870, 80, 0.3}, {2240, 120, 0.08}}},
        {"eh", harmonics(40, 1.0), {{560, 80, 1}, {1850, 120, 0.5}, {2500, 150, 0.3}}},
        {"ee", harmonics(40, 1.0), {{280, 60, 1}, {2300, 150, 0.4}, {3000, 180, 0.3}}},
        // Struck things: partials out of step with one another, the high ones fading first.
        {"bell",
         {{1, 1, 1},
          {2.0, 0.6, 1.6},
          {2.76, 0.45, 2.2},
          {4.07, 0.3, 3},
          {5.4, 0.2, 4},
          {8.93, 0.1, 6}},
         {}},
        {"coin",
         {{1, 1, 1},
          {1.59, 0.7, 1.3},
          {2.14, 0.6, 1.6},
          {2.65, 0.5, 2},
          {3.16, 0.35, 2.5},
          {3.7, 0.25, 3}},
         {}},
        {"gong",
         {{1, 1, 1},
          {1.006, 0.7, 1},
          {1.47, 0.8, 1.05},
          {1.98, 0.7, 1.1},
          {2.41, 0.6, 1.2},
          {2.43, 0.4, 1.2},
          {2.93, 0.5, 1.3},
          {3.5, 0.45, 1.4},
          {4.16, 0.4, 1.6},
          {4.9, 0.3, 1.8},
          {5.6, 0.25, 2},
          {6.5, 0.2, 2.2},
          {7.7, 0.15, 2.5},
          {9.1, 0.1, 2.8}},
         {}},
        {"drum",
         {{1, 1, 1}, {1.59, 0.6, 1.5}, {2.14, 0.4, 2}, {2.3, 0.3, 2.2}, {2.65, 0.25, 2.5}},
         {}},
    };
    return all;
}

double formantWeight(const std::vector<Formant> &formants, double freq)
{
    if (formants.empty())
        return 1;
    double weight = 0.02; // a little of everything gets through
    for (const Formant &f : formants) {
        const double off = (freq - f.freq) / f.width;
        weight += f.gain / (1 + off * off);
    }
    return weight;
}

} // namespace

const Timbre *findTimbre(const QString &name)
{
    for (const Timbre &t : timbres())
        if (t.name == name)
            return &t;
    return nullptr;
}

std::vector<double> partialAmplitudes(const Timbre &timbre, double pitch, double limitHz)
{
    std::vector<double> amps;
    double energy = 0;
    for (const Partial &p : timbre.partials) {
        const double freq = p.ratio * pitch;
        // Partials thin out towards the limit, so a gliding tone gains and loses them smoothly.
        const double taper = std::clamp((limitHz - freq) / (0.15 * limitHz), 0.0, 1.0);
        const double amp = p.amp * taper * formantWeight(timbre.formants, freq);
        amps.push_back(amp);
        energy += amp * amp;
    }
    const double scale = energy > 0 ? 1 / std::sqrt(energy) : 0;
    for (double &a : amps)
        a *= scale;
    return amps;
}
