// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/questionset.h"

#include "files/codepage.h"
#include "files/errors.h"
#include "files/seqfile.h"
#include "quiz/quizsession.h"

#include <QStringList>
#include <optional>

namespace
{

QString commasFromAmpersands(QString field)
{
    return field.replace(u'&', u',');
}

// Every field of a set has a line of its own: a comma the writer didn't escape would otherwise
// shift every later field.
QString readText(SeqReader &file)
{
    return commasFromAmpersands(file.readLineField());
}

bool isCorrectDigit(const QString &digit)
{
    const QString trimmed = digit.trimmed();
    return trimmed.size() == 1 && trimmed.at(0) >= u'1' && trimmed.at(0) <= u'4';
}

// The first question whose correct answer names none of A to D, or 0.
int firstQuestionWithoutAnswer(const QuizSession &m)
{
    for (int n = 1; n <= 10; ++n) {
        if (!isCorrectDigit(m.CorrectAnswer[n]))
            return n;
    }
    return 0;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// A quote that opens a word becomes a left curly quote, any other a right one.
QString curlyQuotes(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'"') {
            result.append(text.at(i));
            continue;
        }
        const bool opening = i == 0 || isBlank(text.at(i - 1)) || text.at(i - 1) == u'(';
        result.append(opening ? QChar(0x201C) : QChar(0x201D));
    }
    return result;
}

// The line that reads back as this text. Commas are stored as ampersands; a field whose straight
// quotes the reader would cut it at (one that opens with a quote, or one that starts with blanks,
// which must go in quotes, and holds a quote) gets curly ones instead.
QString storedField(const QString &text)
{
    if (text.contains(u'\r') || text.contains(u'\n'))
        throw FileError("a line break can't be stored in a question set");
    if (!isWindows1252Encodable(text))
        throw FileError("a character can't be stored in a question set: " + text.toStdString());
    QString field = text;
    field.replace(u',', u'&');
    if (const std::optional<QString> line = SeqWriter::fieldLine(field))
        return *line;
    // Curly quotes never end a field, so this line always exists.
    return *SeqWriter::fieldLine(curlyQuotes(field));
}

QString correctDigit(int correct)
{
    if (correct < 1 || correct > 4)
        throw FileError("correct answer " + std::to_string(correct) + " is not 1 to 4");
    return QString::number(correct);
}

// Every line is made before the file is opened, so a field that can't be stored stops the save
// before the old file is touched.
QStringList setLines(const QuestionSetText &set)
{
    const QString separator = QStringLiteral(" ");
    QStringList lines{storedField(set.title), separator};
    for (const QuestionSetText::Question &question : set.questions) {
        lines.append(storedField(question.text));
        for (const QString &answer : question.answers)
            lines.append(storedField(answer));
        lines.append(correctDigit(question.correct));
        lines.append(separator);
    }
    return lines;
}

} // namespace

void LoadQuestionSet(QuizSession &m, SeqReader &file)
{
    m.CurrentSetTitle = readText(file);
    file.readLineField(); // separator
    for (int n = 1; n <= 10; ++n) {
        m.QuestionText[n] = readText(file);
        m.AnswerA[n] = readText(file);
        m.AnswerB[n] = readText(file);
        m.AnswerC[n] = readText(file);
        m.AnswerD[n] = readText(file);
        m.CorrectAnswer[n] = file.readLineField();
        file.readLineField(); // separator
    }
    // Whatever follows the tenth question is not part of the set; older files may carry more.
    if (const int n = firstQuestionWithoutAnswer(m))
        throw BadCorrectAnswer(file.path().toStdString() + ": the correct answer to question " +
                               std::to_string(n) + " is \"" + m.CorrectAnswer[n].toStdString() +
                               "\", not 1 to 4");
}

void loadQuestionSetFile(const ContentFolder &folder, QuizSession &m, const QString &path)
{
    SeqReader file(folder, path); // reads the whole file and closes it at once
    LoadQuestionSet(m, file);
}

QString topicQuestionSetFile(const QString &topicTitle)
{
    return "multiple\\" + topicTitle + ".txt";
}

void checkQuestionSetFile(const ContentFolder &folder, const QString &path)
{
    QuizSession scratch;
    loadQuestionSetFile(folder, scratch, path);
}

void writeQuestionSet(const ContentFolder &folder, const QString &path, const QuestionSetText &set)
{
    const QStringList lines = setLines(set);
    SeqWriter writer(folder, path);
    for (const QString &line : lines)
        writer.writeLine(line);
    writer.commit();
}
