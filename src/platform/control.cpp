#include "platform/control.h"

#include "platform/handleredge.h"

#include <QMouseEvent>

namespace
{

int buttonMask(Qt::MouseButtons buttons)
{
    int mask = 0;
    if (buttons & Qt::LeftButton)
        mask |= 1;
    if (buttons & Qt::RightButton)
        mask |= 2;
    if (buttons & Qt::MiddleButton)
        mask |= 4;
    return mask;
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    int mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

} // namespace

MouseArgs mouseArgs(const QMouseEvent &event, bool releasedButtonOnly)
{
    const QPointF pos = event.position();
    return {buttonMask(releasedButtonOnly ? Qt::MouseButtons(event.button()) : event.buttons()),
            shiftMask(event.modifiers()), toTwips(pos.x()), toTwips(pos.y())};
}

Control::Control(QWidget *container) : QWidget(container)
{
    // Enabled controls accept every mouse event, so nothing reaches the screen behind them;
    // a disabled one lets Qt pass the event on to its container.
    setMouseTracking(true);
}

void Control::setLeft(float left)
{
    m_rect.left = left;
    applyGeometry();
}

void Control::setTop(float top)
{
    m_rect.top = top;
    applyGeometry();
}

void Control::setWidth(float width)
{
    m_rect.width = width;
    applyGeometry();
}

void Control::setHeight(float height)
{
    m_rect.height = height;
    applyGeometry();
}

void Control::setPlace(const TwipsRect &rect)
{
    m_rect = rect;
    applyGeometry();
}

void Control::applyGeometry()
{
    setGeometry(pixelRect(m_rect));
}

void Control::mousePressEvent(QMouseEvent *event)
{
    m_pressedInside = event->button() == Qt::LeftButton;
    const MouseArgs args = mouseArgs(*event, true);
    if (onMouseDown)
        runHandler(*this, [&] { onMouseDown(args); });
}

void Control::mouseMoveEvent(QMouseEvent *event)
{
    const MouseArgs args = mouseArgs(*event);
    if (onMouseMove)
        runHandler(*this, [&] { onMouseMove(args); });
}

void Control::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressedInside && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressedInside = false;
    const MouseArgs args = mouseArgs(*event, true);
    // The click is a handler of its own: a failed MouseUp doesn't swallow it.
    if (onMouseUp)
        runHandler(*this, [&] { onMouseUp(args); });
    if (click)
        runHandler(*this, [this] { clicked(); });
}

void Control::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A quick second click is still a click for pupils, never lost.
    mousePressEvent(event);
}

void Control::clicked()
{
    if (onClick)
        onClick();
}
