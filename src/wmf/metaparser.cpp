// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metaparser.h"

#include "wmf/metadecode.h"
#include "wmf/metafile.h"
#include "wmf/placeable.h"

#include "wmf/wmflog.h"

#include <QMutex>
#include <QSet>

namespace
{

void logSkippedOnce(uint16_t function)
{
    static QMutex mutex;
    static QSet<uint16_t> logged;
    const QMutexLocker lock(&mutex);
    if (!logged.contains(function)) {
        logged.insert(function);
        qCDebug(lcWmf, "skipping metafile records of function 0x%04x", function);
    }
}

void readHeader(MetaReader &r, MetaDocument &doc)
{
    const int type = r.u16("header");
    const int headerWords = r.u16("header");
    const int version = r.u16("header");
    r.u32("header");
    doc.objectCount = r.u16("header");
    r.u32("header");
    r.u16("header");
    if ((type != 1 && type != 2) || headerWords != 9)
        throw MetaDamage("not a Windows metafile header");
    if (version != 0x0100 && version != 0x0300)
        throw MetaDamage("unknown metafile version " + std::to_string(version));
}

} // namespace

MetaDocument parseMetafile(QByteArrayView bytes)
{
    if (bytes.size() > maxMetafileBytes)
        throw MetaTooComplex("larger than " + std::to_string(maxMetafileBytes) + " bytes");
    MetaDocument doc;
    MetaReader file(bytes);
    if (wmf::startsPlaceable(bytes)) {
        const wmf::PlaceableHeader header = wmf::readPlaceableHeader(file);
        doc.placeable = true;
        doc.frame = header.frame;
        doc.unitsPerInch = header.unitsPerInch;
    }
    readHeader(file, doc);

    while (true) {
        const qsizetype offset = file.position();
        if (file.remaining() < 6)
            throw MetaDamage("ends without its end record");
        const uint32_t sizeWords = file.u32("record size");
        const uint16_t function = file.u16("record function");
        if (sizeWords < 3 || (sizeWords - 3) * qsizetype(2) > file.remaining())
            throw MetaDamage("record at byte " + std::to_string(offset) + " has size " +
                             std::to_string(sizeWords) + " words, past the end of the file");
        MetaReader params(file.take((sizeWords - 3) * qsizetype(2), "record"));
        if (function == wmf::Eof)
            break;
        if (doc.records.size() >= size_t(maxMetaRecords))
            throw MetaTooComplex("more than " + std::to_string(maxMetaRecords) + " records");
        try {
            if (!decodeRecord(function, sizeWords, params, doc.records))
                logSkippedOnce(function);
        } catch (const MetaDamage &damage) {
            throw MetaDamage("record at byte " + std::to_string(offset) + ": " + damage.what());
        }
    }
    return doc;
}
