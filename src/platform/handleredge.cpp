#include "platform/handleredge.h"

#include "platform/messageboxes.h"
#include "platform/stage.h"

#include <QLoggingCategory>

namespace
{

Q_LOGGING_CATEGORY(lcHandlers, "kelvarin.handlers")

QString reasonOf(const std::exception &error)
{
    return QString::fromLocal8Bit(error.what());
}

QString reportText(const QStringList &reasons)
{
    return QStringLiteral("Kelvarin could not finish what was asked of it:\n\n") +
           reasons.join(u'\n') +
           QStringLiteral("\n\nA file it needs may be missing or damaged. Installing Kelvarin "
                          "again puts its own files back; your worksheets are kept.");
}

HandlerEdge *edgeOf(QWidget &widget)
{
    auto *stage = qobject_cast<Stage *>(widget.window());
    return stage ? &stage->handlers() : nullptr;
}

} // namespace

bool HandlerEdge::run(const std::function<void()> &handler)
{
    const int noted = m_failuresNoted;
    ++m_depth;
    try {
        handler();
    } catch (const std::exception &error) {
        note(reasonOf(error));
    } catch (...) {
        note(QStringLiteral("an unknown failure"));
    }
    --m_depth;
    const bool succeeded = m_failuresNoted == noted;
    if (m_depth == 0)
        reportPending();
    return succeeded;
}

void HandlerEdge::carryOn(const std::exception &error)
{
    note(reasonOf(error));
    if (m_depth == 0)
        reportPending();
}

void HandlerEdge::note(const QString &reason)
{
    qCWarning(lcHandlers).noquote() << reason;
    ++m_failuresNoted;
    if (!m_pending.contains(reason))
        m_pending.append(reason);
}

void HandlerEdge::reportPending()
{
    // The message box runs its own event loop; failures of timer ticks that fire meanwhile are
    // gathered and told in the next message rather than piling boxes on top of each other.
    ++m_depth;
    while (!m_pending.isEmpty() && m_boxes) {
        const QStringList reasons = std::exchange(m_pending, {});
        m_boxes->show(reportText(reasons));
    }
    m_pending.clear();
    --m_depth;
}

bool runHandler(QWidget &from, const std::function<void()> &handler)
{
    if (HandlerEdge *edge = edgeOf(from))
        return edge->run(handler);
    handler();
    return true;
}

void carryOn(QWidget &from, const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::exception &error) {
        if (HandlerEdge *edge = edgeOf(from))
            edge->carryOn(error);
        else
            throw;
    }
}
