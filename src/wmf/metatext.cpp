// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metatext.h"

#include "files/codepage.h"
#include "wmf/facenames.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

namespace
{

constexpr int ansiCharset = 0;
constexpr int defaultCharset = 1;
constexpr int symbolCharset = 2;

// The Symbol font's characters 0x20..0x7E and 0xA0..0xFE in Unicode; zero where it has none.
constexpr char16_t symbolLow[] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B,
    0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7,
    0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B,
    0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3,
    0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C};
constexpr char16_t symbolHigh[] = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118,
    0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, 0x0000, 0x232A, 0x222B, 0x2320,
    0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD};

static_assert(std::size(symbolLow) == 0x7F - 0x20 && std::size(symbolHigh) == 0xFF - 0xA0);

QChar symbolChar(uchar byte)
{
    char16_t code = 0;
    if (byte >= 0x20 && byte <= 0x7E)
        code = symbolLow[byte - 0x20];
    else if (byte >= 0xA0 && byte <= 0xFE)
        code = symbolHigh[byte - 0xA0];
    return code ? QChar(code) : QChar(0xF000 + byte);
}

// The Windows code page of each other character set, by the name Qt's converters know it by.
const char *codePageName(int charset)
{
    switch (charset) {
    case 77:
        return "macintosh";
    case 128:
        return "Shift_JIS";
    case 129:
        return "windows-949";
    case 134:
        return "GBK";
    case 136:
        return "Big5";
    case 161:
        return "windows-1253";
    case 162:
        return "windows-1254";
    case 163:
        return "windows-1258";
    case 177:
        return "windows-1255";
    case 178:
        return "windows-1256";
    case 186:
        return "windows-1257";
    case 204:
        return "windows-1251";
    case 222:
        return "windows-874";
    case 238:
        return "windows-1250";
    case 255:
        return "IBM437";
    default:
        return nullptr;
    }
}

// Text whose characters each have their own advance. As one glyph run it stays one piece of text
// in a PDF, so it reads back as words even when turned; a character the face lacks falls back to
// drawing each character on its own, which lets Qt find another face for it.
void drawSpaced(QPainter &painter, QPointF start, const QString &text,
                const QList<double> &advances, const QFont &font)
{
    QRawFont raw = QRawFont::fromFont(font);
    // A raw font takes its size from the screen; the text is laid out for the painter's device.
    raw.setPixelSize(font.pointSizeF() * painter.device()->logicalDpiY() / 72);
    const bool covered =
        raw.isValid() && font.stretch() == 100 &&
        std::all_of(text.begin(), text.end(), [&](QChar c) { return raw.supportsCharacter(c); });
    QList<quint32> glyphs = covered ? raw.glyphIndexesForString(text) : QList<quint32>();
    if (glyphs.size() != text.size()) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            painter.drawText(start, QString(text[i]));
            start.rx() += advances[i];
        }
        return;
    }
    QList<QPointF> positions;
    for (double advance : advances) {
        positions << start;
        start.rx() += advance;
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(font.underline());
    run.setStrikeOut(font.strikeOut());
    painter.drawGlyphRun(QPointF(0, 0), run);
}

bool isSymbolFace(const QString &face)
{
    return face.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
}

// The face to draw with. Symbol text has been read into Unicode's Greek and mathematical
// characters, which a serif face of Symbol's style draws (the installed Symbol face is a
// PostScript symbol font that Qt does not draw Unicode text with).
QString textFace(const meta::Font &font)
{
    if (font.face.isEmpty() || (font.charset == symbolCharset && isSymbolFace(font.face)))
        return font.face.isEmpty() ? QStringLiteral("Arial") : QStringLiteral("Times New Roman");
    return font.face;
}

} // namespace

QString decodeMetaText(const QByteArray &bytes, int charset, const QString &face)
{
    if (charset == symbolCharset) {
        const bool symbolFace = isSymbolFace(face);
        QString text;
        for (char byte : bytes)
            text += symbolFace ? symbolChar(uchar(byte)) : QChar(0xF000 + uchar(byte));
        return text;
    }
    if (const char *name = codePageName(charset);
        name && charset != ansiCharset && charset != defaultCharset) {
        QStringDecoder decoder(name);
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    return decodeWindows1252(bytes);
}

QFont metaQFont(const meta::Font &font, double heightPixels, double widthPixels,
                QPaintDevice *device)
{
    QFont qfont(installedFamilyFor(textFace(font)));
    qfont.setWeight(QFont::Weight(std::clamp(font.weight ? font.weight : 400, 1, 1000)));
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeOut);
    const double dpi = device ? device->logicalDpiY() : 96;
    const auto setPixels = [&](double pixels) {
        qfont.setPointSizeF(std::max(pixels, 0.01) * 72 / dpi);
    };
    double em = heightPixels;
    if (font.height > 0) { // a cell height: ascent and descent together
        setPixels(1000);
        const QFontMetricsF metrics(qfont, device);
        em = heightPixels * 1000 / std::max(1.0, metrics.ascent() + metrics.descent());
    }
    setPixels(em);
    if (widthPixels > 0) {
        const double natural = QFontMetricsF(qfont, device).averageCharWidth();
        if (natural > 0)
            qfont.setStretch(std::clamp(int(std::lround(100 * widthPixels / natural)), 1, 4000));
    }
    return qfont;
}

double drawMetaText(QPainter &painter, QPointF origin, double angleDegrees, const QString &text,
                    const QList<double> &advances, const MetaTextLook &look)
{
    const QFontMetricsF metrics(look.font, painter.device());
    const bool spaced = advances.size() == text.size();
    double width = 0;
    if (spaced)
        for (double advance : advances)
            width += advance;
    else
        width = metrics.horizontalAdvance(text);

    const int horizontal = look.align & wmf::TaCenter;
    const double x0 = horizontal == wmf::TaCenter  ? -width / 2
                      : horizontal == wmf::TaRight ? -width
                                                   : 0;
    const int vertical = look.align & wmf::TaBaseline;
    const double y = vertical == wmf::TaBaseline ? 0
                     : vertical == wmf::TaBottom ? -metrics.descent()
                                                 : metrics.ascent();

    painter.save();
    painter.setWorldTransform(QTransform());
    painter.setViewTransformEnabled(false);
    painter.translate(origin);
    painter.rotate(-angleDegrees);
    if (look.opaqueBackground)
        painter.fillRect(QRectF(x0, y - metrics.ascent(), width, metrics.height()),
                         look.background);
    painter.setFont(look.font);
    painter.setPen(look.colour);
    if (spaced)
        drawSpaced(painter, QPointF(x0, y), text, advances, look.font);
    else
        painter.drawText(QPointF(x0, y), text);
    painter.restore();
    return width;
}
