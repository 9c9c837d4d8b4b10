// Hostile pages: each crafted metafile is loaded and played onto a page-sized image, as the viewer
// shows a page, and the CPU time and the peak memory above the program's start are printed, or
// that the page was refused and how soon. Each case runs in a process of its own, so the memory
// of one does not hide in another's peak.
//
//   hostile_page_bench            every case, one line each
//   hostile_page_bench NAME       one case
#include "platform/errors.h"
#include "platform/metafile.h"

#include "../tests/hostilewmf.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <cstdio>
#include <functional>
#include <map>
#include <sys/resource.h>

namespace
{

const std::map<QString, std::function<QByteArray()>> cases = {
    {"clip-chain-2000", [] { return hostile::clipChain(2000); }},
    {"clip-chain-saved-70000", [] { return hostile::clipChain(70000, true); }},
    {"polygon-65535", [] { return hostile::crossingPolygon(65535); }},
    {"polygon-1000", [] { return hostile::crossingPolygon(1000); }},
    {"polyline-32767-wide", [] { return hostile::crossingPolyline(32767, 2000); }},
    {"polyline-4000-pen-60", [] { return hostile::crossingPolyline(4000, 900); }},
    {"lines-400000-wide", [] { return hostile::wideLines(400000, 2000); }},
    {"lines-4000-wide", [] { return hostile::wideLines(4000, 2000); }},
    {"rectangles-290000", [] { return hostile::pageRectangles(290000); }},
    {"rectangles-1000", [] { return hostile::pageRectangles(1000); }},
    {"bitmaps-31", [] { return hostile::largeBitmaps(31, 16384, 1024); }},
    {"bitmaps-2", [] { return hostile::largeBitmaps(2, 16384, 1000); }},
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

int runCase(const QString &name)
{
    const QByteArray bytes = cases.at(name)();
    QImage screen(1440, 1080, QImage::Format_RGB32);
    screen.fill(Qt::white);
    const long baseline = peakMegabytes();
    const double start = cpuSeconds();
    QString outcome = QStringLiteral("shown");
    try {
        const Metafile page = Metafile::fromBytes(bytes, name);
        QPainter painter(&screen);
        page.play(painter, QRectF(0, 0, 1440, 1080));
    } catch (const FileError &error) {
        outcome = QString::fromStdString(error.what()).section(": ", 1);
    }
    std::printf("%-24s %6lld KB %8.0f ms CPU %6ld MB above start  %s\n", qPrintable(name),
                bytes.size() / 1024LL, (cpuSeconds() - start) * 1000, peakMegabytes() - baseline,
                qPrintable(outcome));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1)
        return runCase(QString::fromLocal8Bit(argv[1]));
    for (const auto &[name, make] : cases) {
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedChannels);
        one.start(QCoreApplication::applicationFilePath(), {name});
        one.waitForFinished(-1);
    }
    return 0;
}
