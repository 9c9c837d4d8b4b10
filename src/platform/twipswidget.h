// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/units.h"

#include <QWidget>

class QPainter;
class Stage;

// A widget placed in twips: keeps Left, Top, Width and Height as floats (the model's own values)
// and moves itself to their rectangle on the display whenever one changes. Every control and
// every screen is one. It paints in design pixels, as at one-to-one, through a scaled painter, so
// text is laid out the same at every display scale and only drawn larger.
class TwipsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TwipsWidget(QWidget *container);

    float Left() const { return m_rect.left; }
    float Top() const { return m_rect.top; }
    float Width() const { return m_rect.width; }
    float Height() const { return m_rect.height; }
    void setLeft(float left) { setPlace({left, Top(), Width(), Height()}); }
    void setTop(float top) { setPlace({Left(), top, Width(), Height()}); }
    void setWidth(float width) { setPlace({Left(), Top(), width, Height()}); }
    void setHeight(float height) { setPlace({Left(), Top(), Width(), height}); }
    void setPlace(const TwipsRect &rect);
    const TwipsRect &place() const { return m_rect; }
    // The widget's own rectangle in design pixels, as rect() is at one-to-one.
    QRect designRect() const { return QRect(QPoint(0, 0), pixelRect(m_rect).size()); }

    // The stage the widget is shown on, or none while it belongs to no stage.
    const Stage *shownOn() const;
    // The stage's display scale; one-to-one off any stage.
    double displayScale() const;
    // The file a content path names in the stage's classroom folder; an empty path stays empty.
    // Throws FileError off any stage, where there is no classroom to look in.
    QString contentFile(const QString &contentPath) const;

protected:
    // Sets a painter on this widget up to draw in design pixels at the display scale.
    void beginScaled(QPainter &painter) const;
    // Records the place without moving the widget, for one whose pixels are set otherwise.
    void keepPlace(const TwipsRect &rect) { m_rect = rect; }

private:
    TwipsRect m_rect;
};
