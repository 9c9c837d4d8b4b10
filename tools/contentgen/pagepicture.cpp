// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagepicture.h"

#include "contenterror.h"

#include <QDomDocument>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace
{

constexpr qreal twipsPerSvgPixel = 15;

// The text properties an SVG element passes on to the text inside it.
struct TextStyle {
    QString family = "Arial";
    qreal size = 16;
    bool bold = false;
    bool italic = false;
    QColor fill = Qt::black;
    QString anchor = "start";
};

// One stretch of a text's characters in one style; a stretch with a position starts a new line.
struct TextStretch {
    std::optional<qreal> x, y;
    qreal dx = 0, dy = 0;
    QString text;
    TextStyle style;
};

struct PictureText {
    QString marker; // the id of an empty group standing where the text was
    QList<TextStretch> stretches;
};

std::optional<qreal> firstNumber(const QString &value)
{
    const QString first = value.simplified().split(QRegularExpression("[ ,]")).value(0);
    bool ok = false;
    const qreal number = QString(first).remove("px").toDouble(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

QColor colourOf(const QString &value, const QString &path)
{
    static const QRegularExpression rgb(R"(^rgb\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*\)$)");
    const auto match = rgb.match(value);
    if (match.hasMatch())
        return QColor(match.captured(1).toInt(), match.captured(2).toInt(),
                      match.captured(3).toInt());
    if (value == "none")
        return QColor(Qt::transparent);
    const QColor colour = QColor::fromString(value);
    if (!colour.isValid())
        throw ContentError(path + ": text fill \"" + value + "\" is not a plain colour");
    return colour;
}

void applyProperty(TextStyle &style, const QString &name, const QString &value, const QString &path)
{
    if (name == "font-family")
        style.family = value.split(',').first().remove('\'').remove('"').trimmed();
    else if (name == "font-size")
        style.size = firstNumber(value).value_or(style.size);
    else if (name == "font-weight")
        style.bold = value.startsWith("bold") || value.toInt() >= 600;
    else if (name == "font-style")
        style.italic = value == "italic" || value == "oblique";
    else if (name == "fill")
        style.fill = colourOf(value, path);
    else if (name == "text-anchor")
        style.anchor = value;
}

// The element's presentation attributes, then its style attribute, which wins.
TextStyle styleOf(const QDomElement &element, TextStyle style, const QString &path)
{
    for (const char *name :
         {"font-family", "font-size", "font-weight", "font-style", "fill", "text-anchor"})
        if (element.hasAttribute(name))
            applyProperty(style, name, element.attribute(name).trimmed(), path);
    for (const QString &declaration : element.attribute("style").split(';')) {
        const qsizetype colon = declaration.indexOf(':');
        if (colon > 0)
            applyProperty(style, declaration.left(colon).trimmed(),
                          declaration.mid(colon + 1).trimmed(), path);
    }
    return style;
}

void collectStretches(const QDomElement &element, const TextStyle &inherited,
                      QList<TextStretch> &out, const QString &path)
{
    const TextStyle style = styleOf(element, inherited, path);
    TextStretch positioned{firstNumber(element.attribute("x")),
                           firstNumber(element.attribute("y")),
                           firstNumber(element.attribute("dx")).value_or(0),
                           firstNumber(element.attribute("dy")).value_or(0),
                           {},
                           style};
    bool first = true;
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        TextStretch stretch = first ? positioned : TextStretch{{}, {}, 0, 0, {}, style};
        if (child.isText()) {
            stretch.text = child.toText().data();
            out.append(stretch);
        } else if (child.isElement() && child.toElement().tagName() == "tspan") {
            if (first)
                out.append(stretch); // the parent's own position comes first
            collectStretches(child.toElement(), style, out, path);
        } else {
            continue;
        }
        first = false;
    }
}

// SVG's default white space handling: line breaks and tabs are blanks, runs of blanks one blank,
// none at the start or end of a line.
void tidySpaces(QList<TextStretch> &stretches)
{
    static const QRegularExpression blanks("[\\s]+");
    bool lineStart = true;
    for (qsizetype i = 0; i < stretches.size(); ++i) {
        TextStretch &s = stretches[i];
        s.text.replace(blanks, " ");
        if (s.x || s.y)
            lineStart = true;
        if (lineStart || (i > 0 && stretches[i - 1].text.endsWith(' ')))
            while (s.text.startsWith(' '))
                s.text.remove(0, 1);
        if (!s.text.isEmpty())
            lineStart = false;
        const bool lineEnds = i + 1 == stretches.size() || stretches[i + 1].x || stretches[i + 1].y;
        if (lineEnds)
            while (s.text.endsWith(' '))
                s.text.chop(1);
    }
}

// Replaces every <text> (outside <defs>) by a marker group carrying the text's transform, so Qt
// Svg can say where the text stood, and returns the texts.
void takeTexts(QDomElement element, const TextStyle &inherited, QList<PictureText> &texts,
               const QString &path)
{
    const TextStyle style = styleOf(element, inherited, path);
    for (QDomElement child = element.firstChildElement(); !child.isNull();) {
        QDomElement next = child.nextSiblingElement();
        if (child.tagName() == "text") {
            PictureText text{"kelvarin-text-" + QString::number(texts.size()), {}};
            collectStretches(child, style, text.stretches, path);
            tidySpaces(text.stretches);
            QDomElement holder = element.ownerDocument().createElement("g");
            if (child.hasAttribute("transform"))
                holder.setAttribute("transform", child.attribute("transform"));
            QDomElement marker = element.ownerDocument().createElement("g");
            marker.setAttribute("id", text.marker);
            holder.appendChild(marker);
            element.replaceChild(holder, child);
            texts.append(text);
        } else if (child.tagName() != "defs") {
            takeTexts(child, style, texts, path);
        }
        child = next;
    }
}

// A metafile keeps flat colours and plain shapes only; say so naming the picture, rather than
// failing later somewhere in the page.
void checkKeepable(const QDomDocument &document, const QString &path)
{
    for (const char *name :
         {"linearGradient", "radialGradient", "pattern", "mask", "clipPath", "filter"})
        if (!document.elementsByTagName(name).isEmpty())
            throw ContentError(path + ": <" + name +
                               "> cannot be kept in a metafile; use flat colours and plain shapes");
}

QDomDocument readSvg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(path + ": cannot read: " + file.errorString());
    QDomDocument document;
    QString error;
    int line = 0;
    if (!document.setContent(&file, &error, &line))
        throw ContentError(path + ":" + QString::number(line) + ": not a readable SVG: " + error);
    return document;
}

QFont stretchFont(const TextStyle &style)
{
    QFont font(style.family);
    font.setPixelSize(100); // scaled to size on the painter, so fractional sizes keep exact
    font.setBold(style.bold);
    font.setItalic(style.italic);
    return font;
}

qreal stretchWidth(const TextStretch &stretch)
{
    return QFontMetricsF(stretchFont(stretch.style)).horizontalAdvance(stretch.text) *
           stretch.style.size / 100;
}

void drawStretch(QPainter &painter, const TextStretch &stretch, QPointF at)
{
    if (stretch.text.isEmpty() || stretch.style.fill.alpha() == 0)
        return;
    const qreal k = stretch.style.size / 100;
    painter.save();
    painter.scale(k, k);
    painter.setFont(stretchFont(stretch.style));
    painter.setPen(stretch.style.fill);
    painter.drawText(at / k, stretch.text);
    painter.restore();
}

// Draws a text's stretches; each line (a stretch with a position and those after it) is
// anchored as a whole.
void drawText(QPainter &painter, const PictureText &text)
{
    QPointF pen;
    for (qsizetype i = 0; i < text.stretches.size();) {
        const TextStretch &start = text.stretches[i];
        pen = QPointF(start.x.value_or(pen.x()), start.y.value_or(pen.y()));
        qsizetype end = i + 1;
        while (end < text.stretches.size() && !text.stretches[end].x && !text.stretches[end].y)
            ++end;
        qreal width = 0;
        for (qsizetype j = i; j < end; ++j)
            width += text.stretches[j].dx + stretchWidth(text.stretches[j]);
        if (start.style.anchor == "middle")
            pen.rx() -= width / 2;
        else if (start.style.anchor == "end")
            pen.rx() -= width;
        for (qsizetype j = i; j < end; ++j) {
            const TextStretch &s = text.stretches[j];
            pen += QPointF(s.dx, s.dy);
            drawStretch(painter, s, pen);
            pen.rx() += stretchWidth(s);
        }
        i = end;
    }
}

} // namespace

QSizeF naturalPictureSize(const QString &svgPath)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        throw ContentError(svgPath + ": not a readable SVG");
    const QSize size = renderer.defaultSize();
    if (size.isEmpty())
        throw ContentError(svgPath + ": the SVG declares no width and height");
    return QSizeF(size) * twipsPerSvgPixel;
}

void drawPicture(QPainter &painter, const QString &svgPath, const QRectF &target)
{
    QDomDocument document = readSvg(svgPath);
    checkKeepable(document, svgPath);
    QList<PictureText> texts;
    takeTexts(document.documentElement(), TextStyle(), texts, svgPath);
    QSvgRenderer renderer(document.toByteArray());
    if (!renderer.isValid())
        throw ContentError(svgPath + ": not a readable SVG");
    renderer.render(&painter, target);

    const QRectF box = renderer.viewBoxF();
    const QTransform view =
        QTransform::fromTranslate(-box.x(), -box.y()) *
        QTransform::fromScale(target.width() / box.width(), target.height() / box.height()) *
        QTransform::fromTranslate(target.x(), target.y());
    for (const PictureText &text : texts) {
        painter.save();
        painter.setTransform(renderer.transformForElement(text.marker) * view, true);
        drawText(painter, text);
        painter.restore();
    }
}
