// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/contentpath.h"
#include "platform/handleredge.h"

#include <QWidget>

class Form;
class TimerClock;

// The one top-level window. It is the display: every screen, the backdrop included, is a child
// of it, so stacking is the program's own and needs no window manager. Every screen and control
// reaches it for the display scale and for the classroom folder its pictures come from.
class Stage : public QWidget
{
    Q_OBJECT
public:
    Stage(TimerClock &clock, const ContentFolder &classroom);

    // The display's width and height in twips, at the display scale.
    float displayWidth() const;
    float displayHeight() const;
    TimerClock &timerClock() const { return m_clock; }
    const ContentFolder &classroom() const { return m_classroom; }

    // How much larger than one-to-one the screens are shown: 1 until showOnScreen chooses.
    double displayScale() const { return m_displayScale; }
    // Shows the screens at another scale; set it before any screen is built.
    void setDisplayScale(double scale) { m_displayScale = scale; }
    // Where every handler of every screen on this stage is called.
    HandlerEdge &handlers() { return m_handlers; }

    // The screen in front of every other, the one the pupil sees and the keys act on.
    Form *frontScreen() const;

    enum class Size { FillTheDisplay, ActualSize };
    // Fills the screen's available area, whether or not a window manager honours "maximized",
    // and chooses the display scale: the largest at which a whole screen fits that area, or
    // one-to-one for the actual size. Call it before any screen is built.
    void showOnScreen(Size size = Size::FillTheDisplay);

protected:
    void resizeEvent(QResizeEvent *event) override;
    // With nothing focused yet, Tab starts on the screen in front.
    bool focusNextPrevChild(bool next) override;

private:
    TimerClock &m_clock;
    ContentFolder m_classroom;
    double m_displayScale = 1.0;
    HandlerEdge m_handlers;
};
