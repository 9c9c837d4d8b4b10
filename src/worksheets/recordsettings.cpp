// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/recordsettings.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "classrecord/classrecord.h"
#include "classrecord/classsettings.h"
#include "files/errors.h"
#include "platform/checkbox.h"
#include "platform/label.h"
#include "platform/messageboxes.h"
#include "platform/multilinebox.h"
#include "platform/textbox.h"
#include "worksheets/classrecordscreen.h"
#include "worksheets/pintries.h"
#include "worksheets/worksheetslog.h"

#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace
{

constexpr int ShortestPin = 4;
constexpr float PinBoxLeft = 4500;
constexpr float OkTopLocked = 3840;
constexpr float OkTopNewPin = 4560;

const ButtonSpec buttons[] = {
    {RecordSettings::Exit, {10560, 7920, 1245, 495}, "Exit"},
    {RecordSettings::Ok, {PinBoxLeft, OkTopNewPin, 1245, 495}, "OK"},
    {RecordSettings::Cancel, {6255, OkTopNewPin, 1245, 495}, "Cancel"},
    {RecordSettings::SaveList, {6480, 1920, 4320, 495}, "Save the List"},
    {RecordSettings::ShowRecord, {6480, 2640, 4320, 495}, "Show the Class Record"},
    {RecordSettings::StartNew, {6480, 3360, 4320, 495}, "Start a new record"},
    {RecordSettings::ChangePin, {6480, 4080, 4320, 495}, "Change PIN"},
};

LabelDesign caption(const QString &text, TwipsRect place, Alignment alignment = Alignment::Left)
{
    return textLabel(text, place, {"Tahoma", 12, true}, Colour::yellow, Colour::screenBlue,
                     alignment);
}

TextBox *makePinBox(QWidget *screen, float top, const QString &spokenName)
{
    auto *box = new TextBox(screen);
    box->setPlace({PinBoxLeft, top, 3000, 495});
    box->setFontSpec({"Tahoma", 15.75f, true});
    box->setPasswordEcho(true);
    box->setSpokenName(spokenName);
    return box;
}

QString reasonOf(const std::exception &error)
{
    return QString::fromStdString(error.what());
}

} // namespace

RecordSettings::RecordSettings(Screens &screens)
    : Form(screens.stage(), lcWorksheets()), m_screens(screens)
{
    makeLabels();
    makeBoxes();
    makeButtons(
        this, Label3, buttons, [this](int index) { Label3_Click(index); },
        [this](int index) { Label3_MouseMove(index); });
}

RecordSettings::~RecordSettings() = default;

void RecordSettings::makeLabels()
{
    Label1 = makeLabel(this, textLabel("Class Record Settings", {0, 0, 12000, 780},
                                       {"Tahoma", 24, true}, Colour::yellow, Colour::screenBlue));
    LabelDesign prompt = caption("", {0, 2400, 12000, 495}, Alignment::Center);
    prompt.font.size = 15.75f;
    Label2 = makeLabel(this, prompt);
    Label4 = makeLabel(this, caption("New PIN", {2280, 3180, 2040, 375}, Alignment::Right));
    Label5 = makeLabel(this, caption("Type it again", {2280, 3900, 2040, 375}, Alignment::Right));
    Label6 = makeLabel(
        this, caption("Class list: the pupils' first names, one a line", {120, 1560, 5955, 330}));
    Label7 = makeLabel(
        this, caption("A name taken off the list keeps its past records.", {120, 7560, 5955, 330}));
}

void RecordSettings::makeBoxes()
{
    Check1 = new CheckBox(this);
    Check1->setCaption("Keep a class record");
    Check1->setPlace({120, 960, 3600, 375});
    Check1->setFontSpec({"Tahoma", 12, true});
    Check1->setColours(Colour::yellow, Colour::screenBlue);
    Check1->onClick = [this] { Check1_Click(); };

    Text1 = makePinBox(this, 3120, "Teacher's PIN");
    Text2 = makePinBox(this, 3120, "New PIN");
    Text3 = makePinBox(this, 3840, "New PIN again");
    Text1->onKeyPress = [this](int &key) {
        if (key == TextBox::EnterKey)
            Label3_Click(Ok);
    };
    Text2->onKeyPress = [this](int &key) {
        if (key == TextBox::EnterKey)
            Text3->SetFocus();
    };
    Text3->onKeyPress = [this](int &key) {
        if (key == TextBox::EnterKey)
            Label3_Click(Ok);
    };

    List1 = new MultiLineBox(this);
    List1->setPlace({120, 1920, 5955, 5520});
    List1->setFontSpec({"Times New Roman", 12, false});
    List1->setSpokenName("Class list");
}

// The boxes of the view come first, then its buttons, Exit last.
std::vector<QWidget *> RecordSettings::tabOrder() const
{
    return {Text1->editor(),    Text2->editor(),   Text3->editor(),     Check1,
            List1->editor(),    &Label3[SaveList], &Label3[ShowRecord], &Label3[StartNew],
            &Label3[ChangePin], &Label3[Ok],       &Label3[Cancel],     &Label3[Exit]};
}

void RecordSettings::Form_Load()
{
    ApplyScreenStyle(*this);
}

void RecordSettings::open()
{
    try {
        m_settings = std::make_unique<ClassRecordSettings>(m_screens.classroom());
    } catch (const FileError &error) {
        report("The class record's settings could not be read.", error);
        m_screens.unload(*this);
        return;
    }
    // A record that is on without a PIN (the teacher who forgot it had its line taken out of
    // the settings file) is never left open: the teacher chooses a new PIN first.
    if (m_settings->hasPin())
        showView(View::Locked);
    else if (m_settings->isOn())
        askNewPin(NewPinFor::Replacing);
    else
        openSettings();
    show();
    focusView();
}

void RecordSettings::showView(View view)
{
    m_view = view;
    const bool locked = view == View::Locked;
    const bool newPin = view == View::NewPin;
    const bool settings = view == View::Settings;
    Label2->setVisible(!settings);
    Text1->setVisible(locked);
    for (QWidget *part : std::initializer_list<QWidget *>{Label4, Label5, Text2, Text3})
        part->setVisible(newPin);
    for (QWidget *part : std::initializer_list<QWidget *>{Check1, Label6, Label7, List1})
        part->setVisible(settings);
    for (int button : {SaveList, ShowRecord, StartNew, ChangePin})
        Label3[button].setVisible(settings);
    Label3[Ok].setVisible(!settings);
    Label3[Ok].setTop(locked ? OkTopLocked : OkTopNewPin);
    Label3[Cancel].setVisible(newPin);
    Label3[Exit].setVisible(!newPin);
    Text1->setText("");
    Text2->setText("");
    Text3->setText("");
    if (locked)
        Label2->setCaption("Enter the teacher's PIN");
    if (settings)
        showSavedSwitch();
    focusView();
}

// Each view's first box takes the keyboard, so a teacher can type at once.
void RecordSettings::focusView()
{
    if (!isVisible())
        return;
    if (m_view == View::Locked)
        Text1->SetFocus();
    else if (m_view == View::NewPin)
        Text2->SetFocus();
    else
        setFocus();
}

// The settings as saved, the class list included: a list typed and not saved yet is kept only
// while the teacher stays in the settings (a PIN asked for meanwhile included).
void RecordSettings::openSettings()
{
    showView(View::Settings);
    showSavedList();
}

// Whether the record is on as saved, whatever the teacher clicked before a save failed.
void RecordSettings::showSavedSwitch()
{
    m_showingSaved = true;
    Check1->setValue(m_settings->isOn() ? 1 : 0);
    m_showingSaved = false;
}

void RecordSettings::showSavedList()
{
    const QStringList &names = m_settings->classList();
    List1->setText(names.isEmpty() ? QString() : names.join(u'\n') + u'\n');
}

void RecordSettings::askNewPin(NewPinFor purpose)
{
    m_newPinFor = purpose;
    showView(View::NewPin);
    switch (purpose) {
    case NewPinFor::SwitchingOn:
        Label2->setCaption("Choose a PIN for this screen: at least 4 characters");
        break;
    case NewPinFor::Changing:
        Label2->setCaption("Choose the new PIN: at least 4 characters");
        break;
    case NewPinFor::Replacing:
        Label2->setCaption("The record has no PIN: choose one of at least 4 characters");
        break;
    }
}

void RecordSettings::Label3_Click(int index)
{
    switch (index) {
    case Exit:
        leave();
        break;
    case Ok:
        if (m_view == View::Locked)
            tryPin();
        else
            chooseNewPin();
        break;
    case Cancel:
        if (m_newPinFor == NewPinFor::Replacing)
            leave();
        else
            showView(View::Settings);
        break;
    case SaveList:
        saveList();
        break;
    case ShowRecord:
        m_screens.classRecordScreen().open();
        break;
    case StartNew:
        startNewRecord();
        break;
    case ChangePin:
        askNewPin(NewPinFor::Changing);
        break;
    }
    playClick(m_screens);
}

void RecordSettings::tryPin()
{
    PinTries &tries = m_screens.state<PinTries>();
    if (const int seconds = tries.secondsRefused()) {
        Text1->setText("");
        say("Too many wrong PINs have been tried. Try again in " + QString::number(seconds) +
            " seconds.");
        return;
    }
    if (m_settings->checkPin(Text1->Text())) {
        tries.right();
        openSettings();
        return;
    }
    const bool pausing = tries.wrong();
    Text1->setText("");
    say(pausing ? "That is not the teacher's PIN. After " + QString::number(PinTries::Allowed) +
                      " wrong tries, no PIN is taken for a minute."
                : QString("That is not the teacher's PIN."));
    Text1->SetFocus();
}

void RecordSettings::chooseNewPin()
{
    const QString pin = Text2->Text();
    QString problem;
    if (pin.size() < ShortestPin)
        problem = "The PIN must have at least " + QString::number(ShortestPin) + " characters.";
    else if (Text3->Text() != pin)
        problem = "The two PINs typed are not the same. Please type the new PIN twice again.";
    if (!problem.isEmpty()) {
        Text2->setText("");
        Text3->setText("");
        say(problem);
        Text2->SetFocus();
        return;
    }
    const NewPinFor purpose = m_newPinFor;
    const bool pinSaved = succeeds([&] { m_settings->setPin(pin); }, "The PIN could not be saved.");
    if (!pinSaved && purpose == NewPinFor::Replacing) {
        askNewPin(purpose); // the record is on without a PIN still, so the screen stays shut
        return;
    }
    if (purpose == NewPinFor::Replacing)
        openSettings();
    else
        showView(View::Settings);
    if (!pinSaved)
        return;
    if (purpose == NewPinFor::SwitchingOn)
        switchRecord(true);
    else
        say("The new PIN has been saved.");
}

// Ticking the box switches the record on, once there is a PIN; clearing it switches it off.
void RecordSettings::Check1_Click()
{
    if (m_showingSaved)
        return;
    if (Check1->Value() == 1 && !m_settings->hasPin())
        askNewPin(NewPinFor::SwitchingOn);
    else
        switchRecord(Check1->Value() == 1);
}

void RecordSettings::switchRecord(bool on)
{
    const bool done = succeeds([&] { m_settings->setOn(on); },
                               on ? "The class record could not be switched on."
                                  : "The class record could not be switched off.");
    showSavedSwitch();
    if (!done)
        return;
    if (!on)
        say("The class record is off. Nothing has been deleted: the class list, the PIN and the "
            "records so far are all kept.");
    else if (m_settings->classList().isEmpty())
        say("The class record is on. Type the pupils' first names in the class list and save "
            "it, so that each pupil can pick their own.");
    else
        say("The class record is on.");
}

void RecordSettings::saveList()
{
    const bool done = succeeds([&] { m_settings->setClassList(List1->Text()); },
                               "The class list could not be saved. The list shows it as it was "
                               "saved before.");
    showSavedList();
    if (!done)
        return;
    const qsizetype count = m_settings->classList().size();
    say("The class list has been saved: " + QString::number(count) +
        (count == 1 ? " name." : " names."));
}

// Nothing is lost: the record so far goes into a dated folder beside the new one.
void RecordSettings::startNewRecord()
{
    const ClassRecord record(m_screens.classroom());
    bool recorded = false;
    if (!succeeds([&] { recorded = record.hasAttempts(); }, "The class record could not be read."))
        return;
    if (!recorded) {
        say("Nothing has been recorded since the record was started, so there is nothing to "
            "move aside.");
        return;
    }
    const MsgResult answer = m_screens.platform().messageBoxes.show(
        "Start a new record? The record so far will be moved into a folder of its own, where it "
        "is kept. The class list and the PIN stay as they are.",
        MsgButtons::OkCancel);
    if (answer != MsgResult::Ok)
        return;
    QString folder;
    if (!succeeds([&] { folder = record.startNew(QDateTime::currentDateTime()); },
                  "A new record could not be started."))
        return;
    const QString path = QDir(m_screens.classroom().path()).filePath("record/" + folder);
    say("A new record has been started. The record so far is kept in the folder \"" + folder +
        "\":\n" + QDir::toNativeSeparators(path));
}

// A list typed but not saved is not lost without the teacher saying so.
void RecordSettings::leave()
{
    if (m_view == View::Settings && listChanged() &&
        m_screens.platform().messageBoxes.show(
            "The class list has changes that have not been saved. Leave without saving them?",
            MsgButtons::OkCancel) != MsgResult::Ok)
        return;
    m_screens.unload(*this);
}

bool RecordSettings::listChanged() const
{
    return ClassRecordSettings::tidyNames(List1->Text()) != m_settings->classList();
}

bool RecordSettings::succeeds(const std::function<void()> &step, const QString &failure)
{
    try {
        step();
        return true;
    } catch (const FileError &error) {
        report(failure, error);
        return false;
    }
}

void RecordSettings::report(const QString &failure, const FileError &error)
{
    qCWarning(lcWorksheets) << failure << reasonOf(error);
    say(failure + "\n" + reasonOf(error));
}

void RecordSettings::say(const QString &text)
{
    m_screens.platform().messageBoxes.show(text);
}

void RecordSettings::Label3_MouseMove(int index)
{
    highlightButton(Label3, index);
}

void RecordSettings::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label3);
}

RecordSettings &Screens::recordSettings()
{
    return get<RecordSettings>("RecordSettings");
}
