// SPDX-License-Identifier: GPL-3.0-or-later
// The class record's teachers' screen, reached from the catalogue: switching the record on with
// a PIN, the class list, the PIN asked each time, saves that fail, starting a new record.
#include "classrecord/classsettings.h"
#include "platform/multilinebox.h"
#include "worksheets/classrecordscreen.h"
#include "worksheets/pintries.h"
#include "worksheets/recordsettings.h"
#include "worksheets_fixture.h"

#include <QDir>
#include <gmock/gmock.h>
#include <sys/mount.h>
#include <unistd.h>

namespace
{

using testing::HasSubstr;
using testing::StartsWith;

class RecordSettingsTest : public WorksheetsFixture
{
protected:
    RecordSettingsTest() { screens->worksheets().show(); }

    RecordSettings &openFromCatalogue()
    {
        click(*screens->worksheets().Label6);
        return screens->recordSettings();
    }

    void ok(RecordSettings &screen) { click(screen.Label3[RecordSettings::Ok]); }

    void enterPin(RecordSettings &screen, const QString &pin)
    {
        screen.Text1->setText(pin);
        QTest::keyClick(screen.Text1->editor(), Qt::Key_Return);
    }

    void chooseNewPin(RecordSettings &screen, const QString &pin, const QString &again)
    {
        screen.Text2->setText(pin);
        screen.Text3->setText(again);
        ok(screen);
    }

    ClassRecordSettings saved() const { return ClassRecordSettings(classroom.folder()); }
    std::string lastMessage() const
    {
        return messageBoxes.asked.value(messageBoxes.asked.size() - 1).toStdString();
    }
};

// The record folder made read-only, as on a share the teacher may only read: a bind mount of it
// onto itself for root, whom permissions don't stop, its permissions otherwise.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString &path) : m_path(QFile::encodeName(path))
    {
        if (getuid() != 0) {
            m_done = ::chmod(m_path.constData(), 0555) == 0;
            return;
        }
        m_done = ::mount(m_path.constData(), m_path.constData(), nullptr, MS_BIND, nullptr) == 0;
        m_mounted = m_done;
        m_done = m_done && ::mount(nullptr, m_path.constData(), nullptr,
                                   MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~ReadOnlyFolder()
    {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
        else
            ::chmod(m_path.constData(), 0755);
    }
    bool done() const { return m_done; }

private:
    QByteArray m_path;
    bool m_done = false;
    bool m_mounted = false;
};

} // namespace

TEST_F(RecordSettingsTest, TheRecordGoesOnWithAPinKeepsTheListAsksThePinAndGoesOffKeepingAll)
{
    RecordSettings &screen = openFromCatalogue();
    ASSERT_TRUE(screen.isVisible());
    EXPECT_TRUE(screen.Check1->isVisible()) << "no PIN yet, nothing to ask";
    EXPECT_EQ(screen.Check1->Value(), 0);

    screen.List1->setText("Amira\n  Ben \n\nZoë\namira\n");
    click(*screen.Check1);
    EXPECT_TRUE(screen.Text2->isVisible()) << "a PIN is chosen before the record goes on";
    chooseNewPin(screen, "482", "482");
    EXPECT_EQ(lastMessage(), "The PIN must have at least 4 characters.");
    chooseNewPin(screen, "4821", "4812");
    EXPECT_THAT(lastMessage(), StartsWith("The two PINs typed are not the same."));
    EXPECT_FALSE(saved().hasPin());
    chooseNewPin(screen, "4821", "4821");
    EXPECT_EQ(screen.Check1->Value(), 1);
    EXPECT_TRUE(saved().isOn());
    EXPECT_TRUE(saved().checkPin("4821"));
    EXPECT_THAT(lastMessage(), StartsWith("The class record is on."));

    EXPECT_EQ(screen.List1->Text(), "Amira\n  Ben \n\nZoë\namira\n") << "typed, kept";
    click(screen.Label3[RecordSettings::SaveList]);
    EXPECT_EQ(fileBytes("record/class.txt"), QString("Amira\r\nBen\r\nZoë\r\n").toUtf8());
    EXPECT_EQ(lastMessage(), "The class list has been saved: 3 names.");
    EXPECT_EQ(screen.List1->Text(), "Amira\nBen\nZoë\n");
    screen.List1->setText("Amira\nBen\n");
    messageBoxes.answers = {MsgResult::Cancel};
    click(screen.Label3[RecordSettings::Exit]);
    EXPECT_THAT(lastMessage(), StartsWith("The class list has changes that have not been saved."));
    EXPECT_TRUE(screen.isVisible()) << "the teacher stayed to save them";
    click(screen.Label3[RecordSettings::Exit]);
    finishHandlers();
    EXPECT_FALSE(screens->isLoaded("RecordSettings"));

    RecordSettings &again = openFromCatalogue();
    EXPECT_TRUE(again.Text1->isVisible());
    EXPECT_FALSE(again.Check1->isVisible()) << "nothing shows before the PIN";
    enterPin(again, "1234");
    EXPECT_EQ(lastMessage(), "That is not the teacher's PIN.");
    EXPECT_EQ(again.Text1->Text(), "");
    EXPECT_FALSE(again.List1->isVisible());
    enterPin(again, "4821");
    ASSERT_TRUE(again.Check1->isVisible());
    EXPECT_EQ(again.Check1->Value(), 1);
    EXPECT_EQ(again.List1->Text(), "Amira\nBen\nZoë\n");

    click(*again.Check1);
    EXPECT_FALSE(saved().isOn());
    EXPECT_TRUE(saved().checkPin("4821")) << "the PIN stays";
    EXPECT_EQ(saved().classList(), QStringList({"Amira", "Ben", "Zoë"}));
    EXPECT_THAT(lastMessage(), StartsWith("The class record is off. Nothing has been deleted"));
    click(again.Label3[RecordSettings::ShowRecord]);
    EXPECT_TRUE(screens->classRecordScreen().isVisible());
}

TEST_F(RecordSettingsTest, AFailedSaveGivesTheReasonAndTheScreenShowsWhatIsSaved)
{
    saved().setClassList("Amira\nBen\n");
    ReadOnlyFolder readOnly(classroom.filePath("record"));
    if (!readOnly.done())
        GTEST_SKIP() << "the record folder could not be made read-only here";
    RecordSettings &screen = openFromCatalogue();

    screen.List1->setText("Amira\nBen\nCara\n");
    click(screen.Label3[RecordSettings::SaveList]);
    EXPECT_THAT(lastMessage(), StartsWith("The class list could not be saved."));
    EXPECT_THAT(lastMessage(), HasSubstr("class.txt"));
    EXPECT_EQ(screen.List1->Text(), "Amira\nBen\n");

    click(*screen.Check1);
    chooseNewPin(screen, "4821", "4821");
    EXPECT_THAT(lastMessage(), StartsWith("The PIN could not be saved."));
    EXPECT_THAT(lastMessage(), HasSubstr("settings.txt"));
    EXPECT_TRUE(screen.Check1->isVisible());
    EXPECT_EQ(screen.Check1->Value(), 0) << "the record is still off";
    EXPECT_FALSE(saved().isOn());
}

TEST_F(RecordSettingsTest, StartingANewRecordMovesTheAttemptsIntoADatedFolder)
{
    saved().setClassList("Amira\n");
    RecordSettings &screen = openFromCatalogue();
    click(screen.Label3[RecordSettings::StartNew]);
    EXPECT_THAT(lastMessage(), StartsWith("Nothing has been recorded since"));
    EXPECT_EQ(QDir(classroom.filePath("record")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{})
        << "no empty folder is made";

    writeFile("record/room-1.csv", "time,pupil\r\n2026-12-08T10:00:00+00:00,Amira\r\n");

    messageBoxes.answers = {MsgResult::Cancel};
    click(screen.Label3[RecordSettings::StartNew]);
    EXPECT_THAT(lastMessage(), StartsWith("Start a new record?"));
    EXPECT_TRUE(QFile::exists(classroom.filePath("record/room-1.csv"))) << "cancelled";

    click(screen.Label3[RecordSettings::StartNew]);
    const QStringList folders =
        QDir(classroom.filePath("record")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(folders.size(), 1);
    EXPECT_THAT(lastMessage(), HasSubstr(("\"" + folders[0] + "\"").toStdString()));
    EXPECT_EQ(fileBytes("record/" + folders[0] + "/room-1.csv"),
              "time,pupil\r\n2026-12-08T10:00:00+00:00,Amira\r\n");
    EXPECT_FALSE(QFile::exists(classroom.filePath("record/room-1.csv")));
    EXPECT_EQ(saved().classList(), QStringList{"Amira"});
}

// A teacher who forgot the PIN has the pin line taken out of record/settings.txt; a line that
// was damaged instead must not shut the screen for good either.
TEST_F(RecordSettingsTest, ARecordOnWithoutAPinThatChecksAsksForANewOne)
{
    QDir().mkpath(classroom.filePath("record"));
    writeFile("record/settings.txt", "on=yes\r\npin=pbkdf2-sha256:100000:c2FsdA==:cut\r\n");
    RecordSettings &screen = openFromCatalogue();
    ASSERT_TRUE(screen.Text2->isVisible());
    chooseNewPin(screen, "7351", "7351");
    EXPECT_EQ(screen.Check1->Value(), 1);
    EXPECT_TRUE(saved().checkPin("7351"));
}

TEST_F(RecordSettingsTest, AfterFiveWrongPinsNoneIsTakenForAMinute)
{
    saved().setPin("4821");
    PinTries::Clock::time_point now{};
    screens->state<PinTries>().now = [&] { return now; };
    RecordSettings &screen = openFromCatalogue();
    for (int guess = 1; guess <= 5; ++guess)
        enterPin(screen, "000" + QString::number(guess));
    EXPECT_THAT(lastMessage(), HasSubstr("no PIN is taken for a minute"));
    now += std::chrono::seconds(30);
    enterPin(screen, "4821");
    EXPECT_EQ(lastMessage(), "Too many wrong PINs have been tried. Try again in 30 seconds.");
    EXPECT_FALSE(screen.Check1->isVisible());
    now += std::chrono::seconds(30);
    enterPin(screen, "4821");
    EXPECT_TRUE(screen.Check1->isVisible());
}
