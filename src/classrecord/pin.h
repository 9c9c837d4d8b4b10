// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The teacher's PIN, kept only as a salted, slow hash (PBKDF2 with SHA-256), so a pupil who
// opens the settings file learns nothing they could type. The stored text names the method,
// the iteration count and the salt: "pbkdf2-sha256:<iterations>:<salt>:<hash>", base64, so the
// count can be raised later and old PINs still check.
namespace Pin
{

// A check takes about a tenth of a second on a classroom machine: slow enough that trying every
// four-digit PIN against a copied file takes a quarter of an hour a core, quick enough that the
// teacher doesn't wait. (A four-digit PIN can't withstand a patient attacker with the file; the
// hash keeps it from being read off at a glance, and the screens limit tries.)
inline constexpr int Iterations = 200000;

// Hashes the PIN with a fresh random salt.
QString hash(const QString &pin, int iterations = Iterations);

// Whether the PIN is the one the stored text was made from. The hashes are compared in
// constant time. A stored text that isn't one of ours matches nothing.
bool matches(const QString &pin, const QString &stored);

} // namespace Pin
