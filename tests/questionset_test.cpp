// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/errors.h"
#include "files/seqfile.h"
#include "platform/units.h"
#include "programfixture.h"
#include "quiz/questionset.h"
#include "tempclassroom.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QSet>
#include <gtest/gtest.h>

namespace
{

const QString setFile = QStringLiteral("multiple/Rocks.txt");

// The 72 lines of a set whose every text names its own place ("p Q3 B" is answer B of question
// 3), so a field read into the wrong slot shows. Correct answers run 1, 2, 3, 4, 1, ...
QStringList placeNamedLines(const QString &prefix)
{
    QStringList lines{prefix + " title", " "};
    for (int n = 1; n <= 10; ++n) {
        const QString question = prefix + " Q" + QString::number(n);
        lines << question << question + " A" << question + " B" << question + " C"
              << question + " D" << QString::number((n - 1) % 4 + 1) << " ";
    }
    return lines;
}

QByteArray crlfFile(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// Checks every field of the question state against the place-named set with this prefix; with
// `upTo` below 72 only the fields from lines 1 to upTo are expected from that set.
void expectPlaceNamedSet(const QuizSession &m, const QString &prefix,
                         const QString &otherPrefix = {}, int upTo = 72)
{
    const auto from = [&](int line) { return line <= upTo ? prefix : otherPrefix; };
    EXPECT_EQ(m.CurrentSetTitle, from(1) + " title");
    for (int n = 1; n <= 10; ++n) {
        SCOPED_TRACE(n);
        const int first = 7 * n - 4; // the question's line
        const QString q = " Q" + QString::number(n);
        EXPECT_EQ(m.QuestionText[n], from(first) + q);
        EXPECT_EQ(m.AnswerA[n], from(first + 1) + q + " A");
        EXPECT_EQ(m.AnswerB[n], from(first + 2) + q + " B");
        EXPECT_EQ(m.AnswerC[n], from(first + 3) + q + " C");
        EXPECT_EQ(m.AnswerD[n], from(first + 4) + q + " D");
        const int digit = from(first + 5) == prefix ? (n - 1) % 4 + 1 : 4 - (n - 1) % 4;
        EXPECT_EQ(m.CorrectAnswer[n], QString::number(digit));
    }
}

// The other set's correct answers run 4, 3, 2, 1, 4, ..., so a digit left over from it is told
// apart from the place-named set's.
void loadOldSet(const TempClassroom &dir, QuizSession &m)
{
    QStringList lines = placeNamedLines("old");
    for (int n = 1; n <= 10; ++n)
        lines[7 * n] = QString::number(4 - (n - 1) % 4); // line 7n+1, the digit
    dir.writeFile("multiple/old.txt", crlfFile(lines));
    loadQuestionSetFile(dir.folder(), m, "multiple/old.txt");
}

class QuestionSetFile : public ::testing::Test
{
protected:
    QuestionSetFile() { m_dir.makeFolder("multiple"); }

    TempClassroom m_dir;
    QuizSession m;
};

TEST_F(QuestionSetFile, LoaderFillsEveryFieldInFileOrder)
{
    m_dir.writeFile(setFile, crlfFile(placeNamedLines("new")));
    SeqReader file(m_dir.folder(), setFile);
    LoadQuestionSet(m, file);
    expectPlaceNamedSet(m, "new");
}

TEST_F(QuestionSetFile, SecondSetOverwritesEveryFieldOfTheFirst)
{
    loadOldSet(m_dir, m);
    m_dir.writeFile(setFile, crlfFile(placeNamedLines("new")));
    loadQuestionSetFile(m_dir.folder(), m, setFile);
    expectPlaceNamedSet(m, "new");
}

TEST_F(QuestionSetFile, ShortFileFailsAndKeepsWhatWasReadSoFar)
{
    // 71 lines fail on the last separator only; 20 lines stop inside question 3, after its C.
    for (const int lineCount : {71, 20}) {
        SCOPED_TRACE(lineCount);
        loadOldSet(m_dir, m);
        m_dir.writeFile(setFile, crlfFile(placeNamedLines("new").mid(0, lineCount)));
        EXPECT_THROW(loadQuestionSetFile(m_dir.folder(), m, setFile), FileError);
        expectPlaceNamedSet(m, "new", "old", lineCount);
    }
}

// Older files may carry more after the tenth question; it is not part of the set.
TEST_F(QuestionSetFile, LinesAfterTheTenthQuestionAreIgnored)
{
    for (const QStringList &more : {QStringList{"", "  "}, QStringList{"extra", "7", "a, b"}}) {
        SCOPED_TRACE(more.join('|').toStdString());
        m_dir.writeFile(setFile, crlfFile(placeNamedLines("new") << more));
        EXPECT_NO_THROW(loadQuestionSetFile(m_dir.folder(), m, setFile));
        expectPlaceNamedSet(m, "new");
    }
}

// Sets that would otherwise run as a wrong quiz: a pupil who answered everything right would
// score nothing, or every answer after a stray comma would sit under the wrong question.
TEST_F(QuestionSetFile, SetsOfTheWrongShapeDoNotLoad)
{
    // Line indices from 0: 7 holds question 1's correct answer, 4 its answer B, 0 the title.
    const std::pair<int, QString> damage[] = {
        {7, "A"},
        {7, "12"},
        {7, "0"},
        {7, ""},
        {7, "5"},
        {4, "Sand, water"},
        {0, "\"Rocks\", soils"},
    };
    for (const auto &[line, text] : damage) {
        SCOPED_TRACE(text.toStdString());
        QStringList lines = placeNamedLines("p");
        lines[line] = text;
        m_dir.writeFile(setFile, crlfFile(lines));
        EXPECT_THROW(loadQuestionSetFile(m_dir.folder(), m, setFile), FileError);
    }
    // A correct answer that names no answer is found once the whole set is read, so the wizard
    // can still open it for the teacher to tick one.
    QStringList lines = placeNamedLines("p");
    lines[7 + 7 * 7] = "5"; // question 8
    m_dir.writeFile(setFile, crlfFile(lines));
    EXPECT_THROW(loadQuestionSetFile(m_dir.folder(), m, setFile), BadCorrectAnswer);
    EXPECT_EQ(m.CorrectAnswer[8], "5");
    EXPECT_EQ(m.AnswerD[10], lines[69]);
    QByteArray noise(3000, 'x');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 7919) % 251);
    m_dir.writeFile(setFile, noise);
    EXPECT_THROW(loadQuestionSetFile(m_dir.folder(), m, setFile), FileError);
}

TEST_F(QuestionSetFile, MissingFileFails)
{
    loadOldSet(m_dir, m);
    EXPECT_THROW(loadQuestionSetFile(m_dir.folder(), m, "multiple/Nothing here.txt"), FileError);
    expectPlaceNamedSet(m, "new", "old", 0);
}

TEST_F(QuestionSetFile, LoaderTurnsAmpersandsIntoCommasButLeavesTheDigitAsRead)
{
    QStringList lines = placeNamedLines("p");
    lines[0] = "Rocks& soils and metals";
    lines[2] = "Salt & water?";
    lines[6] = "&&";
    lines[7] = " 3 "; // the field rule drops the leading blank only
    lines[8] = "not read as text";
    lines[9] = "  Blanks go";
    lines[10] = "\"Hot\" things"; // a quoted field ends at its closing quote
    m_dir.writeFile(setFile, crlfFile(lines));
    loadQuestionSetFile(m_dir.folder(), m, setFile);
    EXPECT_EQ(m.CurrentSetTitle, "Rocks, soils and metals");
    EXPECT_EQ(m.QuestionText[1], "Salt , water?");
    EXPECT_EQ(m.AnswerD[1], ",,");
    EXPECT_EQ(m.CorrectAnswer[1], "3 ");
    EXPECT_EQ(m.QuestionText[2], "Blanks go");
    EXPECT_EQ(m.AnswerA[2], "Hot");
    EXPECT_EQ(m.AnswerB[2], "p Q2 B");
}

QuestionSetText placeNamedSet()
{
    QuestionSetText set;
    set.title = "Rocks";
    for (int n = 1; n <= 10; ++n) {
        QuestionSetText::Question &question = set.questions[n - 1];
        question.text = "Q" + QString::number(n);
        for (int a = 0; a < 4; ++a)
            question.answers[a] = question.text + QChar(u'A' + a);
        question.correct = 4 - (n - 1) % 4;
    }
    return set;
}

TEST_F(QuestionSetFile, WriterLaysOutSeventyTwoCrLfLines)
{
    QuestionSetText set = placeNamedSet();
    set.title = "Rocks, soils and metals";
    set.questions[9].answers[3] = "salt & water, sand";

    writeQuestionSet(m_dir.folder(), "multiple/Rocks, soils and metals.txt", set);

    QByteArray expected = "Rocks& soils and metals\r\n \r\n";
    for (int n = 1; n <= 10; ++n) {
        const QByteArray q = "Q" + QByteArray::number(n);
        const QByteArray d = n == 10 ? "salt & water& sand" : q + "D";
        expected += q + "\r\n" + q + "A\r\n" + q + "B\r\n" + q + "C\r\n" + d + "\r\n";
        expected += QByteArray::number(4 - (n - 1) % 4) + "\r\n \r\n";
    }
    EXPECT_EQ(m_dir.readFile("multiple/Rocks, soils and metals.txt"), expected);
}

struct RoundTrip {
    const char *name;
    QString typed;
    QString readBack;
};

TEST_F(QuestionSetFile, TypedTextReadsBackAsTypedWhereverTheFormatAllows)
{
    const QString open = QString(QChar(0x201C));
    const QString close = QString(QChar(0x201D));
    const RoundTrip cases[] = {
        {"commas", "Rocks, soils, metals", "Rocks, soils, metals"},
        {"leading comma", ",start", ",start"},
        {"typed ampersand becomes a comma", "salt & water", "salt , water"},
        {"empty box", "", ""},
        {"leading blanks", "   Ice melts", "   Ice melts"},
        {"leading tab", "\tIce", "\tIce"},
        {"only blanks", "   ", "   "},
        {"trailing blanks", "Ends  ", "Ends  "},
        {"blanks and a comma", "  a, b", "  a, b"},
        {"quote inside", "Say \"hi\" now", "Say \"hi\" now"},
        {"leading quote", "\"Hot\" things", open + "Hot" + close + " things"},
        {"lone leading quote", "\"Hot", open + "Hot"},
        {"blanks then quotes", "  \"Hot\" and \"cold\"",
         "  " + open + "Hot" + close + " and " + open + "cold" + close},
        {"blanks and a quote inside", "  it's \"ice\"", "  it's " + open + "ice" + close},
        {"Windows-1252 letters", QStringLiteral("Ölé costs €2"), QStringLiteral("Ölé costs €2")},
    };
    for (const RoundTrip &c : cases) {
        SCOPED_TRACE(c.name);
        QuestionSetText set = placeNamedSet();
        set.title = c.typed;
        set.questions[0].text = c.typed;
        set.questions[4].answers[1] = c.typed;
        set.questions[9].answers[3] = c.typed;
        writeQuestionSet(m_dir.folder(), setFile, set);
        loadQuestionSetFile(m_dir.folder(), m, setFile);
        EXPECT_EQ(m.CurrentSetTitle, c.readBack);
        EXPECT_EQ(m.QuestionText[1], c.readBack);
        EXPECT_EQ(m.AnswerB[5], c.readBack);
        EXPECT_EQ(m.AnswerD[10], c.readBack);
        // the fields around them stay in their places
        EXPECT_EQ(m.AnswerA[1], "Q1A");
        EXPECT_EQ(m.AnswerC[5], "Q5C");
        EXPECT_EQ(m.CorrectAnswer[10], "3");
    }
}

TEST_F(QuestionSetFile, WriterRefusesWhatCannotBeStoredAndLeavesTheOldFile)
{
    const QByteArray original = crlfFile(placeNamedLines("old"));
    const std::pair<const char *, void (*)(QuestionSetText &)> cases[] = {
        {"no answer ticked", [](QuestionSetText &s) { s.questions[3].correct = 0; }},
        {"answer 5", [](QuestionSetText &s) { s.questions[9].correct = 5; }},
        {"line break", [](QuestionSetText &s) { s.questions[2].answers[1] = "two\nlines"; }},
        {"carriage return", [](QuestionSetText &s) { s.title = "a\rb"; }},
        {"no Windows-1252 byte", [](QuestionSetText &s) { s.questions[0].text = "CO₂ gas"; }},
    };
    for (const auto &[name, spoil] : cases) {
        SCOPED_TRACE(name);
        m_dir.writeFile(setFile, original);
        QuestionSetText set = placeNamedSet();
        spoil(set);
        EXPECT_THROW(writeQuestionSet(m_dir.folder(), setFile, set), FileError);
        EXPECT_EQ(m_dir.readFile(setFile), original);
        EXPECT_EQ(m_dir.entries("multiple"), QStringList{"Rocks.txt"});
    }
}

TEST_F(QuestionSetFile, WriterFailsWithoutItsFolder)
{
    EXPECT_THROW(writeQuestionSet(m_dir.folder(), "no folder/Rocks.txt", placeNamedSet()),
                 FileError);
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("no folder")));
}

struct InstalledSet {
    const char *path; // as the topic menus open it
    const char *title;
};

const InstalledSet installedSets[] = {
    {"multiple\\Properties of Materials.txt", "Properties of Materials"},
    {"multiple\\Changes in Materials.txt", "Changes in Materials"},
};

QStringList answersOf(const QuizSession &m, int n)
{
    return {m.AnswerA[n], m.AnswerB[n], m.AnswerC[n], m.AnswerD[n]};
}

TEST(InstalledQuestionSets, LoadWithTenCompleteQuestionsAndSpreadAnswers)
{
    ClassroomFolder classroom;
    for (const InstalledSet &installed : installedSets) {
        SCOPED_TRACE(installed.title);
        QuizSession m;
        SeqReader file(classroom.folder(), installed.path);
        LoadQuestionSet(m, file);
        EXPECT_TRUE(file.atEnd()) << "more than 72 lines";
        EXPECT_EQ(m.CurrentSetTitle, installed.title);
        QSet<QString> correctAnswers;
        for (int n = 1; n <= 10; ++n) {
            SCOPED_TRACE(n);
            EXPECT_FALSE(m.QuestionText[n].trimmed().isEmpty());
            const QStringList answers = answersOf(m, n);
            for (const QString &answer : answers)
                EXPECT_FALSE(answer.trimmed().isEmpty());
            EXPECT_EQ(QSet<QString>(answers.begin(), answers.end()).size(), 4) << "repeated answer";
            EXPECT_TRUE(QStringList({"1", "2", "3", "4"}).contains(m.CorrectAnswer[n]))
                << m.CorrectAnswer[n].toStdString();
            correctAnswers.insert(m.CorrectAnswer[n]);
        }
        EXPECT_EQ(correctAnswers.size(), 4) << "every letter A to D should be right somewhere";
    }
}

// The quiz shows a question in Times New Roman 30 pt in a 9840 x 1455 twip box, wrapped, and each
// answer on one line at 20.25 pt beside a 13 pixel button in 6975 twips.
TEST(InstalledQuestionSets, EveryQuestionAndAnswerFitsTheQuizScreen)
{
    ClassroomFolder classroom;
    const QFontMetrics questionFont(toQFont({"Times New Roman", 30}));
    const QFontMetrics answerFont(toQFont({"Times New Roman", 20.25f}));
    const QRect questionBox(0, 0, toPixels(9840), toPixels(1455));
    const int answerRoom = toPixels(6975) - 13 - 4;
    for (const InstalledSet &installed : installedSets) {
        SCOPED_TRACE(installed.title);
        QuizSession m;
        loadQuestionSetFile(classroom.folder(), m, installed.path);
        for (int n = 1; n <= 10; ++n) {
            SCOPED_TRACE(m.QuestionText[n].toStdString());
            const QRect used = questionFont.boundingRect(
                questionBox, Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap, m.QuestionText[n]);
            EXPECT_LE(used.height(), questionBox.height());
            for (const QString &answer : answersOf(m, n))
                EXPECT_LE(answerFont.horizontalAdvance(answer), answerRoom) << answer.toStdString();
        }
    }
}

} // namespace
