// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/wmfwriter.h"

#include "wmf/metaerrors.h"
#include "wmf/placeable.h"

#include <QtEndian>
#include <limits>
#include <string>

// One record's words: size (in 16-bit words, the header's six bytes included) and function,
// then the parameters, little-endian.
class WmfWriter::Record
{
public:
    explicit Record(wmf::Function function) : m_function(function) {}

    Record &word(int value)
    {
        if (value < std::numeric_limits<qint16>::min() || value > 0xFFFF)
            throw MetaWriteError("metafile value " + std::to_string(value) +
                                 " does not fit in 16 bits");
        m_params.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
        return *this;
    }
    Record &dword(quint32 value) { return word(value & 0xFFFF).word(value >> 16); }
    Record &colour(QRgb rgb) { return word(qRed(rgb) | qGreen(rgb) << 8).word(qBlue(rgb)); }
    // A point as most records store it: x first.
    Record &point(QPoint p) { return word(p.x()).word(p.y()); }
    Record &points(const QPolygon &polygon)
    {
        for (QPoint p : polygon)
            point(p);
        return *this;
    }
    // Rectangles are stored bottom, right, top, left, with right and bottom just outside.
    Record &rect(const QRect &r)
    {
        return word(r.y() + r.height()).word(r.x() + r.width()).word(r.y()).word(r.x());
    }
    Record &bytes(const QByteArray &data)
    {
        m_params.append(data);
        if (m_params.size() % 2)
            m_params.append('\0');
        return *this;
    }

    QByteArray encoded() const
    {
        QByteArray out;
        const quint32 words = quint32(3 + m_params.size() / 2);
        char head[6];
        qToLittleEndian<quint32>(words, head);
        qToLittleEndian<quint16>(m_function, head + 4);
        out.append(head, 6).append(m_params);
        return out;
    }

private:
    wmf::Function m_function;
    QByteArray m_params;
};

namespace
{

QByteArray littleEndian16(std::initializer_list<int> words)
{
    QByteArray out;
    for (int w : words)
        out.append(char(w & 0xFF)).append(char((w >> 8) & 0xFF));
    return out;
}

// A bottom-up 24-bit DIB: BITMAPINFOHEADER, then BGR rows padded to four bytes.
QByteArray dib24(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int stride = (image.width() * 3 + 3) & ~3;
    QByteArray out;
    auto put32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian<quint32>(v, b);
        out.append(b, 4);
    };
    const quint32 pixelsPerMetre = 3780; // 96 per inch; players ignore it for STRETCHDIB
    put32(40);
    put32(quint32(image.width()));
    put32(quint32(image.height()));
    out.append(littleEndian16({1, 24}));
    put32(0); // uncompressed
    put32(quint32(stride * image.height()));
    put32(pixelsPerMetre);
    put32(pixelsPerMetre);
    put32(0);
    put32(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const uchar *line = image.constScanLine(y);
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            row[3 * x] = char(line[3 * x + 2]);
            row[3 * x + 1] = char(line[3 * x + 1]);
            row[3 * x + 2] = char(line[3 * x]);
        }
        out.append(row);
    }
    return out;
}

} // namespace

WmfWriter::WmfWriter(QSize size) : m_size(size)
{
    append(Record(wmf::SetWindowOrg).word(0).word(0));
    append(Record(wmf::SetWindowExt).word(size.height()).word(size.width()));
}

void WmfWriter::append(const Record &record)
{
    if (m_finished)
        throw MetaWriteError("metafile written to after it was finished");
    const QByteArray bytes = record.encoded();
    m_largestRecord = std::max(m_largestRecord, quint32(bytes.size() / 2));
    m_records.append(bytes);
}

int WmfWriter::takeSlot()
{
    const int free = int(m_slots.indexOf(false));
    const int slot = free >= 0 ? free : int(m_slots.size());
    if (slot == m_slots.size())
        m_slots.append(true);
    m_slots[slot] = true;
    return slot;
}

int WmfWriter::createPen(quint16 style, int width, QRgb colour)
{
    append(Record(wmf::CreatePenIndirect).word(style).word(width).word(0).colour(colour));
    return takeSlot();
}

int WmfWriter::createBrush(quint16 style, QRgb colour)
{
    append(Record(wmf::CreateBrushIndirect).word(style).colour(colour).word(0));
    return takeSlot();
}

int WmfWriter::createFont(const WmfFont &font)
{
    const quint8 ansiCharset = 0, ttPrecision = 4, defaultClip = 0, antialiased = 4;
    const quint8 variableSwiss = 0x22;
    QByteArray face = font.faceName.toLatin1().left(31);
    face.append(QByteArray(32 - face.size(), '\0'));
    Record record(wmf::CreateFontIndirect);
    record.word(-font.height).word(0).word(font.escapement).word(font.escapement);
    record.word(font.weight).word(font.italic ? 1 : 0); // italic, then underline 0
    record.word(0 | ansiCharset << 8).word(ttPrecision | defaultClip << 8);
    record.word(antialiased | variableSwiss << 8).bytes(face);
    append(record);
    return takeSlot();
}

void WmfWriter::selectObject(int slot)
{
    append(Record(wmf::SelectObject).word(slot));
}

void WmfWriter::deleteObject(int slot)
{
    append(Record(wmf::DeleteObject).word(slot));
    m_slots[slot] = false;
}

void WmfWriter::setBkMode(quint16 mode)
{
    append(Record(wmf::SetBkMode).word(mode));
}

void WmfWriter::setTextAlign(quint16 align)
{
    append(Record(wmf::SetTextAlign).word(align));
}

void WmfWriter::setTextColor(QRgb colour)
{
    append(Record(wmf::SetTextColor).colour(colour));
}

void WmfWriter::setPolyFillMode(quint16 mode)
{
    append(Record(wmf::SetPolyFillMode).word(mode));
}

void WmfWriter::saveDc()
{
    append(Record(wmf::SaveDc));
}

void WmfWriter::restoreDc()
{
    append(Record(wmf::RestoreDc).word(-1));
}

void WmfWriter::intersectClipRect(const QRect &rect)
{
    append(Record(wmf::IntersectClipRect).rect(rect));
}

void WmfWriter::polyline(const QPolygon &points)
{
    append(Record(wmf::Polyline).word(int(points.size())).points(points));
}

void WmfWriter::polygon(const QPolygon &points)
{
    append(Record(wmf::Polygon).word(int(points.size())).points(points));
}

void WmfWriter::polyPolygon(const QList<QPolygon> &polygons)
{
    Record record(wmf::PolyPolygon);
    record.word(int(polygons.size()));
    for (const QPolygon &polygon : polygons)
        record.word(int(polygon.size()));
    for (const QPolygon &polygon : polygons)
        record.points(polygon);
    append(record);
}

void WmfWriter::rectangle(const QRect &rect)
{
    append(Record(wmf::Rectangle).rect(rect));
}

void WmfWriter::ellipse(const QRect &rect)
{
    append(Record(wmf::Ellipse).rect(rect));
}

void WmfWriter::extTextOut(QPoint at, const QByteArray &text, const QList<int> &dx)
{
    Record record(wmf::ExtTextOut);
    record.word(at.y()).word(at.x()).word(int(text.size())).word(0).bytes(text);
    for (int advance : dx)
        record.word(advance);
    append(record);
}

void WmfWriter::stretchDib(const QRect &dest, const QImage &image)
{
    const quint32 srcCopy = 0x00CC0020;
    Record record(wmf::StretchDib);
    record.dword(srcCopy).word(0); // colours are RGB triples
    record.word(image.height()).word(image.width()).word(0).word(0);
    record.word(dest.height()).word(dest.width()).word(dest.y()).word(dest.x());
    record.bytes(dib24(image));
    append(record);
}

QByteArray WmfWriter::finish()
{
    append(Record(wmf::Eof));
    m_finished = true;
    const int headerWords = 9;
    const quint32 totalWords = quint32(headerWords + m_records.size() / 2);

    const QByteArray header = littleEndian16(
        {1, headerWords, 0x0300, int(totalWords & 0xFFFF), int(totalWords >> 16),
         int(m_slots.size()), int(m_largestRecord & 0xFFFF), int(m_largestRecord >> 16), 0});
    return wmf::placeableHeader(m_size, wmf::unitsPerInch) + header + m_records;
}
