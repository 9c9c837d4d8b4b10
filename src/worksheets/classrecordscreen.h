// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classrecord/classrecord.h"
#include "classrecord/summaries.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "worksheets/recordview.h"

#include <functional>

class Label;
class QuestionChart;
class Screens;
class TableBox;

// The Class Record: what the pupils of this classroom folder did and how they did, for the
// teacher. A table of pupils against everything done in the chosen period, how the questions of
// one quiz or worksheet went, and one pupil's history; the record can be exported and printed.
class ClassRecordScreen : public Form
{
    Q_OBJECT
public:
    explicit ClassRecordScreen(Screens &screens);

    enum Label3Button { Exit = 0, Export = 1, Print = 2 };

    void Form_Load() override;
    // Reads the record afresh and shows it.
    void open();
    void Label3_Click(int index);
    void Label3_MouseMove(int index);
    void Label4_Click(int index);
    void Label4_MouseMove(int index);
    void Form_MouseMove(const MouseArgs &args) override;

    Label *Label1;              // the heading "Class Record"
    ControlArray<Label> Label3; // the buttons, by Label3Button
    ControlArray<Label> Label4; // the periods, by Period
    Label *Label5;              // the key's caption
    ControlArray<Label> Label6; // the key's three bands, lowest first
    TableBox *Table1;           // pupils against what they did
    Label *Label7;              // the record's problems, or that nothing is recorded
    QuestionChart *Chart1;      // the questions of the chosen quiz or worksheet
    Label *Label8;              // whose history Table2 shows
    TableBox *Table2;           // one pupil's history, newest first

private:
    void makeKey();
    void makeTables();
    void showPeriodChoice();
    void fillTable();
    void showNotes();
    void showCell(int row, int column);
    void showAnalysis(int column);
    void showHistory(int row);
    std::optional<QuestionTexts> questionTexts(const RecordItem &item) const;
    void exportRecord();
    void printRecord();

    Screens &m_screens;
    Period m_period = Period::ThisTerm;
    RecordRead m_read;
    QList<Attempt> m_shown; // the attempts of the period
    RecordGrid m_grid;
};
