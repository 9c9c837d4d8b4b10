#include "platform/form.h"

#include "platform/stage.h"
#include "platform/timer.h"
#include "platform/units.h"

#include <QMouseEvent>
#include <QPainter>

Form::Form(Stage &stage) : QWidget(&stage), m_stage(stage)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    // Created hidden: a screen appears only when something shows it.
    QWidget::hide();
}

void Form::setLeft(float left)
{
    m_rect.left = left;
    applyGeometry();
}

void Form::setTop(float top)
{
    m_rect.top = top;
    applyGeometry();
}

void Form::setWidth(float width)
{
    m_rect.width = width;
    applyGeometry();
}

void Form::setHeight(float height)
{
    m_rect.height = height;
    applyGeometry();
}

void Form::applyGeometry()
{
    setGeometry(pixelRect(m_rect));
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

void Form::show()
{
    QWidget::show();
    raise();
}

void Form::setFillsStage(bool fills)
{
    m_fillsStage = fills;
    if (fills) {
        m_rect = {0, 0, m_stage.displayWidth(), m_stage.displayHeight()};
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
    painter.fillRect(rect(), m_backColor);
    m_picture.draw(painter, QRectF(QPointF(0, 0), toPixels(m_picture.sizeTwips())));
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    const MouseArgs args = mouseArgs(*event);
    m_stage.handlers().run([&] { Form_MouseMove(args); });
}
