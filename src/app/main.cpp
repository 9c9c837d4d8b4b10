// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/applog.h"
#include "app/classroom.h"
#include "app/program.h"
#include "app/titlefrm.h"
#include "files/contentpath.h"
#include "files/errors.h"
#include "menus/intro0.h"
#include "platform/accessible.h"
#include "quiz/pupilturn.h"
#include "quiz/questionset.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sys/stat.h>

namespace
{

// --help and --version are answered without a display, so they work in any terminal.
bool onlyAsksForAnAnswer(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (qstrcmp(argv[i], option) == 0)
                return true;
    return false;
}

struct StartOptions {
    QString classroom;
    Stage::Size size = Stage::Size::FillTheDisplay;
};

// Answers --help and --version and stops on a mistaken option, as QCommandLineParser does;
// otherwise returns the classroom folder and the size to show the screens at.
StartOptions readStartOptions(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Primary-school science on materials, for pupils aged 7 to 11.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption classroom(
        "classroom",
        "The classroom folder, for instance one on the school's network share that every machine "
        "uses (default: $KELVARIN_CLASSROOM, else ${XDG_DATA_HOME:-~/.local/share}/kelvarin).",
        "folder");
    parser.addOption(classroom);
    const QCommandLineOption actualSize(
        "actual-size", "Show the screens at their actual size, 800 x 600 pixels, in the middle of "
                       "the display, instead of filling it.");
    parser.addOption(actualSize);
    parser.process(app);
    // An empty name would make the current directory the classroom and fill it with content.
    if (parser.isSet(classroom) && parser.value(classroom).isEmpty()) {
        std::cerr << "kelvarin: --classroom needs the name of a folder\n";
        std::exit(1);
    }
    StartOptions options;
    if (parser.isSet(actualSize))
        options.size = Stage::Size::ActualSize;
    const QString fromEnvironment = qEnvironmentVariable("KELVARIN_CLASSROOM");
    options.classroom = parser.isSet(classroom)     ? parser.value(classroom)
                        : fromEnvironment.isEmpty() ? defaultClassroomFolder()
                                                    : fromEnvironment;
    return options;
}

// Installed, the content lies beside the program's folder; in a build folder, inside it.
QString installedContentFolder()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString installed = programFolder.filePath(KELVARIN_CONTENT_FROM_PROGRAM);
    return QDir(installed).exists() ? QDir::cleanPath(installed)
                                    : programFolder.filePath("content");
}

// Teachers on several machines share one classroom folder: whatever the program makes there,
// the others in its group may rewrite (a worksheet, the index, a refreshed picture).
void letTheGroupShare()
{
    const mode_t mask = ::umask(0);
    ::umask(mask & ~S_IRWXG);
}

void reportCannotStart(const QString &classroom, const QString &reason)
{
    const QString text = "Kelvarin cannot use the classroom folder " + classroom + ".\n" + reason +
                         "\nChoose another folder with --classroom, or ask for this one to be "
                         "made usable (room on its disk, permission to write).";
    std::cerr << qPrintable(text) << "\n";
    qCWarning(lcApp) << "classroom folder unusable:" << classroom << reason;
    // No one could answer a box on the offscreen platform.
    if (QGuiApplication::platformName() != "offscreen")
        QMessageBox::critical(nullptr, "Kelvarin", text);
}

} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<QCoreApplication> app =
        onlyAsksForAnAnswer(argc, argv) ? std::make_unique<QCoreApplication>(argc, argv)
                                        : std::make_unique<QApplication>(argc, argv);
    QCoreApplication::setApplicationName("kelvarin");
    QCoreApplication::setApplicationVersion(KELVARIN_VERSION);
    const StartOptions options = readStartOptions(*app);
    const QString classroom = QDir::cleanPath(QDir(options.classroom).absolutePath());
    if (!qobject_cast<QApplication *>(app.get())) {
        // A folder named like an option, as in "--classroom --help": say which was meant.
        std::cerr << "kelvarin: write the folder as --classroom=FOLDER\n";
        return 1;
    }
    QGuiApplication::setApplicationDisplayName("Kelvarin");
    QGuiApplication::setDesktopFileName(KELVARIN_APP_ID);

    // The folders above the classroom are the user's own, made as the user would make them;
    // when they cannot be made, preparing the classroom says why.
    QDir().mkpath(QFileInfo(classroom).path());
    letTheGroupShare();
    try {
        prepareClassroom(installedContentFolder(), ContentFolder(classroom), checkQuestionSetFile);
    } catch (const FileError &e) {
        reportCannotStart(classroom, QString::fromStdString(e.what()));
        return 1;
    }
    // A folder the program can enter; every file in it is then named by the folder's real path,
    // its links resolved.
    const QFileInfo opened(classroom);
    if (!opened.isDir() || !opened.isExecutable()) {
        reportCannotStart(classroom, "The folder cannot be opened.");
        return 1;
    }

    installControlAccessibility();
    Program program{ContentFolder(opened.canonicalFilePath())};
    wireMainMenu(program.screens);
    program.stage.showOnScreen(options.size);
    program.stage.handlers().run([&] { program.screens.titlefrm().show(); }, lcApp());
    const int status = app->exec();
    // Results a full or missing folder kept back get a last chance before they are gone.
    if (!saveWaitingResults(program.screens))
        qCWarning(lcApp) << "results that could not be added to the class record are lost";
    return status;
}
