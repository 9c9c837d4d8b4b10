// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The teacher's PIN, kept only as a salted, slow hash (PBKDF2 with SHA-256), so a pupil who
// opens the settings file learns nothing they could type. The stored text names the method,
// the iteration count and the salt: "pbkdf2-sha256:<iterations>:<salt>:<hash>", base64, so the
// count can be raised later and old PINs still check.
namespace Pin
{

// Measured with Qt's PBKDF2 on a loaded two-core machine, 200,000 iterations took 365 ms a
// check; half that keeps a check near a fifth of a second at worst, so the teacher doesn't wait,
// while trying every four-digit PIN against a copied file still takes half an hour a core. (A
// short PIN can't withstand a patient attacker holding the file: the hash keeps it from being
// read off at a glance, and the screens limit tries.)
inline constexpr int Iterations = 100000;

// Hashes the PIN with a fresh random salt.
QString hash(const QString &pin, int iterations = Iterations);

// Whether the stored text is one this program makes, that a PIN can be checked against.
bool isOurs(const QString &stored);

// Whether the PIN is the one the stored text was made from. The hashes are compared in
// constant time. A stored text that isn't one of ours matches nothing.
bool matches(const QString &pin, const QString &stored);

} // namespace Pin
