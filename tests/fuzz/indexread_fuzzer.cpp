// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet index readers over arbitrary bytes. Both readings must leave a count of 0 to 1000
// whose slots were all filled from this file (no entry left over from before, whether the reading
// failed or not); when the main menu's reading succeeds the catalogue's must find the same list;
// and a UTF-8 byte-order mark in front must change nothing.

#include "fuzzsupport.h"
#include "files/errors.h"
#include "worksheetlist.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetlist.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace
{

// The main menu's reading: the list when it succeeds.
std::optional<QStringList> readStrictly(const QByteArray &bytes)
{
    scratchFolder().writeFile(QStringLiteral("multiple/track.txt"), bytes);
    const auto m = withLeftOvers();
    bool read = true;
    try {
        readIndex(scratchFolder().folder(), *m);
    } catch (const FileError &) {
        read = false;
    } catch (const IndexError &) {
        read = false;
    }
    const QStringList list = shownList(*m);
    return read ? std::optional(list) : std::nullopt;
}

QStringList readSkippingFailures(const QByteArray &bytes)
{
    scratchFolder().writeFile(QStringLiteral("multiple/track.txt"), bytes);
    const auto m = withLeftOvers();
    readIndexSkippingFailures(scratchFolder().folder(), *m);
    return shownList(*m);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const std::optional<QStringList> list = readStrictly(bytes);
    const QStringList catalogue = readSkippingFailures(bytes);
    if (list)
        FUZZ_CHECK(catalogue == *list);
    if (!bytes.startsWith("\xEF\xBB\xBF")) {
        FUZZ_CHECK(readStrictly("\xEF\xBB\xBF" + bytes) == list);
        FUZZ_CHECK(readSkippingFailures("\xEF\xBB\xBF" + bytes) == catalogue);
    }
    return 0;
}
