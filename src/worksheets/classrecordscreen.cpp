// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/classrecordscreen.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "classrecord/classsettings.h"
#include "files/errors.h"
#include "platform/handleredge.h"
#include "platform/label.h"
#include "platform/messageboxes.h"
#include "platform/tablebox.h"
#include "quiz/pupilturn.h"
#include "quiz/questionset.h"
#include "quiz/quizsession.h"
#include "worksheets/classrecordprint.h"
#include "worksheets/questionchart.h"
#include "worksheets/worksheetslog.h"
#include "worksheets/worksheettitle.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableWidget>

namespace
{

const ButtonSpec buttons[] = {
    {ClassRecordScreen::Exit, {10560, 8340, 1245, 495}, "Exit"},
    {ClassRecordScreen::Export, {7800, 8340, 1245, 495}, "Export"},
    {ClassRecordScreen::Print, {9180, 8340, 1245, 495}, "Print"},
};

const ButtonSpec periods[] = {
    {int(Period::ThisWeek), {120, 840, 1500, 405}, "This Week"},
    {int(Period::ThisTerm), {1740, 840, 1500, 405}, "This Term"},
    {int(Period::Everything), {3360, 840, 1500, 405}, "Everything"},
};

const FontSpec periodFont{"Tahoma", 9.75f, true};
const FontSpec keyFont{"Tahoma", 8.25f, true};
const FontSpec tableFont{"Tahoma", 8.25f, false};
const FontSpec noteFont{"Tahoma", 9.75f, true};

constexpr float pupilColumnWidth = 1500;
constexpr float itemColumnWidth = 1500;

QString attemptsText(int attempts)
{
    return QString::number(attempts) + (attempts == 1 ? " attempt" : " attempts");
}

QString pupilsText(int pupils)
{
    return QString::number(pupils) + (pupils == 1 ? " pupil" : " pupils");
}

// What a screen reader says for a cell, and the tip under the pointer.
QString cellDescription(const QString &pupil, const RecordItem &item,
                        const std::optional<Standing> &standing)
{
    const QString what = pupil + ", " + kindCaption(item.kind) + " " + item.title + ": ";
    if (!standing)
        return what + "not done";
    return what + "latest " + marksText(standing->latest) + ", best " + marksText(standing->best) +
           ", " + attemptsText(standing->attempts);
}

QTableWidgetItem *tableItem(const QString &text, ScoreBand band)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(bandColour(band));
    item->setForeground(Colour::black);
    return item;
}

} // namespace

ClassRecordScreen::ClassRecordScreen(Screens &screens)
    : Form(screens.stage(), lcWorksheets()), m_screens(screens)
{
    Label1 = makeLabel(this, textLabel("Class Record", {0, 0, 12000, 780}, {"Tahoma", 24, true},
                                       Colour::yellow, Colour::screenBlue));
    makeButtons(
        this, Label4, periods, [this](int index) { Label4_Click(index); },
        [this](int index) { Label4_MouseMove(index); });
    for (const auto &[index, button] : Label4)
        button->setFontSpec(periodFont);
    makeKey();
    makeTables();
    Label7 = makeLabel(this, textLabel({}, {120, 8265, 7560, 720}, noteFont, Colour::yellow,
                                       Colour::screenBlue, Alignment::Left));
    Chart1 = new QuestionChart(this);
    Chart1->setPlace({120, 5640, 6600, 2580});
    makeButtons(
        this, Label3, buttons, [this](int index) { Label3_Click(index); },
        [this](int index) { Label3_MouseMove(index); });
}

void ClassRecordScreen::makeKey()
{
    Label5 = makeLabel(this, textLabel("Latest score:", {5040, 840, 2160, 405}, keyFont,
                                       Colour::yellow, Colour::screenBlue, Alignment::Right));
    const QString captions[] = {"Under half", "Half to under 8/10", "8/10 and over"};
    const ScoreBand bands[] = {ScoreBand::Low, ScoreBand::Middle, ScoreBand::High};
    for (int n = 0; n < 3; ++n) {
        LabelDesign design = textLabel(captions[n], {7320.0f + 1530 * n, 840, 1470, 405}, keyFont,
                                       Colour::black, bandColour(bands[n]));
        design.backStyle = BackStyle::Opaque;
        Label6.add(n, makeLabel(this, design));
    }
}

void ClassRecordScreen::makeTables()
{
    Table1 = new TableBox(this);
    Table1->setPlace({120, 1320, 11760, 4200});
    Table1->setFontSpec(tableFont);
    Table1->setRowHeadingWidth(pupilColumnWidth);
    Table1->setHeadingHeight(930);
    Table1->setRowHeight(300);
    Table1->table()->setAccessibleName(QStringLiteral("Pupils and their scores"));
    // Moving down a column keeps its analysis, so its set is read again only for another column.
    connect(Table1->table(), &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int oldRow, int oldColumn) {
                runHandler(*this, [=, this] {
                    if (row != oldRow)
                        showHistory(row);
                    if (column != oldColumn)
                        showAnalysis(column);
                });
            });
    connect(Table1->table()->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { runHandler(*this, [=, this] { showAnalysis(column); }); });

    Label8 = makeLabel(this, textLabel({}, {6840, 5640, 5040, 300}, keyFont, Colour::yellow,
                                       Colour::screenBlue, Alignment::Left));
    Table2 = new TableBox(this);
    Table2->setPlace({6840, 5940, 5040, 2280});
    Table2->setFontSpec(tableFont);
    Table2->setRowHeight(300);
    Table2->setHeadingHeight(330);
    Table2->table()->setAccessibleName(QStringLiteral("History"));
    Table2->table()->verticalHeader()->hide();
    Table2->table()->setColumnCount(3);
    Table2->table()->setHorizontalHeaderLabels({"When", "What", "Score"});
    Table2->setColumnWidth(0, 1380);
    Table2->setColumnWidth(1, 2640);
    Table2->setColumnWidth(2, 720);
}

void ClassRecordScreen::Form_Load()
{
    ApplyScreenStyle(*this);
    showPeriodChoice();
}

void ClassRecordScreen::open()
{
    try {
        m_read = ClassRecord(m_screens.classroom()).read();
    } catch (const FileError &error) {
        // A record folder taken away or replaced: say why rather than show an empty record.
        qCWarning(lcWorksheets) << "cannot read the class record:" << error.what();
        m_screens.platform().messageBoxes.show("The class record could not be read.\n" +
                                               QString::fromStdString(error.what()));
        m_screens.unload(*this);
        return;
    }
    fillTable();
    show();
}

// The chosen period is marked in black on yellow, the others show as buttons do.
void ClassRecordScreen::showPeriodChoice()
{
    for (const auto &[index, button] : Label4) {
        const bool chosen = index == int(m_period);
        button->setBackColor(chosen ? Colour::yellow : Colour::black);
        button->setForeColor(chosen ? Colour::black : Colour::yellow);
        button->setBackStyle(chosen ? BackStyle::Opaque : BackStyle::Transparent);
        button->setAccessibleDescription(chosen ? QStringLiteral("Chosen") : QString());
    }
}

void ClassRecordScreen::fillTable()
{
    QStringList classList;
    carryOn(*this, [&] { classList = ClassRecordSettings(m_screens.classroom()).classList(); });
    m_shown = inPeriod(m_read.attempts, m_period, QDateTime::currentDateTime());

    // The pupil and item in hand stay chosen when the period changes, if they are still there.
    QTableWidget *table = Table1->table();
    const int oldRow = table->currentRow(), oldColumn = table->currentColumn();
    const QString pupil = m_grid.pupils.value(oldRow);
    const RecordItem item = m_grid.items.value(oldColumn);
    m_grid = recordGrid(standings(m_shown), classList);

    const QSignalBlocker quiet(table);
    table->clear();
    table->setRowCount(int(m_grid.pupils.size()));
    table->setColumnCount(int(m_grid.items.size()));
    table->setVerticalHeaderLabels(m_grid.pupils);
    for (int column = 0; column < m_grid.items.size(); ++column) {
        const RecordItem &done = m_grid.items[column];
        table->setHorizontalHeaderItem(
            column, new QTableWidgetItem(kindCaption(done.kind) + '\n' + done.title));
        Table1->setColumnWidth(column, itemColumnWidth);
        for (int row = 0; row < m_grid.pupils.size(); ++row) {
            const std::optional<Standing> &standing = m_grid.cells[row][column];
            auto *cell = standing
                             ? tableItem(standingText(*standing),
                                         scoreBand(standing->latest.score, standing->latest.outOf))
                             : tableItem(QString(), ScoreBand::None);
            const QString description = cellDescription(m_grid.pupils[row], done, standing);
            cell->setToolTip(description);
            cell->setData(Qt::AccessibleTextRole, description);
            table->setItem(row, column, cell);
        }
    }
    const int row = std::max(0, int(m_grid.pupils.indexOf(pupil)));
    const int column = std::max(0, int(m_grid.items.indexOf(item)));
    if (!m_grid.items.isEmpty() && !m_grid.pupils.isEmpty())
        table->setCurrentCell(row, column);
    showCell(m_grid.pupils.isEmpty() ? -1 : row, m_grid.items.isEmpty() ? -1 : column);
    showNotes();
}

void ClassRecordScreen::showNotes()
{
    const UnrecordedAttempts &unrecorded = m_screens.state<UnrecordedAttempts>();
    // The teacher knows which classroom folder this is; the file within it is what tells.
    QString reason = unrecorded.reason;
    reason.replace(QDir(m_screens.classroom().path()).absolutePath() + '/', QString());
    const QStringList notes = recordProblems(m_read.skippedLines, m_read.skippedFiles,
                                             int(unrecorded.waiting.size()), reason);
    Label7->setCaption(notes.join(' '));
    Label7->setVisible(!notes.isEmpty());
}

void ClassRecordScreen::showCell(int row, int column)
{
    showHistory(row);
    showAnalysis(column);
}

void ClassRecordScreen::showAnalysis(int column)
{
    if (column < 0 || column >= m_grid.items.size()) {
        // An empty table says so where the questions would be, in the middle of the screen.
        Chart1->showNote(m_read.attempts.isEmpty()
                             ? QStringLiteral("Nothing has been recorded yet.")
                         : m_shown.isEmpty()
                             ? "Nothing has been recorded " + periodName(m_period).toLower() + "."
                             : QStringLiteral("Choose a quiz or worksheet in the table to see "
                                              "how its questions went."));
        return;
    }
    const RecordItem &item = m_grid.items[column];
    if (item.kind == AttemptKind::Activity) {
        Chart1->showNote("Activity: " + item.title +
                         ". An activity has no questions to show; choose a quiz or worksheet.");
        return;
    }
    const QuestionAnalysis analysis = analyseQuestions(m_shown, item.kind, item.title);
    Chart1->showQuestions(kindCaption(item.kind) + ": " + item.title + ", " + "first tries of " +
                              pupilsText(analysis.pupils) + ":",
                          analysis.pupils, questionLines(analysis, questionTexts(item)));
}

// The set's words, when its file can still be read and has not been changed since the first of
// the attempts analysed, whose questions may have been other ones; the counts are shown without
// them otherwise.
std::optional<QuestionTexts> ClassRecordScreen::questionTexts(const RecordItem &item) const
{
    QString file;
    if (item.kind == AttemptKind::Quiz)
        file = topicQuestionSetFile(item.title);
    else if (titleProblem(item.title).isEmpty())
        file = worksheetFile(item.title);
    else
        return std::nullopt;
    const QDateTime changed = QFileInfo(m_screens.classroom().resolve(file)).lastModified();
    for (const Attempt &attempt : m_shown) {
        if (attempt.kind == item.kind && attempt.title == item.title && attempt.time < changed) {
            qCInfo(lcWorksheets) << "showing the questions of" << item.title
                                 << "without their words: the set has been changed since";
            return std::nullopt;
        }
    }
    QuizSession set;
    try {
        loadQuestionSetFile(m_screens.classroom(), set, file);
    } catch (const BadCorrectAnswer &) {
        // Read whole; only a correct answer is unreadable, which the analysis doesn't need.
    } catch (const FileError &error) {
        qCInfo(lcWorksheets) << "showing the questions of" << item.title
                             << "without their words:" << error.what();
        return std::nullopt;
    }
    QuestionTexts texts;
    for (int n = 1; n <= QuestionsAnalysed; ++n) {
        texts.questions << set.QuestionText[n];
        texts.answers << QStringList{set.AnswerA[n], set.AnswerB[n], set.AnswerC[n],
                                     set.AnswerD[n]};
    }
    return texts;
}

void ClassRecordScreen::showHistory(int row)
{
    QTableWidget *table = Table2->table();
    table->setRowCount(0);
    if (row < 0 || row >= m_grid.pupils.size()) {
        Label8->setCaption(QString());
        return;
    }
    const QString &pupil = m_grid.pupils[row];
    const QList<Attempt> history = pupilHistory(m_shown, pupil);
    Label8->setCaption(history.isEmpty()
                           ? pupil + " has done nothing " + periodName(m_period).toLower() + "."
                           : pupil + ", newest first:");
    table->setRowCount(int(history.size()));
    for (int n = 0; n < history.size(); ++n) {
        const Attempt &attempt = history[n];
        table->setItem(n, 0, tableItem(attemptTimeText(attempt), ScoreBand::None));
        table->setItem(
            n, 1, tableItem(kindCaption(attempt.kind) + ": " + attempt.title, ScoreBand::None));
        table->item(n, 1)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->item(n, 1)->setToolTip(table->item(n, 1)->text());
        table->setItem(n, 2,
                       tableItem(marksText(attempt), scoreBand(attempt.score, attempt.outOf)));
    }
}

void ClassRecordScreen::exportRecord()
{
    const QString suggested = QDir::home().filePath(
        "Class record " + QDate::currentDate().toString(Qt::ISODate) + ".csv");
    MessageBoxes &boxes = m_screens.platform().messageBoxes;
    const QString path = boxes.chooseFileToSave(QStringLiteral("Export the Class Record"),
                                                suggested, QStringLiteral("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    try {
        ClassRecord(m_screens.classroom()).exportTo(path);
    } catch (const FileError &error) {
        qCWarning(lcWorksheets) << "cannot export the class record:" << error.what();
        boxes.show("The class record could not be exported.\n" +
                   QString::fromStdString(error.what()));
        return;
    }
    boxes.show("The class record has been exported to " + QDir::toNativeSeparators(path) + ".");
}

void ClassRecordScreen::printRecord()
{
    printClassRecord(m_screens.platform().printer, m_screens.platform().messageBoxes,
                     periodName(m_period), m_grid);
}

void ClassRecordScreen::Label3_Click(int index)
{
    if (index == Exit)
        m_screens.unload(*this);
    playClick(m_screens);
    if (index == Export)
        exportRecord();
    else if (index == Print)
        printRecord();
}

void ClassRecordScreen::Label3_MouseMove(int index)
{
    highlightButton(Label3, index);
}

void ClassRecordScreen::Label4_Click(int index)
{
    playClick(m_screens);
    m_period = Period(index);
    showPeriodChoice();
    fillTable();
}

void ClassRecordScreen::Label4_MouseMove(int index)
{
    if (index != int(m_period))
        Label4[index].setBackStyle(BackStyle::Opaque);
}

void ClassRecordScreen::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label3);
    showPeriodChoice();
}

ClassRecordScreen &Screens::classRecordScreen()
{
    return get<ClassRecordScreen>("ClassRecord");
}
