// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/pupilturn.h"

#include "app/screens.h"
#include "classrecord/classrecord.h"
#include "classrecord/classsettings.h"
#include "files/errors.h"
#include "quiz/namepicker.h"
#include "quiz/quizlog.h"
#include "quiz/quizrules.h"
#include "quiz/quizsession.h"

#include <optional>

namespace
{

// The questions answered wrongly, each with the letter of the answer chosen, "-" for none.
QList<WrongAnswer> wrongAnswers(const QuizSession &m)
{
    QList<WrongAnswer> wrong;
    for (int question = 1; question <= QuestionCount; ++question) {
        if (m.QuestionResult[question] == 1)
            continue;
        const int chosen = m.ChosenAnswer[question];
        wrong.append({question, chosen >= 1 && chosen <= 4 ? QString(QChar('A' + chosen - 1))
                                                           : QStringLiteral("-")});
    }
    return wrong;
}

// The class list when the classroom keeps a record, nothing when it doesn't. A settings file
// that can't be read counts as off, so the pupil can always get on; the teacher finds the
// reason in the log.
std::optional<QStringList> classListWhenOn(const ContentFolder &classroom)
{
    try {
        const ClassRecordSettings settings(classroom);
        if (settings.isOn())
            return settings.classList();
    } catch (const FileError &error) {
        qCWarning(lcQuiz) << "the class record's settings could not be read:" << error.what();
    }
    return std::nullopt;
}

} // namespace

void startTurn(Screens &screens, AttemptKind kind, const QString &title,
               const std::function<void()> &start)
{
    screens.state<PupilTurn>() = {};
    const std::optional<QStringList> classList = classListWhenOn(screens.classroom());
    if (!classList) {
        start();
        return;
    }
    screens.namePicker().ask(*classList, [&screens, kind, title, start](const QString &pupil) {
        screens.state<PupilTurn>() = {
            .recording = true, .pupil = pupil, .kind = kind, .title = title};
        start();
    });
}

QString recordTurn(Screens &screens, const QDateTime &finished)
{
    PupilTurn &turn = screens.state<PupilTurn>();
    if (!turn.recording)
        return {};
    turn.recording = false;
    const QuizSession &m = screens.state<QuizSession>();
    Attempt attempt{.time = finished,
                    .pupil = turn.pupil,
                    .machine = ClassRecord::thisMachine(),
                    .kind = turn.kind,
                    .title = turn.title,
                    .score = m.Score,
                    .outOf = m.ScoreOutOf,
                    .wrong = {}};
    if (turn.kind != AttemptKind::Activity)
        attempt.wrong = wrongAnswers(m);

    screens.state<UnrecordedAttempts>().waiting.append(attempt);
    saveWaitingResults(screens);
    return turn.pupil;
}

bool saveWaitingResults(Screens &screens)
{
    UnrecordedAttempts &unrecorded = screens.state<UnrecordedAttempts>();
    const ClassRecord record(screens.classroom());
    try {
        while (!unrecorded.waiting.isEmpty()) {
            record.append(unrecorded.waiting.constFirst());
            unrecorded.waiting.removeFirst();
        }
        unrecorded.reason.clear();
        return true;
    } catch (const FileError &error) {
        unrecorded.reason = QString::fromStdString(error.what());
        // No names in the log: pupils' results stay in the classroom folder.
        qCWarning(lcQuiz) << unrecorded.waiting.size()
                          << "results could not be added to the class record:" << error.what();
        return false;
    }
}
