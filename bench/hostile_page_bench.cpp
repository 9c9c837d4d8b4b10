// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile pages: each crafted metafile is loaded and played onto a page-sized image, as the viewer
// shows a page, and the CPU time and the peak memory above the program's start are printed, or
// that the page was refused and how soon. Each case runs in a process of its own, so the memory
// of one does not hide in another's peak. Then, for each kind, the costliest page still shown
// (the most records or points that load, found by halving) and what drawing it costs: the bound.
//
//   hostile_page_bench            every case, one line each, then the costliest pages shown
//   hostile_page_bench NAME       one case
#include "files/errors.h"
#include "platform/picture.h"
#include "wmf/metafile.h"

#include "../tests/hostilewmf.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <cstdio>
#include <functional>
#include <map>
#include <sys/resource.h>

namespace
{

// Each kind of page by its size: records, points or bitmaps.
const std::map<QString, std::function<QByteArray(int)>> kinds = {
    {"clip-chain", [](int n) { return hostile::clipChain(n); }},
    {"clip-chain-saved", [](int n) { return hostile::clipChain(n, true); }},
    {"polygon", [](int n) { return hostile::crossingPolygon(n); }},
    {"polyline-pen-60", [](int n) { return hostile::crossingPolyline(n, 900); }},
    {"lines-wide", [](int n) { return hostile::wideLines(n, 2000); }},
    {"rectangles", [](int n) { return hostile::pageRectangles(n); }},
    {"bitmaps", [](int n) { return hostile::largeBitmaps(n, 2048, 2048); }},
};

const std::map<QString, std::function<QByteArray()>> cases = {
    {"clip-chain-2000", [] { return hostile::clipChain(2000); }},
    {"clip-chain-saved-70000", [] { return hostile::clipChain(70000, true); }},
    {"object-churn-40000", [] { return hostile::objectChurn(40000); }},
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

bool loads(const QByteArray &bytes)
{
    try {
        Picture::metafileFromBytes(bytes, QString());
        return true;
    } catch (const FileError &) {
        return false;
    }
}

// The largest size of a kind that still loads, by halving between one that does and one that
// doesn't.
int costliestShown(const std::function<QByteArray(int)> &make)
{
    int shown = 1, refused = 2;
    while (loads(make(refused)) && refused < (1 << 20)) {
        shown = refused;
        refused *= 2;
    }
    while (refused - shown > 1) {
        const int middle = shown + (refused - shown) / 2;
        (loads(make(middle)) ? shown : refused) = middle;
    }
    return shown;
}

int runCase(const QString &name, const QByteArray &bytes)
{
    QImage screen(1440, 1080, QImage::Format_RGB32);
    screen.fill(Qt::white);
    const long baseline = peakMegabytes();
    const double start = cpuSeconds();
    QString outcome = QStringLiteral("shown");
    try {
        const Metafile page = Picture::metafileFromBytes(bytes, name);
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
    const auto runAlone = [](const QStringList &arguments) {
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedChannels);
        one.start(QCoreApplication::applicationFilePath(), arguments);
        one.waitForFinished(-1);
    };
    if (argc == 2)
        return runCase(argv[1], cases.at(argv[1])());
    if (argc == 3) {
        const int size = QByteArray(argv[2]).toInt();
        return runCase(QStringLiteral("%1-%2").arg(argv[1]).arg(size), kinds.at(argv[1])(size));
    }
    for (const auto &[name, make] : cases)
        runAlone({name});
    std::printf("\nThe costliest page of each kind that is still shown:\n");
    std::fflush(stdout);
    for (const auto &[name, make] : kinds)
        runAlone({name, QString::number(costliestShown(make))});
    return 0;
}
