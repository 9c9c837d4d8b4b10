#pragma once

#include "platform/errors.h"

#include <QString>
#include <array>
#include <string>

// An array with fixed index bounds; an index outside them throws IndexError.
template <class T, int Low, int High> class BoundedArray
{
public:
    T &operator[](int index) { return m_items[checked(index)]; }
    const T &operator[](int index) const { return m_items[checked(index)]; }
    static constexpr int lowest() { return Low; }
    static constexpr int highest() { return High; }

private:
    static std::size_t checked(int index)
    {
        if (index < Low || index > High)
            throw IndexError("index " + std::to_string(index) + " outside " + std::to_string(Low) +
                             " to " + std::to_string(High));
        return static_cast<std::size_t>(index - Low);
    }
    std::array<T, High - Low + 1> m_items{};
};

inline constexpr int MaxWorksheets = 1000;

// The program-wide state that screens share. Everything starts at 0 or empty and is never saved.
struct Module1 {
    int SoundOn = 0;

    // The question set in use, filled by LoadQuestionSet; entries 1 to 10.
    QString CurrentSetTitle;
    BoundedArray<QString, 0, 10> QuestionText;
    BoundedArray<QString, 0, 10> AnswerA;
    BoundedArray<QString, 0, 10> AnswerB;
    BoundedArray<QString, 0, 10> AnswerC;
    BoundedArray<QString, 0, 10> AnswerD;
    BoundedArray<QString, 0, 10> CorrectAnswer;
    BoundedArray<int, 0, 10> QuestionResult;
    int CurrentQuestion = 0;

    int Score = 0;
    int ScoreOutOf = 0;
    QString CertificateHeading;

    // The worksheet index in memory; titles occupy slots 1 to WorksheetCount.
    int WorksheetCount = 0;
    BoundedArray<QString, 0, MaxWorksheets> WorksheetTitles;
    QString SelectedWorksheet;
    int CataloguePage = 0;

    int ViewerPage = 0;
    int ViewerPageCount = 0;
    QString PageSetName;
    int LogoFrame = 0;
    int CandleFrame = 0;
};
