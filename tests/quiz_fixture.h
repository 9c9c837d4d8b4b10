#pragma once

#include "app/module1.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "programfixture.h"
#include "quiz/multiple.h"
#include "quiz/welldone.h"
#include "quiz/wrong.h"

#include <QTest>
#include <array>

// A small science set whose right answers are known: question n is answered correctly by
// choosing option sampleKey[n - 1].
struct SampleQuestion {
    const char *text;
    std::array<const char *, 4> answers;
    const char *correct;
};

inline const SampleQuestion sampleSet[10] = {
    {"Which of these materials is magnetic?", {"wood", "steel", "glass", "plastic"}, "2"},
    {"Which material lets light pass through it?",
     {"clear glass", "brick", "cardboard", "wool"},
     "1"},
    {"Which cup keeps a drink warm for longest?",
     {"a thin metal cup", "a paper cup", "a polystyrene cup", "a glass cup"},
     "3"},
    {"What happens to chocolate when it is warmed?",
     {"it freezes", "it turns to gas", "it gets harder", "it melts"},
     "4"},
    {"Which of these conducts electricity?", {"rubber", "copper", "wood", "paper"}, "2"},
    {"Which material is waterproof?", {"cotton", "paper", "plastic", "wool"}, "3"},
    {"What does water turn into when it freezes?", {"ice", "steam", "salt", "sand"}, "1"},
    {"Which change cannot be reversed?",
     {"melting ice", "freezing water", "dissolving sugar", "burning wood"},
     "4"},
    {"Which material is the hardest?", {"sponge", "diamond", "chalk", "clay"}, "2"},
    {"Which material bends and springs back?", {"rubber", "glass", "stone", "brick"}, "1"},
};

inline constexpr std::array<int, 10> sampleKey = {2, 1, 3, 4, 2, 3, 1, 4, 2, 1};
inline constexpr int NoChoice = 0;

// Runs quizzes the way a pupil does: the set is loaded, the quiz opened as the topic menu opens
// it, and answers and buttons clicked with the mouse.
class QuizFixture : public ProgramFixture
{
protected:
    QuizFixture()
    {
        stage->show();
        m().SoundOn = 1;
        loadSampleSet();
    }

    void loadSampleSet()
    {
        m().CurrentSetTitle = "Properties of Materials";
        for (int n = 1; n <= 10; ++n) {
            const SampleQuestion &q = sampleSet[n - 1];
            m().QuestionText[n] = q.text;
            m().AnswerA[n] = q.answers[0];
            m().AnswerB[n] = q.answers[1];
            m().AnswerC[n] = q.answers[2];
            m().AnswerD[n] = q.answers[3];
            m().CorrectAnswer[n] = q.correct;
        }
    }

    Multiple &openQuiz()
    {
        Multiple &quiz = screens->multiple();
        quiz.Picture1->LoadPicture("images\\ironbridgesm.jpg");
        quiz.Label5->setCaption("Kelvarin");
        quiz.show();
        return quiz;
    }

    Multiple &quiz() const
    {
        EXPECT_TRUE(screens->isLoaded("multiple"));
        return screens->multiple();
    }

    void choose(int option)
    {
        QTest::mouseClick(&quiz().Option1[option], Qt::LeftButton, {}, {8, 16});
    }
    void press(int button)
    {
        QTest::mouseClick(&quiz().Label3[button], Qt::LeftButton, {}, {8, 8});
    }

    // One choice per question (NoChoice leaves it unanswered), each followed by Next, from the
    // question on show to the last, whose Next scores the quiz.
    void answerAll(const std::array<int, 10> &choices)
    {
        for (int question = m().CurrentQuestion; question <= 10; ++question) {
            if (choices[question - 1] != NoChoice)
                choose(choices[question - 1]);
            press(1);
        }
        finishHandlers();
    }

    // The key with the given questions answered with the option after the right one.
    static std::array<int, 10> keyWithWrong(std::initializer_list<int> wrongQuestions)
    {
        std::array<int, 10> choices = sampleKey;
        for (int question : wrongQuestions)
            choices[question - 1] = choices[question - 1] % 4 + 1;
        return choices;
    }

    // The review lists exactly these lines, from its first line down, and hides the rest.
    void expectReview(const QStringList &lines)
    {
        const Wrong &review = screens->wrong();
        for (int k = 0; k <= 9; ++k) {
            const Label &line = review.Label2[k];
            if (k < lines.size()) {
                EXPECT_TRUE(line.Visible()) << "line " << k;
                EXPECT_EQ(line.Caption(), lines[k]) << "line " << k;
            } else {
                EXPECT_FALSE(line.Visible()) << "line " << k;
            }
        }
    }
};
