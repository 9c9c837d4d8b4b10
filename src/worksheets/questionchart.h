// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/twipswidget.h"
#include "worksheets/recordview.h"

// How the ten questions of one quiz or worksheet went: a bar for each, as long as the share of
// pupils that got it wrong, with the question and the wrong answer chosen most. Its words are
// also its accessible description, so a screen reader reads what the bars show.
class QuestionChart : public TwipsWidget
{
    Q_OBJECT
public:
    explicit QuestionChart(QWidget *container);

    void showQuestions(const QString &heading, int pupils, const QList<QuestionLine> &lines);
    // A sentence in place of the bars, when there is nothing to chart.
    void showNote(const QString &note);
    // What the chart says, a line for the heading and one for each question.
    QString text() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    // A question's whole line under the pointer, its words being cut short on the chart.
    bool event(QEvent *event) override;

private:
    void changed();
    void paintQuestion(QPainter &painter, const QuestionLine &line, QRect row) const;
    int rowHeight() const;

    QString m_heading;
    int m_pupils = 0;
    QList<QuestionLine> m_lines;
};
