// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/metarecords.h"
#include "wmf/metawork.h"

#include <QRegion>
#include <QTransform>
#include <optional>
#include <queue>
#include <variant>

class QPainter;

// Plays the records of a loaded metafile onto a painter, keeping the drawing state a Windows
// device context keeps (mapping, objects, colours, modes, clip, current position, saved states).
//
// Everything is drawn in "device" units of a virtual device the frame lives in: for a placeable
// file the units of its bounding box, otherwise pixels of a 96 dots-per-inch screen. The painter
// maps that device onto the target, so nothing is ever rasterised on the way: on a printer text
// stays text. Records that make no sense to draw are left out.
//
// Every record's work is counted before it is drawn (MetaWork); a page that asks for more than
// maxPageWork stops. Loading counts a page's work at the size it is shown at on a plain screen
// and refuses it there, so a page that loaded is drawn whole wherever it goes: the budget grows
// with the pixels of the device it is drawn on.
class MetaPlayer
{
public:
    enum class Pass {
        Draw,
        Count,   // only counts the work, at the page's own size on a 96 dots-per-inch screen
        Measure, // draws onto a recording, counting only what does not depend on pixels
    };
    MetaPlayer(const MetaDocument &document, QPainter &painter, Pass pass = Pass::Draw);

    // Draws the document with deviceToPainter mapping the virtual device onto the painter.
    // Returns false when the page asked for more work than its budget and drawing stopped.
    bool play(const QTransform &deviceToPainter);

    // The frame of a file without a placeable header, in device units: the window the records set
    // up before they first draw, or else the bounds of everything they draw; none when the
    // records ask for more work than any page may: none.
    static std::optional<QRectF> measureFrame(const MetaDocument &document);

    // The work of drawing the document, its frame known, at its own size on a plain screen;
    // counting stops once past maxPageWork.
    static double countWork(const MetaDocument &document);

private:
    // What a device context holds and SAVEDC saves. Objects are copied in when selected, so
    // deleting a selected object leaves drawing as it was, as on Windows.
    struct DcState {
        int mapMode = 1; // MM_TEXT
        QPointF windowOrg{0, 0}, windowExt{1, 1}, viewportOrg{0, 0}, viewportExt{1, 1};
        bool viewportExtSet = false;
        meta::Pen pen{0, 0, Qt::black};
        meta::Brush brush{0, Qt::white, 0, {}};
        meta::Font font{0, 0, 0, 0, false, false, false, 0, {}};
        QColor textColour = Qt::black;
        QColor background = Qt::white;
        bool opaqueBackground = true;
        bool winding = false;
        int textAlign = 0;
        int rop2 = 13; // R2_COPYPEN
        int stretchMode = 1;
        QPointF position;            // the current position, logical
        std::optional<QRegion> clip; // in clipGrid parts of a device unit; none: all shows
    };
    using Object = std::variant<std::monostate, meta::Pen, meta::Brush, meta::Font, meta::Palette,
                                meta::OtherObject>;

    void apply(const meta::SetPoint &r);
    void apply(const meta::ScaleExtent &r);
    void apply(const meta::SetMode &r);
    void apply(const meta::SetColor &r);
    void apply(const meta::Shape &r);
    void apply(const meta::Poly &r);
    void apply(const meta::ClipRect &r);
    void apply(const meta::Text &r);
    void apply(const meta::Blit &r);
    void apply(const meta::SetPixel &r);
    void apply(const meta::CreateObject &r);
    void apply(const meta::SelectObject &r);
    void apply(const meta::DeleteObject &r);
    void apply(const meta::SaveDC &r);
    void apply(const meta::RestoreDC &r);

    void updateMapping();
    QPointF toDevice(QPoint logical) const { return m_map.map(QPointF(logical)); }
    QRectF toDevice(const MetaBox &box) const;
    double deviceLength(int logical) const;
    void beforeDrawing();
    bool drawsNothing() const;
    // Counts a drawing's work; true when it is to be drawn now.
    bool admit(double work);
    QPolygonF toPixels(const QPolygonF &device) const;
    QRectF toPixels(const QRectF &device) const;
    double penPixels() const;
    double polyWork(const meta::Poly &r) const;
    void usePenAndBrush();
    void drawShape(const meta::Shape &r);
    double textHeight(double pixelsPerLogicalUnit) const;
    void moveAlongText(double logicalAdvance);
    void applyClip();
    void drawBlitImage(const meta::Blit &r, const QRectF &dest);

    const MetaDocument &m_document;
    QPainter &m_painter;
    Pass m_pass;
    std::optional<MetaWork> m_work; // set up by play(), once the device is known
    QTransform m_deviceToPixels;
    bool m_clipChanged = false;
    DcState m_dc;
    std::vector<DcState> m_saved;
    std::vector<Object> m_objects;
    QTransform m_map; // logical to device, from the mapping state
    double m_deviceUnitsPerInch;
    // A new object takes the lowest free slot, as on Windows: the lowest of those freed, else the
    // first never used. Kept so, a file that fills the table and then churns it costs no search.
    std::priority_queue<size_t, std::vector<size_t>, std::greater<>> m_freedSlots;
    size_t m_neverUsed = 0;
    bool m_windowExtSet = false;
    bool m_drawn = false;
    std::optional<QRectF> m_windowAtFirstDrawing; // in device units
};
