// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <functional>
#include <memory>

class CheckBox;
class ClassRecordSettings;
class FileError;
class Label;
class MultiLineBox;
class Screens;
class TextBox;

// The teachers' screen of the class record, reached from the Worksheets Catalogue: switching the
// record on and off for this classroom folder, the class list, the teacher's PIN, starting a new
// record and the way to the Class Record itself. Pupils often share one login, so while a PIN is
// set the screen asks for it each time it opens.
class RecordSettings : public Form
{
    Q_OBJECT
public:
    explicit RecordSettings(Screens &screens);
    ~RecordSettings() override;

    enum Label3Button {
        Exit = 0,
        Ok = 1,
        Cancel = 2,
        SaveList = 3,
        ShowRecord = 4,
        StartNew = 5,
        ChangePin = 6
    };

    void Form_Load() override;
    // Reads the classroom's settings afresh and shows the screen: asking for the PIN when one is
    // set, for a new one when the record is on without one, and otherwise the settings.
    void open();
    void Label3_Click(int index);
    void Label3_MouseMove(int index);
    void Check1_Click();
    void Form_MouseMove(const MouseArgs &args) override;
    std::vector<QWidget *> tabOrder() const override;

    Label *Label1;              // the heading "Class Record Settings"
    Label *Label2;              // what the PIN boxes are for
    Label *Label4;              // "New PIN"
    Label *Label5;              // "Type it again"
    Label *Label6;              // the class list's caption
    Label *Label7;              // what taking a name off the list does
    CheckBox *Check1;           // "Keep a class record"
    TextBox *Text1;             // the teacher's PIN, to open the screen
    TextBox *Text2;             // a new PIN
    TextBox *Text3;             // the new PIN typed again
    MultiLineBox *List1;        // the class list, one first name a line
    ControlArray<Label> Label3; // the buttons, by Label3Button

private:
    enum class View { Locked, NewPin, Settings };
    // Why a new PIN is being chosen, which decides where OK and Cancel lead.
    enum class NewPinFor { SwitchingOn, Changing, Replacing };

    void makeLabels();
    void makeBoxes();
    void showView(View view);
    void focusView();
    void openSettings();
    void showSavedSwitch();
    void showSavedList();
    void askNewPin(NewPinFor purpose);
    void tryPin();
    void chooseNewPin();
    void switchRecord(bool on);
    void saveList();
    void startNewRecord();
    void leave();
    bool listChanged() const;
    // Runs the step; a file that fails it is reported with the reason, and false returned.
    bool succeeds(const std::function<void()> &step, const QString &failure);
    void report(const QString &failure, const FileError &error);
    void say(const QString &text);

    Screens &m_screens;
    std::unique_ptr<ClassRecordSettings> m_settings;
    View m_view = View::Locked;
    NewPinFor m_newPinFor = NewPinFor::Changing;
    bool m_showingSaved = false; // the check box follows the settings, not the teacher
};
