// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form.h"

#include "platform/stage.h"
#include "platform/timer.h"
#include "platform/units.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

Form::Form(Stage &stage, const QLoggingCategory &logCategory)
    : TwipsWidget(&stage), m_stage(stage), m_logCategory(logCategory)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    // Created hidden: a screen appears only when something shows it.
    QWidget::hide();
}

void Form::setBackColor(const QColor &colour)
{
    m_backColor = colour;
    update();
}

void Form::LoadPicture(const QString &path)
{
    m_picture = Picture::load(contentFile(path));
    m_pictureFile = path;
    update();
}

namespace
{

// Where a control lies on its screen, in twips, through any frame that holds it.
QPointF placeOnScreen(const QWidget &control, const QWidget &screen)
{
    QPointF place;
    for (const QWidget *w = &control; w && w != &screen; w = w->parentWidget()) {
        if (const auto *placed = qobject_cast<const TwipsWidget *>(w))
            place += QPointF(placed->Left(), placed->Top());
    }
    return place;
}

} // namespace

void Form::setVisible(bool visible)
{
    TwipsWidget::setVisible(visible);
    if (visible) {
        raise();
        QWidget *focus = m_stage.focusWidget();
        if (focus != this && !isAncestorOf(focus))
            setFocus(Qt::OtherFocusReason);
    } else if (QWidget *focus = m_stage.focusWidget(); focus == this || isAncestorOf(focus)) {
        focusNextPrevChild(true); // hidden now: hands the keyboard to the screen in front
    }
}

void Form::setFillsStage(bool fills)
{
    m_fillsStage = fills;
    if (fills) {
        keepPlace({0, 0, m_stage.displayWidth(), m_stage.displayHeight()});
        setGeometry(m_stage.rect());
    }
}

Timer &Form::addTimer(int intervalMs)
{
    auto *timer = new Timer(this, m_stage.timerClock(), intervalMs, &m_stage.handlers());
    m_timers.push_back(timer);
    return *timer;
}

void Form::stopTimers()
{
    for (Timer *timer : m_timers)
        timer->setEnabled(false);
}

void Form::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The whole widget, for a screen that fills the stage to its last pixel, whatever the scale.
    painter.fillRect(rect(), m_backColor);
    beginScaled(painter);
    m_picture.draw(painter, QRectF(QPointF(0, 0), toPixels(m_picture.sizeTwips())));
}

bool Form::focusNextPrevChild(bool next)
{
    // A screen being hidden hands the keyboard to the one now in front, with no control marked.
    if (!isVisible()) {
        Form *front = m_stage.frontScreen();
        if (front)
            front->setFocus(Qt::OtherFocusReason);
        return front != nullptr;
    }
    std::vector<QWidget *> stops = tabOrder();
    std::erase_if(stops, [this](const QWidget *control) { return !isTabStop(*control); });
    if (stops.empty())
        return false;
    const auto current = std::find(stops.begin(), stops.end(), focusWidget());
    const int count = static_cast<int>(stops.size());
    int to = next ? 0 : count - 1;
    if (current != stops.end())
        to = (static_cast<int>(current - stops.begin()) + (next ? 1 : count - 1)) % count;
    stops[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

std::vector<QWidget *> Form::tabOrder() const
{
    struct Stop {
        QPointF place;
        QWidget *control;
    };
    std::vector<Stop> stops;
    for (QWidget *control : findChildren<QWidget *>()) {
        if ((control->focusPolicy() & Qt::TabFocus) && !control->focusProxy())
            stops.push_back({placeOnScreen(*control, *this), control});
    }
    // Stable, so controls on the same spot keep the order they were made in.
    std::stable_sort(stops.begin(), stops.end(), [](const Stop &a, const Stop &b) {
        return a.place.y() != b.place.y() ? a.place.y() < b.place.y() : a.place.x() < b.place.x();
    });
    std::vector<QWidget *> order;
    for (const Stop &stop : stops)
        order.push_back(stop.control);
    return order;
}

bool Form::isTabStop(const QWidget &control) const
{
    return control.isVisibleTo(this) && control.isEnabled();
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    const MouseArgs args = mouseArgs(*event, displayScale());
    m_stage.handlers().run([&] { Form_MouseMove(args); }, m_logCategory);
}
