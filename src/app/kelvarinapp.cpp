#include "app/kelvarinapp.h"

#include <QMessageBox>
#include <exception>

bool KelvarinApp::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        QMessageBox::warning(activeWindow(), QStringLiteral("Kelvarin"),
                             QStringLiteral("Kelvarin could not finish that step: %1.\n\n"
                                            "A file it needs may be missing or damaged.")
                                 .arg(QString::fromLocal8Bit(error.what())));
        return false;
    }
}
