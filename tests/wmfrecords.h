// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QStringList>
#include <QtEndian>
#include <gtest/gtest.h>
#include <optional>

#include "files/codepage.h"
#include "wmf/placeable.h"
#include "wmf/wmfformat.h"

// A structural reading of a placeable Windows metafile, independent of the writer's code: the
// headers, every record's size and function, and the object table the records build. Any
// inconsistency fails the calling test.

struct WmfRecord {
    quint16 function = 0;
    QByteArray params;
    qint16 word(int i) const { return qFromLittleEndian<qint16>(params.constData() + 2 * i); }
};

struct WmfFile {
    QRect bounds;
    int unitsPerInch = 0;
    QList<WmfRecord> records;
    QList<const WmfRecord *> with(quint16 function) const
    {
        QList<const WmfRecord *> found;
        for (const WmfRecord &r : records)
            if (r.function == function)
                found.append(&r);
        return found;
    }
    // The text of every EXTTEXTOUT record, decoded from Windows-1252.
    QStringList texts() const
    {
        QStringList out;
        for (const WmfRecord *r : with(wmf::ExtTextOut))
            out.append(decodeWindows1252(r->params.mid(8, r->word(2))));
        return out;
    }
};

inline quint16 u16(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

inline quint32 u32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

// Checks that objects are created into the lowest free slot and that SELECTOBJECT and
// DELETEOBJECT only name live objects, within the table size the header declares.
inline void checkObjectTable(const QList<WmfRecord> &records, int declared)
{
    QList<bool> live;
    for (const WmfRecord &r : records) {
        const bool creates = r.function == wmf::CreatePenIndirect ||
                             r.function == wmf::CreateFontIndirect ||
                             r.function == wmf::CreateBrushIndirect;
        if (creates) {
            const qsizetype free = live.indexOf(false);
            if (free < 0)
                live.append(true);
            else
                live[free] = true;
        } else if (r.function == wmf::SelectObject || r.function == wmf::DeleteObject) {
            const int slot = r.word(0);
            ASSERT_TRUE(slot >= 0 && slot < live.size() && live[slot]) << "object " << slot;
            if (r.function == wmf::DeleteObject)
                live[slot] = false;
        }
    }
    EXPECT_LE(live.size(), declared);
}

inline WmfFile readWmf(const QByteArray &bytes)
{
    WmfFile file;
    if (bytes.size() < 40) {
        ADD_FAILURE() << "too short for the two headers: " << bytes.size();
        return file;
    }
    EXPECT_EQ(u32(bytes, 0), wmf::placeableKey);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= u16(bytes, i);
    EXPECT_EQ(u16(bytes, 20), checksum);
    auto s16 = [&](int at) { return qint16(u16(bytes, at)); };
    file.bounds = QRect(QPoint(s16(6), s16(8)), QPoint(s16(10) - 1, s16(12) - 1));
    file.unitsPerInch = u16(bytes, 14);

    const int header = 22;
    EXPECT_EQ(u16(bytes, header), 1);     // in memory
    EXPECT_EQ(u16(bytes, header + 2), 9); // header words
    EXPECT_EQ(u16(bytes, header + 4), 0x0300);
    EXPECT_EQ(qsizetype(u32(bytes, header + 6)) * 2, bytes.size() - header);
    const int objects = u16(bytes, header + 10);
    const quint32 declaredLargest = u32(bytes, header + 12);

    quint32 largest = 0;
    int at = header + 18;
    while (at + 6 <= bytes.size()) {
        const quint32 words = u32(bytes, at);
        if (words < 3 || at + qsizetype(words) * 2 > bytes.size()) {
            ADD_FAILURE() << "record at byte " << at << " claims " << words << " words";
            return file;
        }
        largest = std::max(largest, words);
        file.records.append({u16(bytes, at + 4), bytes.mid(at + 6, words * 2 - 6)});
        at += int(words) * 2;
        if (file.records.last().function == 0)
            break;
    }
    EXPECT_EQ(at, bytes.size()) << "bytes after the end record";
    EXPECT_TRUE(!file.records.isEmpty() && file.records.last().function == 0 &&
                file.records.last().params.isEmpty())
        << "no end record";
    EXPECT_EQ(largest, declaredLargest);
    checkObjectTable(file.records, objects);
    return file;
}
