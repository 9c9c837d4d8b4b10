#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

// The benchmarks that drive screens run on Qt's offscreen platform, in the generated content
// folder, as the tests do.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(KELVARIN_CONTENT_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
