// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control.h"

#include "platform/displayscale.h"
#include "platform/handleredge.h"

#include <QApplication>
#include <QMouseEvent>
#include <initializer_list>

namespace
{

struct Bit {
    int qtFlag;
    int mask;
};

// The handlers' bit mask for a set of Qt's flags.
int maskOf(int qtFlags, std::initializer_list<Bit> bits)
{
    int mask = 0;
    for (const Bit &bit : bits) {
        if (qtFlags & bit.qtFlag)
            mask |= bit.mask;
    }
    return mask;
}

int buttonMask(Qt::MouseButtons buttons)
{
    return maskOf(buttons.toInt(),
                  {{Qt::LeftButton, 1}, {Qt::RightButton, 2}, {Qt::MiddleButton, 4}});
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    return maskOf(modifiers.toInt(),
                  {{Qt::ShiftModifier, 1}, {Qt::ControlModifier, 2}, {Qt::AltModifier, 4}});
}

} // namespace

MouseArgs mouseArgs(const QMouseEvent &event, double displayScale, bool releasedButtonOnly)
{
    const QPointF pos = event.position();
    return {buttonMask(releasedButtonOnly ? Qt::MouseButtons(event.button()) : event.buttons()),
            shiftMask(event.modifiers()), displayToTwips(pos.x(), displayScale),
            displayToTwips(pos.y(), displayScale)};
}

Control::Control(QWidget *container) : TwipsWidget(container)
{
    // Enabled controls accept every mouse event, so nothing reaches the screen behind them;
    // a disabled one lets Qt pass the event on to its container.
    setMouseTracking(true);
}

void Control::setFontSpec(const FontSpec &font)
{
    m_font = font;
    applyFont(toQFont(font));
    update();
}

void Control::mousePressEvent(QMouseEvent *event)
{
    m_pressedInside = event->button() == Qt::LeftButton;
    m_pressedAt = event->globalPosition();
    const MouseArgs args = mouseArgs(*event, displayScale(), true);
    if (onMouseDown)
        runHandler(*this, [&] { onMouseDown(args); });
}

void Control::mouseMoveEvent(QMouseEvent *event)
{
    const MouseArgs args = mouseArgs(*event, displayScale());
    if (onMouseMove)
        runHandler(*this, [&] { onMouseMove(args); });
}

void Control::mouseReleaseEvent(QMouseEvent *event)
{
    const bool still = (event->globalPosition() - m_pressedAt).manhattanLength() <
                       QApplication::startDragDistance();
    const bool click = m_pressedInside && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint()) &&
                       (still || !m_clickOnlyWhenStill);
    m_pressedInside = false;
    const MouseArgs args = mouseArgs(*event, displayScale(), true);
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

void Control::activate()
{
    runHandler(*this, [this] { clicked(); });
}

void Control::clicked()
{
    if (onClick)
        onClick();
}

QFont Control::scaledForChild(const QFont &font) const
{
    QFont scaled = font;
    scaled.setPixelSize(std::max(1, toDisplayPixels(font.pixelSize(), displayScale())));
    return scaled;
}
