// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <exception>

class CheckBox;
class FileError;
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

    enum Label2Slot { ExitSlot = 0 }; // then the title slots 1 to 24
    enum Label3Button { PreviousPage = 0, NextPage = 1 };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs &args) override;
    void Label2_Click(int index);
    void Label2_MouseMove(int index);
    void Label3_Click(int index);
    void Check1_Click();
    void Check2_Click();
    std::vector<QWidget *> tabOrder() const override;
    // Shows page CataloguePage after a page change.
    void workpage();
    // Reads the index again and shows the current page as the list now is (after the wizard
    // saved over the catalogue).
    void showList();
    // "Rebuild the list": writes a new index from a damaged one and the worksheet files.
    void Label5_Click();
    // "Class Record": the class record's teachers' screen.
    void Label6_Click();

    Label *Label1;              // the heading "Worksheets Catalogue"
    CheckBox *Check1;           // "Edit Worksheet"
    CheckBox *Check2;           // "Delete Worksheet"
    ControlArray<Label> Label2; // "Exit" and the title slots, by Label2Slot
    ControlArray<Label> Label3; // the page buttons, by Label3Button
    Label *Label4;              // "Page 1"
    Label *Label5;              // "Rebuild the list", shown only while the index is damaged
    Label *Label6;              // "Class Record"

private:
    void makeSlots();
    void makePageButtons();
    void makeRebuildButton();
    void makeRecordButton();
    void showRebuildWhenDamaged();
    bool mayGoOnWithout(const FileError &error) const;
    void loadWorksheet(const QString &title);
    void runWorksheet(const QString &title);
    void delworksheet(const QString &title);
    void refillSlots();
    QString entry(int e) const;
    void reportCorrupted(const QString &title, const std::exception &error);
    void reportDamagedIndex(const QString &title, const std::exception &error);
    Screens &m_screens;
};
