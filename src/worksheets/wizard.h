// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <QString>
#include <exception>
#include <optional>

class CheckBox;
class Label;
class Screens;
class TextBox;
struct QuestionSetText;

// The Multiple Choice Wizard, where a teacher writes a worksheet: a title and ten questions, each
// with answers A to D and a tick on the correct one. "Save Worksheet" checks the entries in a
// fixed order, writes the question set "multiple/<title>.txt" and lists the title in the worksheet
// index; the wizard stays open so the worksheet can be saved again. The catalogue fills its boxes
// to edit a worksheet.
class Wizard : public Form
{
    Q_OBJECT
public:
    explicit Wizard(Screens &screens);

    enum Label3Button { Exit = 0, SaveWorksheet = 1 };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs &args) override;
    void Label3_Click(int index);
    void Label3_MouseMove(int index);
    void Text1_KeyPress(int &keyAscii);
    void Text2_KeyPress(int index, int &keyAscii);
    void Text3_KeyPress(int index, int &keyAscii);
    // Validates the entries and saves the worksheet when they are complete.
    void genwork();
    // Fills the boxes and ticks from the question set in the quiz session and shows the wizard; the
    // catalogue calls it on a freshly created wizard with the title the set is listed under. A
    // correct answer outside 1 to 4 ticks nothing. Saving with the title box unchanged saves back
    // to that worksheet, whatever the loader made of its title ("&" reads back as ",").
    void editworksheet(const QString &listedTitle);

    // 0 the heading, 1 "Worksheet Title", then the question captions and the answer letters.
    ControlArray<Label> Label1;
    TextBox *Text1;                // the worksheet's title
    ControlArray<TextBox> Text2;   // question q+1, q = 0..9
    ControlArray<TextBox> Text3;   // answer a of question q+1 at 4q+a
    ControlArray<CheckBox> Check1; // the tick beside Text3 of the same index
    ControlArray<Label> Label3;    // the buttons, by Label3Button

    std::vector<QWidget *> tabOrder() const override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void makeBlock(int q);
    QString firstProblem() const;
    QuestionSetText worksheet() const;
    QString titleToSave() const;
    std::optional<QString> confirmTitle(const QString &title);
    void saveworksheet(const QString &title);
    void trackworksheets(const QString &title);
    void showSavedList();
    void reportSaveFailure(const std::exception &error);
    Screens &m_screens;
    // The worksheet the wizard is editing (the one opened, or the one last saved) and the title
    // box's text at that moment; empty for a new worksheet.
    QString m_editedTitle;
    QString m_editedTitleShown;
};
