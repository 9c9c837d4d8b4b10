// SPDX-License-Identifier: GPL-3.0-or-later
// The UI monkey: drives the whole program on the offscreen platform with random clicks, drags,
// keys, typed text and timer steps, all from one printed seed, sending real Qt events through the
// stage's window. It fails on a crash or sanitizer report, an exception escaping a handler, a
// message a sound classroom folder should never produce, or a handler that never returns (a
// watchdog aborts with the seed).
//
//   kelvarin_monkey [--seed N] [--events N] [--damaged] [--watchdog SECONDS] [--trace]
//
// The seed comes from --seed, else MONKEY_SEED, else the clock. --damaged runs on a classroom
// folder with files deleted, cut short, replaced by garbage, by a folder or by a FIFO, and a FIFO
// in place of the worksheet index; there, messages are allowed, crashes and hangs are not.

#include "app/screens.h"
#include "app/titlefrm.h"
#include "classrecord/classsettings.h"
#include "doubles/doubles.h"
#include "doubles/fakeprinter.h"
#include "doubles/manualclock.h"
#include "menus/intro0.h"
#include "platform/commandbutton.h"
#include "platform/control.h"
#include "platform/label.h"
#include "platform/stage.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <random>
#include <sys/stat.h>
#include <thread>

namespace
{

// What the program itself says on a sound classroom folder, alone or followed on further lines by
// the system's reason; anything else there is a fault.
const QStringList expectedMessages = {
    "There was a problem printing to your printer.",
    "Your certificate is now printing.",
    "Your worksheet is now printing.",
    "Printing has been cancelled.",
    "Your worksheet has been saved.",
    "The class record is now printing.",
};

// Replies to what the monkey typed or chose in the wizard and the catalogue, which go on with the
// title or the question's number.
const QStringList expectedOpenings = {
    "You have not ",
    "You have ticked more than one correct answer for Question ",
    "Are you sure that you want to delete the worksheet ",
    "There was a problem saving your worksheet\nThe title can't ",
    "There was a problem saving your worksheet\nWindows keeps the name ",
    "There was a problem saving your worksheet\nThe name track is kept ",
    // The class record's teachers' screen.
    "The PIN must have at least ",
    "The two PINs typed are not the same.",
    "That is not the teacher's PIN.",
    "Too many wrong PINs have been tried.",
    "The new PIN has been saved.",
    "The class record is on.",
    "The class record is off.",
    "The class list has been saved: ",
    "The class list has changes that have not been saved.",
    "Start a new record?",
    "A new record has been started.",
    "Nothing has been recorded since the record was started",
};

bool isExpected(const QString &message)
{
    const auto opens = [&](const QString &text) { return message.startsWith(text); };
    return std::any_of(expectedMessages.begin(), expectedMessages.end(),
                       [&](const QString &text) {
                           return message == text || message.startsWith(text + u'\n');
                       }) ||
           std::any_of(expectedOpenings.begin(), expectedOpenings.end(), opens);
}

struct Options {
    quint64 seed = 0;
    long events = 10000;
    bool damaged = false;
    bool record = false;
    int watchdogSeconds = 60;
    bool trace = false;
};

Options parseOptions(const QStringList &args)
{
    Options options;
    options.seed = qEnvironmentVariableIsSet("MONKEY_SEED")
                       ? qEnvironmentVariable("MONKEY_SEED").toULongLong()
                       : quint64(std::chrono::system_clock::now().time_since_epoch().count());
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const QString value = i + 1 < args.size() ? args.at(i + 1) : QString();
        if (arg == "--seed")
            options.seed = value.toULongLong(), ++i;
        else if (arg == "--events")
            options.events = value.toLong(), ++i;
        else if (arg == "--watchdog")
            options.watchdogSeconds = value.toInt(), ++i;
        else if (arg == "--damaged")
            options.damaged = true;
        else if (arg == "--record")
            options.record = true;
        else if (arg == "--trace")
            options.trace = true;
        else
            qFatal("unknown argument %s", qPrintable(arg));
    }
    return options;
}

using Rng = std::mt19937_64;

int below(Rng &rng, int n)
{
    return int(rng() % quint64(n));
}

bool chance(Rng &rng, int percent)
{
    return below(rng, 100) < percent;
}

// A copy of the generated content in a temporary folder, the program's classroom folder.
class Classroom
{
public:
    Classroom()
    {
        const QDir source(QStringLiteral(KELVARIN_CONTENT_DIR));
        QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            const QString target = m_dir.filePath(source.relativeFilePath(file));
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(file, target);
            ++m_files;
        }
    }
    int files() const { return m_files; }
    ContentFolder folder() const { return ContentFolder(m_dir.path()); }

    // Deletes, cuts short, fills with garbage, or turns into a folder or a FIFO that no one ever
    // writes to, each about one file in ten; the worksheet index always becomes such a FIFO.
    void damage(Rng &rng) const
    {
        QStringList files;
        QDirIterator it(m_dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
        files.sort();
        for (const QString &file : files) {
            QFile f(file);
            switch (below(rng, 10)) {
            case 0:
                f.remove();
                break;
            case 1:
                f.resize(below(rng, int(f.size()) + 1));
                break;
            case 2:
                if (f.open(QIODevice::WriteOnly)) {
                    QByteArray garbage(below(rng, 3000), '\0');
                    for (char &c : garbage)
                        c = char(rng());
                    f.write(garbage);
                }
                break;
            case 3:
                f.remove();
                QDir().mkpath(file);
                break;
            case 4:
                f.remove();
                mkfifo(QFile::encodeName(file).constData(), 0644);
                break;
            default:
                break;
            }
        }
        const QString index = m_dir.filePath("multiple/track.txt");
        QDir(index).removeRecursively();
        QFile::remove(index);
        mkfifo(QFile::encodeName(index).constData(), 0644);
    }

private:
    QTemporaryDir m_dir;
    int m_files = 0;
};

// The numbers the program draws come from the seed as well.
class SeededRandom : public Random
{
public:
    explicit SeededRandom(Rng &rng) : m_rng(rng) {}
    double next() override { return std::uniform_real_distribution<double>(0, 1)(m_rng); }

private:
    Rng &m_rng;
};

// The whole program on doubles, started as main() starts it; made afresh when the program ends.
struct Program {
    Program(Rng &rng, const ContentFolder &classroom) : random(rng), stage(clock, classroom)
    {
        stage.resize(1024, 768);
        stage.show();
        stage.activateWindow();
        wireMainMenu(screens);
        stage.handlers().run([this] { screens.titlefrm().show(); });
    }

    ManualClock clock;
    RecordingSound sound;
    FakePrinter printer;
    ScriptedMessageBoxes messageBoxes;
    SeededRandom random;
    bool ended = false;
    Platform platform{sound, printer, messageBoxes, random, [this] { ended = true; }};
    Stage stage;
    Screens screens{stage, platform};
};

// Aborts with the seed when the main thread makes no progress for a while.
class Watchdog
{
public:
    Watchdog(quint64 seed, int seconds) : m_seed(seed), m_seconds(seconds)
    {
        m_thread = std::thread([this] { watch(); });
    }
    ~Watchdog()
    {
        m_stop = true;
        m_thread.join();
    }
    // Called as each action starts.
    void progress(long event, const std::string &what)
    {
        const std::lock_guard lock(m_mutex);
        m_event = event;
        m_what = what;
        m_last = std::chrono::steady_clock::now();
    }

private:
    void watch()
    {
        while (!m_stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const std::lock_guard lock(m_mutex);
            if (std::chrono::steady_clock::now() - m_last > std::chrono::seconds(m_seconds)) {
                std::fprintf(stderr, "monkey: no progress for %d s in event %ld (%s), seed %llu\n",
                             m_seconds, m_event, m_what.c_str(), (unsigned long long)m_seed);
                std::abort();
            }
        }
    }

    quint64 m_seed;
    int m_seconds;
    std::atomic<bool> m_stop = false;
    std::mutex m_mutex;
    long m_event = 0;
    std::string m_what = "start-up";
    std::chrono::steady_clock::time_point m_last = std::chrono::steady_clock::now();
    std::thread m_thread;
};

// Picks one random action at a time, says what it is, and sends it to the program's stage window.
class Monkey
{
public:
    Monkey(Rng &rng, Program &program, std::function<void(const std::string &)> announce)
        : m_rng(rng), m_program(program), m_announce(std::move(announce))
    {
    }

    void act()
    {
        QWindow *window = m_program.stage.windowHandle();
        const int pick = below(m_rng, 100);
        if (pick < 40)
            click(window, pointOnControl(), Qt::LeftButton);
        else if (pick < 48)
            click(window, anyPoint(), Qt::LeftButton);
        else if (pick < 52)
            click(window, pointOnControl(), chance(m_rng, 50) ? Qt::RightButton : Qt::MiddleButton);
        else if (pick < 56)
            doubleClick(window, pointOnControl());
        else if (pick < 64)
            move(window, chance(m_rng, 50) ? pointOnControl() : anyPoint());
        else if (pick < 76)
            drag(window);
        else if (pick < 84)
            key(window);
        else if (pick < 88)
            type(window);
        else
            advanceTimers();
    }

    // The frontmost screen's name, for the summary.
    QString topScreenName() const
    {
        const QWidget *top = topScreen();
        return top ? top->objectName() : QString();
    }

private:
    QWidget *topScreen() const
    {
        const QObjectList &children = m_program.stage.children();
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            auto *form = qobject_cast<QWidget *>(*it);
            if (form && form->inherits("Form") && form->isVisible())
                return form;
        }
        return nullptr;
    }

    QPoint anyPoint()
    {
        return {below(m_rng, m_program.stage.width()), below(m_rng, m_program.stage.height())};
    }

    // A point on one of the visible controls of the frontmost screen.
    QPoint pointOnControl()
    {
        QWidget *top = topScreen();
        QList<Control *> controls;
        if (top) {
            for (Control *control : top->findChildren<Control *>()) {
                if (!control->isVisible() || control->rect().isEmpty())
                    continue;
                // Exits are picked a third as often, so the walk gets deep into the program
                // (through a whole quiz to its results) rather than always turning back.
                for (int i = isExit(*control) ? 1 : 3; i > 0; --i)
                    controls.append(control);
            }
        }
        if (controls.isEmpty())
            return anyPoint();
        const Control *control = controls.at(below(m_rng, int(controls.size())));
        const QPoint inside(below(m_rng, control->width()), below(m_rng, control->height()));
        // A label dragged off the screen may lie partly outside the stage.
        const QPoint at = control->mapTo(&m_program.stage, inside);
        return {std::clamp(at.x(), 0, m_program.stage.width() - 1),
                std::clamp(at.y(), 0, m_program.stage.height() - 1)};
    }

    static bool isExit(const Control &control)
    {
        const auto *label = qobject_cast<const Label *>(&control);
        const auto *button = qobject_cast<const CommandButton *>(&control);
        return (label && label->Caption() == u"Exit") || (button && button->Caption() == u"Exit");
    }

    void click(QWindow *window, QPoint at, Qt::MouseButton button)
    {
        const Qt::KeyboardModifiers modifiers =
            chance(m_rng, 10) ? Qt::ShiftModifier : Qt::NoModifier;
        m_announce("click button " + std::to_string(button) + " at " + text(at) +
                   (modifiers ? " with Shift" : ""));
        QTest::mouseClick(window, button, modifiers, at);
    }

    void doubleClick(QWindow *window, QPoint at)
    {
        m_announce("double click at " + text(at));
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    }

    void move(QWindow *window, QPoint to)
    {
        m_announce("move to " + text(to));
        QTest::mouseMove(window, to);
    }

    void drag(QWindow *window)
    {
        const QPoint from = pointOnControl();
        const QPoint to = chance(m_rng, 50) ? pointOnControl() : anyPoint();
        const int steps = 1 + below(m_rng, 6);
        m_announce("drag from " + text(from) + " to " + text(to) + " in " + std::to_string(steps) +
                   " moves");
        QTest::mousePress(window, Qt::LeftButton, {}, from);
        for (int i = 1; i <= steps; ++i)
            QTest::mouseMove(window, from + (to - from) * i / steps);
        QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    }

    void advanceTimers()
    {
        const int ms = std::array{1, 10, 25, 75, 500, 3000}[below(m_rng, 6)];
        m_announce("advance the clock " + std::to_string(ms) + " ms");
        m_program.clock.advance(ms);
    }

    void key(QWindow *window)
    {
        static const Qt::Key keys[] = {
            Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape,
            Qt::Key_Backspace, Qt::Key_Delete,  Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,
            Qt::Key_Down,      Qt::Key_Space,   Qt::Key_Home,   Qt::Key_End,   Qt::Key_F4};
        const Qt::Key key = keys[below(m_rng, int(std::size(keys)))];
        const Qt::KeyboardModifiers modifiers =
            chance(m_rng, 15) ? Qt::KeyboardModifiers(Qt::ControlModifier) : Qt::NoModifier;
        m_announce("key " + QKeySequence(key | modifiers).toString().toStdString());
        QTest::keyClick(window, key, modifiers);
    }

    // Letters, the characters the files treat specially, and some the files can't hold.
    void type(QWindow *window)
    {
        static const QStringList letters =
            QStringLiteral("a b c X Y Z 0 1 9 , & \" ' . - / \\ : é ü € … 中 😀").split(u' ')
            << QStringLiteral(" ");
        QStringList typed;
        const int length = 1 + below(m_rng, 40);
        for (int i = 0; i < length; ++i)
            typed.append(letters.at(below(m_rng, int(letters.size()))));
        m_announce("type \"" + typed.join(QString()).toStdString() + '"');
        for (const QString &letter : typed)
            QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, letter, Qt::NoModifier);
    }

    static std::string text(QPoint p)
    {
        return '(' + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ')';
    }

    Rng &m_rng;
    Program &m_program;
    std::function<void(const std::string &)> m_announce;
};

// Lines up what the doubles answer before each action: OK or Cancel, and now and then a printer
// operation that fails.
void prepareDoubles(Rng &rng, Program &program)
{
    static const char *operations[] = {"FontName", "FontSize",     "ForeColor", "DrawWidth",
                                       "CurrentX", "ScaleWidth",   "TextWidth", "Print",
                                       "Line",     "PaintPicture", "EndDoc"};
    program.messageBoxes.answers = {below(rng, 2) ? MsgResult::Ok : MsgResult::Cancel};
    if (chance(rng, 5))
        program.printer.failOn(operations[below(rng, std::size(operations))], 1 + below(rng, 20));
    program.sound.played.clear();
}

// Counts what the run reached, for the summary.
struct Tally {
    std::map<QString, long> topScreens;
    std::map<QString, long> messages;
    int starts = 1;
};

// Runs the events; false on a fault, which it has reported.
bool runEvents(const Options &options, const ContentFolder &classroom, Rng &rng, Watchdog &watchdog,
               Tally &tally)
{
    long event = 0;
    try {
        auto program = std::make_unique<Program>(rng, classroom);
        for (event = 1; event <= options.events; ++event) {
            prepareDoubles(rng, *program);
            Monkey monkey(rng, *program, [&](const std::string &what) {
                if (options.trace)
                    std::fprintf(stderr, "%ld: %s\n", event, what.c_str());
                watchdog.progress(event, what);
            });
            monkey.act();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            ++tally.topScreens[monkey.topScreenName()];
            for (const QString &message : program->messageBoxes.asked) {
                ++tally.messages[message.section(u'\n', 0, 0)];
                if (!options.damaged && !isExpected(message)) {
                    std::fprintf(stderr, "monkey: unexpected message in event %ld: %s\n", event,
                                 qPrintable(message));
                    return false;
                }
            }
            program->messageBoxes.asked.clear();
            if (program->ended) {
                program.reset();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                program = std::make_unique<Program>(rng, classroom);
                ++tally.starts;
            }
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "monkey: exception escaped a handler in event %ld: %s\n", event,
                     error.what());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Options options = parseOptions(app.arguments());
    std::printf("monkey: seed %llu, %ld events, %s classroom folder%s\n",
                (unsigned long long)options.seed, options.events,
                options.damaged ? "damaged" : "sound", options.record ? ", class record on" : "");
    std::fflush(stdout);

    // On a damaged folder the program and Qt's picture readers log every file they can't use;
    // --trace shows those lines.
    if (!options.trace)
        QLoggingCategory::setFilterRules(
            QStringLiteral("kelvarin.*.warning=false\nqt.gui.imageio.*.warning=false"));
    Rng rng(options.seed);
    Classroom classroom;
    if (classroom.files() == 0) {
        std::fprintf(stderr, "monkey: no content in %s; build the content target\n",
                     KELVARIN_CONTENT_DIR);
        return 2;
    }
    if (options.damaged)
        classroom.damage(rng);
    // The class record on, so every quiz and activity first asks who is doing it.
    if (options.record) {
        ClassRecordSettings settings(classroom.folder());
        settings.setClassList("Amira\nBen\nChloe\nDev\nEmil\n");
        settings.setOn(true);
    }
    Watchdog watchdog(options.seed, options.watchdogSeconds);
    Tally tally;
    if (!runEvents(options, classroom.folder(), rng, watchdog, tally)) {
        std::fprintf(stderr, "monkey: failed with seed %llu%s (add --trace to see every event)\n",
                     (unsigned long long)options.seed, options.damaged ? " --damaged" : "");
        return 1;
    }
    std::printf("monkey: %ld events done, program started %d times\n", options.events,
                tally.starts);
    for (const auto &[name, count] : tally.topScreens)
        std::printf("  on top after %6ld events: %s\n", count, qPrintable(name));
    for (const auto &[message, count] : tally.messages)
        std::printf("  message shown %5ld times: %s\n", count, qPrintable(message));
    return 0;
}
