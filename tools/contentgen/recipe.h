// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

// A clip recipe describes one sound as layers mixed into a mono clip. One line per layer:
//
//   # a comment
//   clip  rate 44100  peak -3  seed 7                      (optional, once)
//   set   timbre brass  attack 0.03  release 0.08          (defaults for the lines below it)
//   tone  at 0.2  for 0.5  pitch G4  glide C5 0.1  vibrato 5.5 0.01  gain 0.8
//   noise at 0  for 0.02  band 2000 1.5  decay 0.004  repeat 12 every 0.05
//
// Times are in seconds, pitches in Hz or as note names (A4 = 440 Hz, Bb3, F#5). A layer sounds
// for `for` seconds from `at`, shaped by its attack, its exponential decay (a time constant; none
// if 0) and its release at the end. `glide P T` moves the pitch to P in T seconds (0: by the end),
// `vibrato R D` wobbles it R times a second by the fraction D. A filter (lowpass, highpass, band)
// may sweep to another frequency. `repeat N` plays N copies, `every T` apart or scattered at random
// `within T`; `vary` gives each copy a random pitch (up to P octaves either way) and a random cut
// in gain (up to G), `fade A B` scales the copies' gains from A for the first to B for the last.

struct FilterSpec {
    enum class Kind { None, Lowpass, Highpass, Band };
    Kind kind = Kind::None;
    double freq = 1000;
    double q = 0.707;
    double sweepTo = 0; // 0: the filter stays where it starts
};

struct Layer {
    enum class Source { Tone, Noise };
    Source source = Source::Tone;
    double at = 0;
    double length = 0.1;
    double pitch = 440;
    double glideTo = 0; // 0: no glide
    double glideTime = 0;
    QString timbre = "sine";
    double attack = 0.002;
    double decay = 0;
    double release = 0.005;
    double gain = 1;
    double vibratoRate = 0;
    double vibratoDepth = 0; // a fraction of the pitch
    FilterSpec filter;
    int repeat = 1;
    double every = 0;
    double within = 0;
    double varyPitch = 0;
    double varyGain = 0;
    double fadeFrom = 1;
    double fadeTo = 1;
};

struct Recipe {
    int rate = 22050;
    double peakDb = -3;
    unsigned seed = 1;
    std::vector<Layer> layers;
};

// Throws ContentError naming the file and line of anything it cannot read.
Recipe parseRecipe(const QString &text, const QString &fileName);

// "A4" gives 440; sharps (#) and flats (b) allowed. Returns 0 for anything else.
double noteFrequency(const QString &name);
