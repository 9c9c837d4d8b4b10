// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

// One sine component of a tone: its frequency as a multiple of the pitch, its loudness, and how
// much faster than the tone's own decay it dies away (bells lose their high partials first).
struct Partial {
    double ratio;
    double amp;
    double fade = 1;
};

// A resonance that lifts the partials near it, as a singer's mouth or a horn's bell does.
struct Formant {
    double freq;
    double width;
    double gain;
};

struct Timbre {
    QString name;
    std::vector<Partial> partials;
    std::vector<Formant> formants;
    double bloom = 0; // above 0 the tone turns brighter as it grows louder, as brass does
};

// The timbre with that name, or nullptr.
const Timbre *findTimbre(const QString &name);

// The partials' amplitudes at one pitch: shaped by the formants, fading out below `limitHz`
// (so nothing folds back from above half the sample rate), scaled so that their squares sum to 1.
std::vector<double> partialAmplitudes(const Timbre &timbre, double pitch, double limitHz);
