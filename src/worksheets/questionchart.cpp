// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/questionchart.h"

#include "platform/focusmark.h"
#include "platform/palette.h"
#include "platform/units.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace
{

const FontSpec headingFont{"Tahoma", 9.75f, true};
const FontSpec rowFont{"Tahoma", 8.25f, false};
constexpr int margin = 6;
constexpr int headingHeight = 24;

QString wrongText(const QuestionLine &line)
{
    QString text = QString::number(line.wrong) + " wrong";
    if (line.commonestCount > 0)
        text += ", most " +
                (line.commonestLetter == u'-' ? QStringLiteral("none") : line.commonestLetter);
    return text;
}

} // namespace

QuestionChart::QuestionChart(QWidget *container) : TwipsWidget(container)
{
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Question analysis"));
}

void QuestionChart::showQuestions(const QString &heading, int pupils,
                                  const QList<QuestionLine> &lines)
{
    m_heading = heading;
    m_pupils = pupils;
    m_lines = lines;
    changed();
}

void QuestionChart::showNote(const QString &note)
{
    m_heading = note;
    m_pupils = 0;
    m_lines.clear();
    changed();
}

QString QuestionChart::text() const
{
    QStringList lines{m_heading};
    for (const QuestionLine &line : m_lines)
        lines << questionLineText(line, m_pupils);
    return lines.join('\n');
}

void QuestionChart::changed()
{
    setAccessibleDescription(text());
    update();
}

void QuestionChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginScaled(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = designRect();
    painter.fillRect(area, Colour::white);
    painter.setPen(Colour::navy);
    painter.drawRect(area.adjusted(0, 0, -1, -1));

    painter.setFont(toQFont(headingFont));
    const QRect headingRect(margin, 0, area.width() - 2 * margin,
                            m_lines.isEmpty() ? area.height() : headingHeight);
    const int flags =
        m_lines.isEmpty() ? Qt::AlignCenter | Qt::TextWordWrap : Qt::AlignLeft | Qt::AlignVCenter;
    painter.drawText(
        headingRect, flags,
        painter.fontMetrics().elidedText(m_heading, Qt::ElideRight,
                                         m_lines.isEmpty() ? 10000 : headingRect.width()));
    if (!m_lines.isEmpty()) {
        painter.setFont(toQFont(rowFont));
        const int height = rowHeight();
        for (int n = 0; n < m_lines.size(); ++n)
            paintQuestion(
                painter, m_lines[n],
                QRect(margin, headingHeight + n * height, area.width() - 2 * margin, height));
    }
    if (hasFocus())
        drawFocusMark(painter, area);
}

int QuestionChart::rowHeight() const
{
    if (m_lines.isEmpty())
        return 1;
    return (designRect().height() - headingHeight - margin) / int(m_lines.size());
}

bool QuestionChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return TwipsWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const double designY = help->pos().y() / displayScale();
    const int n = int(std::floor((designY - headingHeight) / rowHeight()));
    if (n >= 0 && n < m_lines.size())
        QToolTip::showText(help->globalPos(), questionLineText(m_lines[n], m_pupils), this);
    else
        QToolTip::hideText();
    return true;
}

// The question on the left, then its bar, then the count and the commonest wrong answer.
void QuestionChart::paintQuestion(QPainter &painter, const QuestionLine &line, QRect row) const
{
    const int textWidth = row.width() / 2;
    const int labelWidth = painter.fontMetrics().horizontalAdvance("00 wrong, most D");
    const int barSpace = row.width() - textWidth - labelWidth - 2 * margin;
    const QString question = line.question.isEmpty()
                                 ? "Question " + QString::number(line.number)
                                 : QString::number(line.number) + ". " + line.question;
    painter.setPen(Colour::black);
    painter.drawText(QRect(row.left(), row.top(), textWidth, row.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(question, Qt::ElideRight, textWidth));

    const QRect track(row.left() + textWidth + margin, row.top() + 3, barSpace, row.height() - 6);
    painter.fillRect(track, Colour::bevelLight);
    const int length = m_pupils > 0 ? barSpace * line.wrong / m_pupils : 0;
    painter.fillRect(QRect(track.topLeft(), QSize(length, track.height())), Colour::wrongBar);

    painter.setPen(Colour::black);
    painter.drawText(QRect(track.right() + margin, row.top(), labelWidth, row.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(wrongText(line), Qt::ElideRight, labelWidth));
}
