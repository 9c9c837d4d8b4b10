// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/stage.h"

#include "platform/displayscale.h"
#include "platform/form.h"
#include "platform/units.h"

#include <QScreen>

Stage::Stage(TimerClock &clock, const ContentFolder &classroom)
    : m_clock(clock), m_classroom(classroom)
{
    setWindowTitle("Kelvarin");
    setMouseTracking(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
}

float Stage::displayWidth() const
{
    return displayToTwips(width(), m_displayScale);
}
float Stage::displayHeight() const
{
    return displayToTwips(height(), m_displayScale);
}

void Stage::showOnScreen(Size size)
{
    const QRect area = screen()->availableGeometry();
    const double fit = DisplayScale::toFit(area.size());
    // An area too small to hold a pixel of a screen would give no scale at all: keep one-to-one.
    m_displayScale = size == Size::FillTheDisplay && fit > 0 ? fit : 1.0;
    setGeometry(area);
    showMaximized();
}

void Stage::resizeEvent(QResizeEvent *)
{
    for (auto *form : findChildren<Form *>(Qt::FindDirectChildrenOnly)) {
        if (form->fillsStage())
            form->setFillsStage(true);
    }
}

Form *Stage::frontScreen() const
{
    // Showing a screen raises it, so the last visible one among the children is in front.
    const QList<Form *> screens = findChildren<Form *>(Qt::FindDirectChildrenOnly);
    for (auto it = screens.rbegin(); it != screens.rend(); ++it) {
        if ((*it)->isVisible())
            return *it;
    }
    return nullptr;
}

bool Stage::focusNextPrevChild(bool next)
{
    Form *front = frontScreen();
    return front && front->focusNextPrevChild(next);
}
