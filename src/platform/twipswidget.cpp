#include "platform/twipswidget.h"

TwipsWidget::TwipsWidget(QWidget *container) : QWidget(container) {}

void TwipsWidget::setPlace(const TwipsRect &rect)
{
    m_rect = rect;
    setGeometry(pixelRect(m_rect));
}
