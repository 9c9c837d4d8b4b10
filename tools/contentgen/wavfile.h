// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

// Writes samples in [-1, 1] as a mono 16-bit PCM WAV file. Throws ContentError if it cannot.
void writeWav(const QString &path, const std::vector<float> &samples, int rate);
