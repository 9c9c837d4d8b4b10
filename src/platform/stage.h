#pragma once

#include "platform/handleredge.h"

#include <QWidget>

class Form;
class TimerClock;

// The one top-level window. It is the display: every screen, the backdrop included, is a child
// of it, so stacking is the program's own and needs no window manager.
class Stage : public QWidget
{
    Q_OBJECT
public:
    explicit Stage(TimerClock &clock);

    // The display's width and height in twips.
    float displayWidth() const;
    float displayHeight() const;
    TimerClock &timerClock() const { return m_clock; }
    // Where every handler of every screen on this stage is called.
    HandlerEdge &handlers() { return m_handlers; }

    // The screen in front of every other, the one the pupil sees and the keys act on.
    Form *frontScreen() const;

    // Fills the screen's available area, whether or not a window manager honours "maximized".
    void showOnScreen();

protected:
    void resizeEvent(QResizeEvent *event) override;
    // With nothing focused yet, Tab starts on the screen in front.
    bool focusNextPrevChild(bool next) override;

private:
    TimerClock &m_clock;
    HandlerEdge m_handlers;
};
