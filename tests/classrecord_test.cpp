// SPDX-License-Identifier: GPL-3.0-or-later
#include "classrecord/classrecord.h"
#include "classrecord/classsettings.h"
#include "classrecord/summaries.h"
#include "files/errors.h"
#include "files/fileaside.h"
#include "tempclassroom.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

QDateTime at(const char *isoTime)
{
    return QDateTime::fromString(QString::fromLatin1(isoTime), Qt::ISODate);
}

Attempt attempt(const char *time, const char *pupil, const char *machine, AttemptKind kind,
                const QString &title, int score, int outOf, QList<WrongAnswer> wrong = {})
{
    return {
        at(time), QString::fromUtf8(pupil), QString::fromLatin1(machine), kind, title, score, outOf,
        wrong};
}

const QString rocks = QStringLiteral("Rocks, soils");
const QString kettle = QStringLiteral("Label the \"kettle\"\nparts");

void appendBytes(const TempClassroom &room, const QString &relative, const QByteArray &bytes)
{
    QFile file(room.filePath(relative));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(bytes);
}

} // namespace

// A class's week: the teacher turns the record on, two machines record attempts in turn, one
// file is damaged, and the screen's summaries, the export and a new record all come out right.
TEST(ClassRecord, TwoMachinesRecordAClassAndTheTeacherReadsIt)
{
    TempClassroom room;
    {
        ClassRecordSettings settings(room.folder());
        EXPECT_FALSE(settings.isOn());
        EXPECT_FALSE(QFileInfo::exists(room.filePath("record"))); // off touches nothing
        settings.setOn(true);
        settings.setClassList(QStringLiteral("  Ali \n\nBen\r\nali\nCara\n"));
    }
    const ClassRecordSettings settings(room.folder());
    EXPECT_TRUE(settings.isOn());
    EXPECT_EQ(settings.classList(), QStringList({"Ali", "Ben", "Cara"}));

    const ClassRecord record(room.folder());
    using K = AttemptKind;
    const QList<Attempt> made{
        attempt("2026-07-01T10:00:00+01:00", "Ben", "Room-1", K::Worksheet, "Magnets", 3, 10),
        attempt("2026-11-30T09:00:00+00:00", "Cara", "room 2", K::Worksheet, "Magnets", 4, 10),
        attempt("2026-12-07T09:00:00+00:00", "Ali", "Room-1", K::Quiz, rocks, 7, 10,
                {{3, "B"}, {7, "D"}, {9, "A"}}),
        attempt("2026-12-07T09:05:00+00:00", "Ben", "room 2", K::Quiz, rocks, 8, 10,
                {{3, "B"}, {7, "A"}}),
        attempt("2026-12-07T09:10:00+00:00", "Ali", "room 2", K::Quiz, rocks, 9, 10, {{3, "C"}}),
        attempt("2026-12-07T09:15:00+00:00", "Cara", "Room-1", K::Activity, kettle, 5, 6),
        attempt("2026-12-08T10:00:00+00:00", "Ali", "Room-1", K::Quiz, rocks, 6, 10,
                {{3, "B"}, {5, "C"}, {7, "D"}, {9, "A"}})};
    for (const Attempt &one : made)
        record.append(one);
    // A line no program wrote, then a machine that stopped in the middle of a line.
    appendBytes(room, "record/room-1.csv",
                "not, an attempt\r\n2026-12-08T10:05:00+00:00,Ben,\"Room-1,qu");
    record.append(attempt("2026-12-08T10:10:00+00:00", "Ben", "Room-1", K::Quiz, rocks, 10, 10));

    EXPECT_EQ(room.entries("record"),
              QStringList({"class.txt", "room-1.csv", "room_2.csv", "settings.txt"}));
    EXPECT_TRUE(room.readFile("record/room_2.csv").startsWith("\xEF\xBB\xBFtime,pupil,machine,"));
    EXPECT_FALSE(room.readFile("record/room_2.csv").contains("\r\n\r\n"));
    EXPECT_TRUE(room.readFile("record/room-1.csv").contains("\"Room-1,qu\r\n2026-12-08T10:10"));
    const RecordRead read = record.read();
    EXPECT_EQ(read.attempts.size(), 8);
    EXPECT_EQ(read.skippedLines, 2);
    EXPECT_EQ(read.skippedFiles, 0);

    const QDateTime now = at("2026-12-08T12:00:00+00:00"); // a Tuesday
    EXPECT_EQ(inPeriod(read.attempts, Period::Everything, now).size(), 8);
    EXPECT_EQ(inPeriod(read.attempts, Period::ThisTerm, now).size(), 7);
    EXPECT_EQ(inPeriod(read.attempts, Period::ThisWeek, now).size(), 6);
    // The summer term of 2027 starts on Easter Monday, 29 March.
    EXPECT_EQ(periodStart(Period::ThisTerm, at("2027-04-20T12:00:00+00:00")).date(),
              QDate(2027, 3, 29));
    EXPECT_EQ(periodStart(Period::ThisTerm, at("2027-03-20T12:00:00+00:00")).date(),
              QDate(2027, 1, 1));

    const QList<Standing> table = standings(inPeriod(read.attempts, Period::ThisWeek, now));
    ASSERT_EQ(table.size(), 3);
    EXPECT_EQ(table[0].pupil, "Ali");
    EXPECT_EQ(table[0].attempts, 3);
    EXPECT_EQ(table[0].latest.score, 6);
    EXPECT_EQ(table[0].best.score, 9);
    EXPECT_EQ(table[1].pupil, "Ben");
    EXPECT_EQ(table[1].latest.score, 10);
    EXPECT_EQ(table[2].title, kettle);
    EXPECT_EQ(table[2].best.outOf, 6);

    // Each pupil once, by their first try: Ali's of 7 December 09:00 and Ben's of 09:05.
    const QuestionAnalysis analysis = analyseQuestions(read.attempts, K::Quiz, rocks);
    EXPECT_EQ(analysis.pupils, 2);
    const QList<int> wrongCounts{0, 0, 2, 0, 0, 0, 2, 0, 1, 0};
    for (int n = 0; n < QuestionsAnalysed; ++n)
        EXPECT_EQ(analysis.questions[n].wrong, wrongCounts[n]) << "question " << n + 1;
    EXPECT_EQ(analysis.questions[2].commonestWrongAnswer, "B");
    EXPECT_EQ(analysis.questions[2].commonestCount, 2);
    EXPECT_EQ(analysis.questions[6].commonestWrongAnswer, "A") << "D and A tie: the earlier letter";

    const QList<Attempt> ali = pupilHistory(read.attempts, QStringLiteral("ALI"));
    ASSERT_EQ(ali.size(), 3);
    EXPECT_EQ(QList<int>({ali[0].score, ali[1].score, ali[2].score}), QList<int>({6, 9, 7}));
    EXPECT_EQ(ali[0].wrong, made[6].wrong);

    record.exportTo(room.filePath("export.csv"));
    const QByteArray exported = room.readFile("export.csv");
    EXPECT_TRUE(exported.startsWith("\xEF\xBB\xBFtime,pupil,"));
    EXPECT_LT(exported.indexOf("2026-07-01T10:00:00+01:00,Ben,Room-1,worksheet,Magnets,3,10,\r\n"),
              exported.indexOf("2026-11-30T09:00:00+00:00,Cara"));
    EXPECT_LT(exported.indexOf("Cara,Room-1,activity,\"Label the \"\"kettle\"\"\nparts\",5,6,"),
              exported.indexOf("\"Rocks, soils\",6,10,3:B;5:C;7:D;9:A\r\n"));

    EXPECT_EQ(record.startNew(at("2026-12-08T15:30:00+00:00")), "2026-12-08 1530");
    EXPECT_EQ(room.entries("record"),
              QStringList({"2026-12-08 1530", "class.txt", "settings.txt"}));
    EXPECT_EQ(room.entries("record/2026-12-08 1530"), QStringList({"room-1.csv", "room_2.csv"}));
    EXPECT_TRUE(record.read().attempts.isEmpty());
    EXPECT_EQ(ClassRecordSettings(room.folder()).classList().size(), 3);
}

TEST(ClassRecord, PinIsKeptOnlyAsASaltedHash)
{
    TempClassroom room;
    ClassRecordSettings(room.folder()).setPin(QStringLiteral("4821"));
    const QByteArray first = room.readFile("record/settings.txt");
    const ClassRecordSettings settings(room.folder());
    EXPECT_TRUE(settings.hasPin());
    EXPECT_TRUE(settings.checkPin(QStringLiteral("4821")));
    EXPECT_FALSE(settings.checkPin(QStringLiteral("4822")));
    EXPECT_FALSE(settings.checkPin(QString()));
    EXPECT_FALSE(first.contains("4821"));
    EXPECT_TRUE(first.contains("pin=pbkdf2-sha256:"));
    ClassRecordSettings(room.folder()).setPin(QStringLiteral("4821"));
    EXPECT_NE(room.readFile("record/settings.txt"), first); // a fresh salt each time
}

// Links in a shared folder are someone else's: the record never writes through one.
TEST(ClassRecord, LinksInTheRecordAreNotFollowed)
{
    TempClassroom room;
    room.makeFolder("record");
    room.makeFolder("elsewhere");
    room.writeFile("victim.txt", "keep");
    ASSERT_TRUE(QFile::link(room.filePath("victim.txt"), room.filePath("record/room-1.csv")));
    const ClassRecord record(room.folder());
    const Attempt one =
        attempt("2026-12-08T10:00:00+00:00", "Ali", "Room-1", AttemptKind::Quiz, rocks, 7, 10);
    record.append(one);
    EXPECT_EQ(room.readFile("victim.txt"), "keep");
    EXPECT_FALSE(isSymbolicLink(room.filePath("record/room-1.csv")));
    EXPECT_EQ(record.read().attempts.size(), 1);

    QDir(room.filePath("record")).removeRecursively();
    ASSERT_TRUE(QFile::link(room.filePath("elsewhere"), room.filePath("record")));
    EXPECT_THROW(record.append(one), FileError);
    EXPECT_TRUE(room.entries("elsewhere").isEmpty());
}

// A disk that takes only part of the line (here a file-size limit): the part is taken back.
TEST(ClassRecord, AnAttemptCutShortIsTakenBack)
{
    TempClassroom room;
    const ClassRecord record(room.folder());
    const Attempt one = attempt("2026-12-08T10:00:00+00:00", "Ali", "Room-1", AttemptKind::Quiz,
                                rocks, 7, 10, {{3, "B"}});
    record.append(one);
    const QByteArray before = room.readFile("record/room-1.csv");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlim_t limit = before.size() + 20;
        const rlimit fileSize{limit, limit};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        signal(SIGXFSZ, SIG_IGN); // the write is then cut short instead of killing
        try {
            record.append(one);
        } catch (const FileError &) {
            _exit(0);
        }
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the cut write went unreported";
    EXPECT_EQ(room.readFile("record/room-1.csv"), before);
}
