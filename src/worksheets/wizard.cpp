// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/wizard.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "files/codepage.h"
#include "files/contentpath.h"
#include "platform/checkbox.h"
#include "platform/label.h"
#include "platform/messageboxes.h"
#include "platform/textbox.h"
#include "quiz/questionset.h"
#include "quiz/quizrules.h"
#include "quiz/quizsession.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheets.h"
#include "worksheets/worksheetslog.h"
#include "worksheets/worksheettitle.h"

#include <QFileInfo>
#include <QLineEdit>
#include <optional>

namespace
{

constexpr int Questions = 10;
constexpr int TitleLength = 25;
constexpr int QuestionLength = 60;
constexpr int AnswerLength = 30;

// Label1's own captions come first; each question adds its caption and its four letters.
constexpr int FirstQuestionCaption = 2;
constexpr int FirstLetter = FirstQuestionCaption + Questions;

const QString saveFailed = QStringLiteral("There was a problem saving your worksheet");

const ButtonSpec buttons[] = {
    {Wizard::Exit, {10560, 7920, 1245, 495}, "Exit"},
    {Wizard::SaveWorksheet, {240, 7920, 3165, 495}, "Save Worksheet"},
};

LabelDesign caption(const QString &text, TwipsRect place, FontSpec font,
                    Alignment alignment = Alignment::Left)
{
    return {text,     place, font, Colour::yellow, Colour::screenBlue, BackStyle::Transparent,
            alignment};
}

// Where answer a (0 = A ... 3 = D) of the block at (left, top) goes: A and C on the left, B and D
// on the right, A and B on the upper row. Each letter ends just before its tick, so "A." and "B."
// sit alike; B's starts where box A ends.
struct AnswerPlace {
    float tickLeft;
    float boxLeft;
    float letterLeft;
    float top;
};

AnswerPlace answerPlace(float left, float top, int a)
{
    const bool right = a % 2 == 1;
    const float rowTop = top + (a < 2 ? 390 : 720);
    if (right)
        return {left + 3090, left + 3360, left + 2775, rowTop};
    return {left + 240, left + 480, left - 75, rowTop};
}

TextBox *makeBox(QWidget *screen, TwipsRect place, float fontSize, int maxLength)
{
    auto *box = new TextBox(screen);
    box->setPlace(place);
    box->setFontSpec({"Times New Roman", fontSize, false});
    box->setMaxLength(maxLength);
    // The question-set and index files are Windows-1252; nothing else may be typed or pasted.
    box->setStorable(isWindows1252Encodable);
    return box;
}

QString numbered(const char *message, int question)
{
    return QString::fromLatin1(message) + " " + QString::number(question);
}

} // namespace

Wizard::Wizard(Screens &screens) : Form(screens.stage(), lcWorksheets()), m_screens(screens)
{
    Label1.add(0, makeLabel(this, caption("Multiple Choice Wizard", {240, 60, 5400, 495},
                                          {"Tahoma", 18, true})));
    Label1.add(1, makeLabel(this, caption("Worksheet Title", {5400, 135, 2040, 330},
                                          {"Tahoma", 12, true}, Alignment::Right)));
    Text1 = makeBox(this, {7560, 120, 4215, 375}, 12, TitleLength);
    Text1->onKeyPress = [this](int &key) { Text1_KeyPress(key); };
    for (int q = 0; q < Questions; ++q)
        makeBlock(q);
    ::makeButtons(
        this, Label3, buttons, [this](int index) { Label3_Click(index); },
        [this](int index) { Label3_MouseMove(index); });
}

// Block q sits in column q div 5 and row q mod 5 of the screen.
void Wizard::makeBlock(int q)
{
    const float left = 240 + 5880 * static_cast<float>(q / 5);
    const float top = 840 + 1440 * static_cast<float>(q % 5);
    Label1.add(FirstQuestionCaption + q,
               makeLabel(this, caption(numbered("Question", q + 1), {left, top - 240, 2000, 240},
                                       {"Tahoma", 9.75f, true})));
    auto *question = makeBox(this, {left, top, 5655, 375}, 12, QuestionLength);
    question->onKeyPress = [this, q](int &key) { Text2_KeyPress(q, key); };
    Text2.add(q, question);
    for (int a = 0; a < 4; ++a) {
        const int index = 4 * q + a;
        const AnswerPlace place = answerPlace(left, top, a);
        Label1.add(FirstLetter + index,
                   makeLabel(this, caption(QString(QChar('A' + a)) + ".",
                                           {place.letterLeft, place.top - 15, 300, 330},
                                           {"Tahoma", 12, true}, Alignment::Right)));
        auto *tick = new CheckBox(this);
        tick->setPlace({place.tickLeft, place.top, 255, 315});
        Check1.add(index, tick);
        auto *answer = makeBox(this, {place.boxLeft, place.top, 2295, 330}, 9.75f, AnswerLength);
        answer->onKeyPress = [this, index](int &key) { Text3_KeyPress(index, key); };
        Text3.add(index, answer);
    }
}

// The questions stand in two columns: the title, then each question followed by its answers A to
// D, each tick straight after its answer, and last the buttons along the bottom.
std::vector<QWidget *> Wizard::tabOrder() const
{
    std::vector<QWidget *> order{Text1->editor()};
    for (int q = 0; q < Questions; ++q) {
        order.push_back(Text2[q].editor());
        for (int index = 4 * q; index < 4 * q + 4; ++index) {
            order.push_back(Text3[index].editor());
            order.push_back(&Check1[index]);
        }
    }
    order.push_back(&Label3[SaveWorksheet]);
    order.push_back(&Label3[Exit]);
    return order;
}

void Wizard::Form_Load()
{
    ApplyScreenStyle(*this);
    for (const auto &[index, tick] : Check1)
        tick->setColours(Colour::yellow, Colour::screenBlue);
}

// A teacher starts typing the title as soon as the wizard appears.
void Wizard::showEvent(QShowEvent *event)
{
    Form::showEvent(event);
    Text1->SetFocus();
}

void Wizard::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label3);
}

void Wizard::Label3_MouseMove(int index)
{
    highlightButton(Label3, index);
}

void Wizard::Text1_KeyPress(int &keyAscii)
{
    if (keyAscii == TextBox::EnterKey)
        Text2[0].SetFocus();
}

void Wizard::Text2_KeyPress(int index, int &keyAscii)
{
    if (keyAscii == TextBox::EnterKey)
        Text3[4 * index].SetFocus();
}

void Wizard::Text3_KeyPress(int index, int &keyAscii)
{
    if (keyAscii != TextBox::EnterKey)
        return;
    if (index % 4 < 3)
        Text3[index + 1].SetFocus();
    else if (index < 39)
        Text2[(index + 1) / 4].SetFocus();
}

void Wizard::Label3_Click(int index)
{
    if (index == Exit)
        m_screens.unload(*this);
    else
        genwork();
    playClick(m_screens);
}

// The first thing missing, in the order a teacher fills the screen; empty when all is there.
QString Wizard::firstProblem() const
{
    if (Text1->Text().isEmpty())
        return QStringLiteral("You have not chosen a title for your worksheet");
    for (int n = 1; n <= Questions; ++n) {
        const int q = n - 1;
        if (Text2[q].Text().isEmpty())
            return numbered("You have not completed Question", n);
        int ticks = 0;
        for (int index = 4 * q; index < 4 * q + 4; ++index) {
            if (Text3[index].Text().isEmpty())
                return numbered("You have not completed Question", n);
            ticks += Check1[index].Value();
        }
        if (ticks == 0)
            return numbered("You have not ticked the correct answer for Question", n);
        if (ticks > 1)
            return numbered("You have ticked more than one correct answer for Question", n);
    }
    return {};
}

void Wizard::genwork()
{
    MessageBoxes &messages = m_screens.platform().messageBoxes;
    const QString problem = firstProblem();
    if (!problem.isEmpty()) {
        messages.show(problem);
        return;
    }
    QString title;
    try {
        const std::optional<QString> agreed = confirmTitle(titleToSave());
        if (!agreed)
            return;
        title = *agreed;
        trackworksheets(title);
    } catch (const FileError &error) {
        // A damaged or full list, a title that can't be stored, a failed write.
        reportSaveFailure(error);
        return;
    }
    m_editedTitle = title;
    m_editedTitleShown = Text1->Text();
    showSavedList();
    messages.show(QStringLiteral("Your worksheet has been saved."));
}

// The worksheet being edited keeps its own title while the title box shows what it showed when
// opened: the loader turns "&" into ",", so the box's text may not be the title it is listed
// under.
QString Wizard::titleToSave() const
{
    if (!m_editedTitle.isEmpty() && Text1->Text() == m_editedTitleShown)
        return m_editedTitle;
    return Text1->Text();
}

// The title to save under, or nothing when the teacher keeps the worksheet that is there. The
// topics' own quizzes are never replaced, and another worksheet whose file the title names (letter
// case doesn't tell files apart on a shared folder) only when the teacher agrees; the one being
// edited is replaced without asking. A replaced worksheet keeps its file's spelling, which is how
// the catalogue lists it.
std::optional<QString> Wizard::confirmTitle(const QString &title)
{
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        throw FileError(problem.toStdString());
    if (isTopicQuiz(title))
        throw FileError("The title " + title.toStdString() +
                        " belongs to the topic's own quiz, which a worksheet can't replace; please "
                        "choose another title.");
    const QFileInfo existing(m_screens.classroom().resolve(worksheetFile(title)));
    if (!existing.exists())
        return title;
    const QString name = existing.fileName().chopped(4);
    if (!m_editedTitle.isEmpty() &&
        existing.absoluteFilePath() == m_screens.classroom().resolve(worksheetFile(m_editedTitle)))
        return name;
    const MsgResult answer = m_screens.platform().messageBoxes.show(
        "A worksheet called \"" + name + "\" already exists. Do you want to replace it?",
        MsgButtons::OkCancel);
    if (answer != MsgResult::Ok)
        return std::nullopt;
    return name;
}

QuestionSetText Wizard::worksheet() const
{
    QuestionSetText set;
    set.title = Text1->Text();
    for (int q = 0; q < Questions; ++q) {
        QuestionSetText::Question &question = set.questions[q];
        question.text = Text2[q].Text();
        for (int a = 0; a < 4; ++a) {
            question.answers[a] = Text3[4 * q + a].Text();
            if (Check1[4 * q + a].Value())
                question.correct = a + 1;
        }
    }
    return set;
}

// Writes the question set under the title. The content path finds an existing file whatever its
// letter case, so a replaced worksheet keeps its file.
void Wizard::saveworksheet(const QString &title)
{
    writeQuestionSet(m_screens.classroom(), worksheetFile(title), worksheet());
}

// The file is written only once the index is known to take the title, and taken away again when
// the index can't, so no saved worksheet is missing from the catalogue.
void Wizard::trackworksheets(const QString &title)
{
    addEntry(m_screens.classroom(), m_screens.state<WorksheetList>(), title,
             [this, &title] { saveworksheet(title); });
}

// A catalogue beneath the wizard shows the list as it now is.
void Wizard::showSavedList()
{
    if (m_screens.isLoaded(QStringLiteral("worksheets")))
        m_screens.worksheets().showList();
}

void Wizard::reportSaveFailure(const std::exception &error)
{
    const QString reason = QString::fromStdString(error.what());
    qCWarning(lcWorksheets) << "cannot save the worksheet" << Text1->Text() << ":" << reason;
    m_screens.platform().messageBoxes.show(saveFailed + "\n" + reason);
}

void Wizard::editworksheet(const QString &listedTitle)
{
    const QuizSession &m = m_screens.state<QuizSession>();
    Text1->setText(m.CurrentSetTitle);
    m_editedTitle = listedTitle;
    m_editedTitleShown = m.CurrentSetTitle;
    for (int q = 0; q < Questions; ++q) {
        const int n = q + 1;
        Text2[q].setText(m.QuestionText[n]);
        const QString answers[] = {m.AnswerA[n], m.AnswerB[n], m.AnswerC[n], m.AnswerD[n]};
        for (int a = 0; a < 4; ++a)
            Text3[4 * q + a].setText(answers[a]);
        // A stored number that names no answer ticks nothing, so the teacher has to choose.
        const int correct = correctOption(m.CorrectAnswer[n]);
        if (correct != 0)
            Check1[4 * q + correct - 1].setValue(1);
    }
    show();
}

Wizard &Screens::wizard()
{
    return get<Wizard>("wizard");
}
