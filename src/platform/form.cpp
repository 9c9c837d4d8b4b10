#include "platform/form.h"

#include "platform/stage.h"
#include "platform/timer.h"
#include "platform/units.h"

#include <QMouseEvent>
#include <QPainter>

Form::Form(Stage &stage) : TwipsWidget(&stage), m_stage(stage)
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
    m_picture = Picture::load(path);
    m_pictureFile = path;
    update();
}

void Form::setVisible(bool visible)
{
    TwipsWidget::setVisible(visible);
    if (visible)
        raise();
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
    QWidget *current = focusWidget();
    if (!current)
        return QWidget::focusNextPrevChild(next);
    // The window's focus chain is one ring through every screen; take the next stop on it that
    // belongs to this screen, coming round to the first again after the last.
    for (QWidget *candidate = next ? current->nextInFocusChain() : current->previousInFocusChain();
         candidate != current;
         candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain()) {
        if (isAncestorOf(candidate) && candidate->isVisibleTo(this) && candidate->isEnabled() &&
            (candidate->focusPolicy() & Qt::TabFocus) && !candidate->focusProxy()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    const MouseArgs args = mouseArgs(*event);
    m_stage.handlers().run([&] { Form_MouseMove(args); });
}
