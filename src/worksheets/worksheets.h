#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <exception>

class CheckBox;
class Label;
class Screens;

// The Worksheets Catalogue: the titles of the worksheet index, 24 a page in two columns. A click
// on a title runs that worksheet as a quiz, or, by the two check boxes, opens it in the wizard for
// editing or deletes its index entry (its file stays in multiple/).
class Worksheets : public Form
{
    Q_OBJECT
public:
    explicit Worksheets(Screens &screens);

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs &args) override;
    void Label2_Click(int index);
    void Label2_MouseMove(int index);
    void Label3_Click(int index);
    void Check1_Click();
    void Check2_Click();
    // Shows page CataloguePage after a page change.
    void workpage();

    Label *Label1;
    CheckBox *Check1;           // "Edit Worksheet"
    CheckBox *Check2;           // "Delete Worksheet"
    ControlArray<Label> Label2; // 0 "Exit", 1 to 24 the title slots
    ControlArray<Label> Label3; // 0 "<< Previous Page", 1 "Next Page >>"
    Label *Label4;              // "Page 1"

private:
    void makeSlots();
    void makePageButtons();
    void loadWorksheet(const QString &title);
    void runWorksheet();
    void delworksheet(const QString &title);
    void refillSlots();
    QString entry(int e) const;
    void reportCorrupted(const QString &title, const std::exception &error);
    Screens &m_screens;
};
