// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/palette.h"
#include "platform/twipswidget.h"

#include <functional>

// The mouse as handlers see it: Button and Shift are bit masks (1 left, 2 right, 4 middle;
// 1 Shift, 2 Ctrl, 4 Alt) and X, Y are twips from the control's own top-left corner, whatever the
// display scale the event's pixels were shown at.
struct MouseArgs {
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
};

MouseArgs mouseArgs(const QMouseEvent &event, double displayScale, bool releasedButtonOnly = false);

// Base of every control: placed in twips, with the back colour and font it paints with, it
// swallows its own mouse events and hands them to the screen's handlers.
// The button that went down keeps the mouse until it is released (Qt's implicit grab), so a fast
// drag never loses its control.
class Control : public TwipsWidget
{
    Q_OBJECT
public:
    explicit Control(QWidget *container);

    bool Visible() const { return !isHidden(); }
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &colour) { setAndRepaint(m_backColor, colour); }
    const FontSpec &fontSpec() const { return m_font; }
    void setFontSpec(const FontSpec &font);

    // Runs the click as a mouse click would, inside the stage's handler edge: for keys that click.
    void activate();
    // A control that can be dragged counts a click only when the pointer stayed still between
    // press and release; otherwise a release anywhere over it is a click.
    void setClickOnlyWhenStill(bool still) { m_clickOnlyWhenStill = still; }

    std::function<void()> onClick;
    std::function<void(const MouseArgs &)> onMouseDown;
    std::function<void(const MouseArgs &)> onMouseMove;
    std::function<void(const MouseArgs &)> onMouseUp;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    virtual void clicked();
    // Where the font of setFontSpec goes: the control itself, unless it paints through a child.
    virtual void applyFont(const QFont &font) { setFont(font); }
    // The font at the display scale, for a child that is Qt's own widget and paints unscaled.
    QFont scaledForChild(const QFont &font) const;
    // Sets one of the properties the control paints, and paints it anew.
    template <typename T> void setAndRepaint(T &property, const T &value)
    {
        property = value;
        update();
    }

private:
    // A screen reader's "press" is a click.
    friend class ControlAccessible;

    QColor m_backColor = Colour::buttonFace;
    FontSpec m_font;
    bool m_pressedInside = false;
    bool m_clickOnlyWhenStill = false;
    QPointF m_pressedAt;
};
