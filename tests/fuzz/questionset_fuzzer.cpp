// SPDX-License-Identifier: GPL-3.0-or-later
// The question-set loader over arbitrary bytes. A file that loads must be a whole set: every
// correct answer a number 1 to 4, and whatever lines follow the tenth question changing nothing.
// What loaded must save and load again unchanged.

#include "fuzzsupport.h"
#include "files/errors.h"
#include "quiz/questionset.h"
#include "quiz/quizsession.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace
{

// The question state as text, the correct answers as numbers (0 when not a number).
QStringList questionState(const QuizSession &m)
{
    QStringList state{m.CurrentSetTitle};
    for (int n = 1; n <= 10; ++n) {
        state << m.QuestionText[n] << m.AnswerA[n] << m.AnswerB[n] << m.AnswerC[n] << m.AnswerD[n]
              << QString::number(m.CorrectAnswer[n].trimmed().toInt());
    }
    return state;
}

const QString setPath = QStringLiteral("multiple/set.txt");

std::optional<QStringList> loadSaved()
{
    auto m = std::make_unique<QuizSession>();
    try {
        loadQuestionSetFile(scratchFolder().folder(), *m, setPath);
    } catch (const FileError &) {
        return std::nullopt;
    }
    return questionState(*m);
}

std::optional<QStringList> load(const QByteArray &bytes)
{
    scratchFolder().writeFile(setPath, bytes);
    return loadSaved();
}

QuestionSetText setText(const QStringList &state)
{
    QuestionSetText set;
    set.title = state.at(0);
    for (int n = 0; n < 10; ++n) {
        QuestionSetText::Question &question = set.questions[n];
        question.text = state.at(1 + n * 6);
        for (int k = 0; k < 4; ++k)
            question.answers[k] = state.at(2 + n * 6 + k);
        question.correct = state.at(6 + n * 6).toInt();
    }
    return set;
}

bool correctAnswersInRange(const QStringList &state)
{
    for (int n = 0; n < 10; ++n) {
        const int correct = state.at(6 + n * 6).toInt();
        if (correct < 1 || correct > 4)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const std::optional<QStringList> loaded = load(bytes);
    if (!loaded)
        return 0;
    FUZZ_CHECK(correctAnswersInRange(*loaded));
    FUZZ_CHECK(load(bytes + "\r\n \r\n\r\n") == loaded);
    FUZZ_CHECK(load(bytes + "\r\nmore, and more\r\n7\r\n") == loaded);

    writeQuestionSet(scratchFolder().folder(), setPath, setText(*loaded));
    FUZZ_CHECK(loadSaved() == loaded);
    return 0;
}
