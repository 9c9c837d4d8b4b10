// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the metafile player: any bytes are read as a metafile and, when they load,
// played onto an image of the page's own size on a plain screen, at most a large screen's, as the
// viewer shows a page. A damaged or too complex file must end in MetaDamage or MetaTooComplex;
// a crash, a hang, a sanitizer report, running past bench/fuzz.sh's time or memory limits or any
// other exception is a finding.
//
// Seeds: tests/fuzz/corpus/metafile holds the foreign files of tests/data/wmf and a few minimal
// hand-made files (empty, every shape record, text, bitmaps, one without the placeable header and
// with a metric mapping, saved states and clip rectangles) and small pages of each kind that once
// took seconds to minutes to draw (clip chains, self-crossing shapes, wide pens, many fills).
#include "wmf/metaerrors.h"
#include "wmf/metafile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>

namespace
{

// Text needs fonts and so a GUI application; one for the whole run, on the offscreen platform.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "metafile_fuzzer";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const Metafile metafile = Metafile::fromBytes(bytes, QStringLiteral("fuzz input"));
        const QSize page = (metafile.sizeTwips() / 15).toSize().boundedTo(QSize(1440, 1080));
        QImage image(page.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        metafile.play(painter, QRectF(QPointF(0, 0), metafile.sizeTwips() / 15));
    } catch (const MetaDamage &) {
    } catch (const MetaTooComplex &) {
    }
    return 0;
}
