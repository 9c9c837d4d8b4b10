#pragma once

#include <QApplication>

// The application object. A handler that fails on a missing or damaged content file is stopped
// there and the pupil told so; the program itself carries on rather than closing under them.
class KelvarinApp : public QApplication
{
    Q_OBJECT
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};
