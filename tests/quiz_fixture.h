// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "programfixture.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"

#include <QTest>

// A small science set: question text, answers A to D, the right answer's number.
inline const char *const sampleSet[10][6] = {
    {"Which of these materials is magnetic?", "wood", "steel", "glass", "plastic", "2"},
    {"Which material lets light through?", "clear glass", "brick", "cardboard", "wool", "1"},
    {"Which cup keeps a drink warm longest?", "thin metal", "paper", "polystyrene", "glass", "3"},
    {"What happens to chocolate when warmed?", "it freezes", "it boils", "it hardens", "it melts",
     "4"},
    {"Which of these conducts electricity?", "rubber", "copper", "wood", "paper", "2"},
    {"Which material is waterproof?", "cotton", "paper", "plastic", "wool", "3"},
    {"What does water turn into when it freezes?", "ice", "steam", "salt", "sand", "1"},
    {"Which change cannot be reversed?", "melting", "freezing", "dissolving", "burning", "4"},
    {"Which material is the hardest?", "sponge", "diamond", "chalk", "clay", "2"},
    {"Which material bends and springs back?", "rubber", "glass", "stone", "brick", "1"},
};
// The answers a pupil who gets everything right clicks, as a play script (see play()).
inline const char *const allRight = "2>1>3>4>2>3>1>4>2>1>";

// Runs quizzes the way a pupil does: the set loaded, the quiz opened as a topic menu opens it,
// answers and buttons clicked with the mouse.
class QuizFixture : public ProgramFixture
{
protected:
    QuizFixture()
    {
        stage->show();
        settings().SoundOn = 1;
        session().CurrentSetTitle = "Properties of Materials";
        for (int n = 1; n <= 10; ++n) {
            const auto &q = sampleSet[n - 1];
            session().QuestionText[n] = q[0];
            session().AnswerA[n] = q[1];
            session().AnswerB[n] = q[2];
            session().AnswerC[n] = q[3];
            session().AnswerD[n] = q[4];
            session().CorrectAnswer[n] = q[5];
        }
    }

    Multiple &openQuiz()
    {
        Multiple &quiz = screens->multiple();
        quiz.start({.heading = "Kelvarin", .picture = "images\\ironbridgesm.jpg"});
        return quiz;
    }

    void choose(int option)
    {
        QTest::mouseClick(&screens->multiple().Option1[option], Qt::LeftButton, {}, {8, 16});
    }
    void press(int button)
    {
        QTest::mouseClick(&screens->multiple().Label3[button], Qt::LeftButton, {}, {8, 8});
    }

    // "1" to "4" choose that answer, ">" presses Next, "<" Previous; the quiz must be open.
    void play(const QString &script)
    {
        for (QChar step : script) {
            if (step == '>' || step == '<')
                press(step == '>' ? 1 : 0);
            else
                choose(step.digitValue());
        }
        finishHandlers();
    }

    // The review lists exactly these lines, from its first line down, and hides the rest.
    void expectReview(const QStringList &lines)
    {
        for (int k = 0; k <= 9; ++k) {
            const Label &line = screens->wrong().Label2[k];
            EXPECT_EQ(line.Visible(), k < lines.size()) << "line " << k;
            EXPECT_EQ(line.Caption(), lines.value(k)) << "line " << k;
        }
    }
};
