// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tempclassroom.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share. Each target works in a scratch classroom folder of its own, made on
// first use and handed to the readers and writers it feeds.

inline const TempClassroom &scratchFolder()
{
    static const TempClassroom folder;
    static const bool made = [] {
        folder.makeFolder(QStringLiteral("multiple"));
        // Damaged files are what the targets feed the program, so its warnings about them are
        // expected; logging one per input would slow the run tenfold.
        QLoggingCategory::setFilterRules(QStringLiteral("kelvarin.*.warning=false"));
        return true;
    }();
    (void)made;
    return folder;
}

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// A broken property ends the run the way a crash does, so libFuzzer keeps the input.
[[noreturn]] inline void fuzzFailure(const char *what, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzFailure(#condition, __FILE__, __LINE__);                                           \
    } while (false)
