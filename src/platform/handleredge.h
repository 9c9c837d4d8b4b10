// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platformlog.h"

#include <QStringList>
#include <exception>
#include <functional>

class MessageBoxes;
class QWidget;

// Where the runtime calls the program's handlers: a click, a key, a pointer move, a timer tick, a
// screen's load. A failure escaping a handler stops that handler and is caught here, never let
// through Qt's event dispatch. Each failure is logged at once; the user is told once the
// outermost handler has returned, in one message however many steps failed: a file that failed
// is named with its reason, and any other failure is told as a fault inside the program.
class HandlerEdge
{
public:
    void setMessageBoxes(MessageBoxes *boxes) { m_boxes = boxes; }

    // Runs the handler; returns false when a failure escaped it or it carried on after one. Its
    // failures are logged under the category of the screen the handler belongs to.
    bool run(const std::function<void()> &handler, const QLoggingCategory &category = lcPlatform());

    // A failure that a handler catches and carries on after, such as one missing picture in a
    // screen that works without it: logged and reported like an escaped one.
    void carryOn(const std::exception &error, const QLoggingCategory &category = lcPlatform());

private:
    // A file that is missing or damaged is the classroom's to mend; anything else is a fault in
    // the program itself, and the teacher is not sent looking for a file.
    enum class Kind { File, Internal };
    static Kind kindOf(const std::exception &error);

    void note(Kind kind, const QString &reason, const QLoggingCategory &category);
    void reportPending();

    MessageBoxes *m_boxes = nullptr;
    int m_depth = 0;
    int m_failuresNoted = 0;
    QStringList m_pendingFiles;
    QStringList m_pendingInternal;
};

// Runs a handler through the edge of the stage that holds the widget, logging its failures under
// the category of the screen the widget is on. A widget outside any stage (a bare control in a
// test) runs it directly, failures and all.
bool runHandler(QWidget &from, const std::function<void()> &handler);

// Runs one step of a handler that can do without it: a failure is reported through the stage's
// edge and the handler goes on with its next step.
void carryOn(QWidget &from, const std::function<void()> &step);
