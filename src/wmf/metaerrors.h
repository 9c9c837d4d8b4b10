// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

// The ways reading or writing a Windows metafile fails. Each says why in its text; the program
// that loads a page or writes one names the file around it.

// Bytes that cannot be read as a metafile: a length or count running past its record or the file,
// a header that is not a metafile's, a missing end record.
class MetaDamage : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A metafile larger or busier than any page, which is refused as too complex to show.
class MetaTooComplex : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A drawing that a metafile cannot hold (a gradient, a turned picture, a clip that is not a
// rectangle, a value past 16 bits), met while writing one.
class MetaWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
