// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/wmfstate.h"
#include "wmf/wmfwriter.h"

#include <QBrush>
#include <QFont>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QTransform>
#include <memory>
#include <optional>

// Turns what a QPainter draws into Windows metafile records: shapes stay shapes, text stays
// text. The painter's transform is applied here, so every coordinate it hands over is mapped to
// the metafile's logical units (twips on a MetafileDevice). What a metafile cannot hold (a
// gradient, a rotated picture, a non-rectangular clip, a character outside Windows-1252) is
// recorded as the first error and reported by takeBytes() once painting has ended, since an
// exception must not cross QPainter.
class MetafileEngine : public QPaintEngine
{
public:
    MetafileEngine();
    ~MetafileEngine() override;

    // Colours are written as shades of grey: for the print copies.
    void setGreyscale(bool on) { m_greyscale = on; }
    // The finished file; throws MetaWriteError if anything drawn could not be written.
    QByteArray takeBytes();

    bool begin(QPaintDevice *device) override;
    bool end() override;
    void updateState(const QPaintEngineState &changed) override;
    Type type() const override { return User; }

    void drawPath(const QPainterPath &path) override;
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override;
    void drawRects(const QRectF *rects, int count) override;
    void drawEllipse(const QRectF &rect) override;
    void drawLines(const QLineF *lines, int count) override;
    void drawTextItem(const QPointF &at, const QTextItem &item) override;
    void drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source) override;
    void drawImage(const QRectF &target, const QImage &image, const QRectF &source,
                   Qt::ImageConversionFlags flags) override;

private:
    template <typename Draw> void guarded(Draw draw);
    void fail(const QString &message);

    QRgb deviceColour(const QColor &colour) const;
    bool penVisible();
    bool brushVisible();
    bool penIsNative() const;
    void selectPen(bool visible);
    void selectBrush(const QBrush &brush);

    void setClip(const QPainterPath &deviceClip, Qt::ClipOperation operation);
    void emitClip();
    void openClipScope(const QRect &clip);
    void closeClipScope();

    void fillAndStroke(const QList<QPolygon> &polygons, Qt::FillRule rule, bool fill, bool stroke);
    void strokeAsOutline(const QPainterPath &path);
    void shape(const QRectF &rect, bool ellipse);
    static QRect deviceRect(const QRectF &rect, const QTransform &transform);
    qreal scale() const;
    QList<int> advances(const QString &text, const QFont &font, qreal scale) const;

    std::unique_ptr<WmfWriter> m_writer;
    QByteArray m_bytes;
    QString m_error;
    bool m_greyscale = false;
    QPaintDevice *m_device = nullptr;

    QTransform m_transform;
    QPen m_pen;
    QBrush m_brush;
    QFont m_font;
    qreal m_opacity = 1;
    bool m_clipEnabled = false;
    std::optional<QPainterPath> m_clip; // in logical units
    bool m_clipChanged = false;

    std::unique_ptr<WmfState> m_state;
    bool m_clipOpen = false; // a SAVEDC holds the state from before the clip
};
