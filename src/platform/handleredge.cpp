// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/handleredge.h"

#include "files/errors.h"
#include "platform/form.h"
#include "platform/messageboxes.h"
#include "platform/stage.h"

namespace
{

QString reasonOf(const std::exception &error)
{
    return QString::fromLocal8Bit(error.what());
}

QString fileReport(const QStringList &reasons)
{
    return QStringLiteral("Kelvarin could not finish what was asked of it:\n\n") +
           reasons.join(u'\n') +
           QStringLiteral("\n\nA file it needs may be missing or damaged. Installing Kelvarin "
                          "again puts its own files back; your worksheets are kept.");
}

QString internalReport(const QStringList &reasons)
{
    return QStringLiteral("Something went wrong inside Kelvarin, so it could not finish what was "
                          "asked of it:\n\n") +
           reasons.join(u'\n') +
           QStringLiteral("\n\nThis is a fault in Kelvarin itself, not a missing file. Please "
                          "tell whoever looks after this computer what it says above.");
}

QString reportText(const QStringList &files, const QStringList &internal)
{
    QStringList parts;
    if (!files.isEmpty())
        parts << fileReport(files);
    if (!internal.isEmpty())
        parts << internalReport(internal);
    return parts.join(QStringLiteral("\n\n"));
}

HandlerEdge *edgeOf(QWidget &widget)
{
    auto *stage = qobject_cast<Stage *>(widget.window());
    return stage ? &stage->handlers() : nullptr;
}

// The category of the screen the widget is on: the nearest form holding it (the widget itself when
// it is one), or the platform's when none does.
const QLoggingCategory &categoryOf(QWidget &widget)
{
    for (QWidget *w = &widget; w; w = w->parentWidget()) {
        if (auto *form = qobject_cast<Form *>(w))
            return form->logCategory();
    }
    return lcPlatform();
}

} // namespace

HandlerEdge::Kind HandlerEdge::kindOf(const std::exception &error)
{
    return dynamic_cast<const FileError *>(&error) ? Kind::File : Kind::Internal;
}

bool HandlerEdge::run(const std::function<void()> &handler, const QLoggingCategory &category)
{
    const int noted = m_failuresNoted;
    ++m_depth;
    try {
        handler();
    } catch (const std::exception &error) {
        note(kindOf(error), reasonOf(error), category);
    } catch (...) {
        note(Kind::Internal, QStringLiteral("an unknown failure"), category);
    }
    --m_depth;
    const bool succeeded = m_failuresNoted == noted;
    if (m_depth == 0)
        reportPending();
    return succeeded;
}

void HandlerEdge::carryOn(const std::exception &error, const QLoggingCategory &category)
{
    note(kindOf(error), reasonOf(error), category);
    if (m_depth == 0)
        reportPending();
}

void HandlerEdge::note(Kind kind, const QString &reason, const QLoggingCategory &category)
{
    if (kind == Kind::File)
        qCWarning(category).noquote() << reason;
    else
        qCWarning(category).noquote() << "Internal fault:" << reason;
    ++m_failuresNoted;
    QStringList &pending = kind == Kind::File ? m_pendingFiles : m_pendingInternal;
    if (!pending.contains(reason))
        pending.append(reason);
}

void HandlerEdge::reportPending()
{
    // The message box runs its own event loop; failures of timer ticks that fire meanwhile are
    // gathered and told in the next message rather than piling boxes on top of each other.
    ++m_depth;
    while ((!m_pendingFiles.isEmpty() || !m_pendingInternal.isEmpty()) && m_boxes) {
        const QStringList files = std::exchange(m_pendingFiles, {});
        const QStringList internal = std::exchange(m_pendingInternal, {});
        m_boxes->show(reportText(files, internal));
    }
    m_pendingFiles.clear();
    m_pendingInternal.clear();
    --m_depth;
}

bool runHandler(QWidget &from, const std::function<void()> &handler)
{
    if (HandlerEdge *edge = edgeOf(from))
        return edge->run(handler, categoryOf(from));
    handler();
    return true;
}

void carryOn(QWidget &from, const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::exception &error) {
        if (HandlerEdge *edge = edgeOf(from))
            edge->carryOn(error, categoryOf(from));
        else
            throw;
    }
}
