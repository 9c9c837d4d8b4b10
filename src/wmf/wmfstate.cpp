// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/wmfstate.h"

namespace
{

// Few enough that any player's object table holds them; enough for a page's text and shapes.
const int objectsKept = 8;

QByteArray keyOf(std::initializer_list<qint64> values, const QString &name = {})
{
    QByteArray key = name.toUtf8();
    for (qint64 v : values)
        key += ':' + QByteArray::number(v);
    return key;
}

} // namespace

template <typename Create> void WmfState::use(Kind kind, const QByteArray &key, Create create)
{
    ++m_clock;
    auto found = std::find_if(m_objects.begin(), m_objects.end(),
                              [&key](const Object &o) { return o.key == key; });
    if (found != m_objects.end() && m_now.selected[kind] == found->slot) {
        found->lastUse = m_clock;
        return;
    }
    if (found == m_objects.end()) {
        makeRoom();
        m_objects.append({key, create(), m_clock});
        found = m_objects.end() - 1;
    }
    found->lastUse = m_clock;
    m_writer.selectObject(found->slot);
    m_now.selected[kind] = found->slot;
}

bool WmfState::inUse(int slot) const
{
    auto holds = [slot](const Settings &s) {
        return std::find(s.selected.begin(), s.selected.end(), slot) != s.selected.end();
    };
    return holds(m_now) || (m_saved && holds(*m_saved));
}

// Deletes the least recently used objects that nothing selects.
void WmfState::makeRoom()
{
    while (m_objects.size() >= objectsKept) {
        auto oldest = m_objects.end();
        for (auto it = m_objects.begin(); it != m_objects.end(); ++it)
            if (!inUse(it->slot) && (oldest == m_objects.end() || it->lastUse < oldest->lastUse))
                oldest = it;
        if (oldest == m_objects.end())
            return;
        m_writer.deleteObject(oldest->slot);
        m_objects.erase(oldest);
    }
}

void WmfState::usePen(quint16 style, int width, QRgb colour)
{
    use(Pen, keyOf({style, width, colour}, "pen"),
        [&] { return m_writer.createPen(style, width, colour); });
}

void WmfState::useBrush(quint16 style, QRgb colour)
{
    use(Brush, keyOf({style, colour}, "brush"),
        [&] { return m_writer.createBrush(style, colour); });
}

void WmfState::useFont(const WmfFont &font)
{
    use(Font, keyOf({font.height, font.escapement, font.weight, font.italic}, font.faceName),
        [&] { return m_writer.createFont(font); });
}

void WmfState::useTextColour(QRgb colour)
{
    if (m_now.textColour == colour)
        return;
    m_writer.setTextColor(colour);
    m_now.textColour = colour;
}

void WmfState::useFillMode(quint16 mode)
{
    if (m_now.fillMode == mode)
        return;
    m_writer.setPolyFillMode(mode);
    m_now.fillMode = mode;
}

void WmfState::save()
{
    m_writer.saveDc();
    m_saved = m_now;
}

void WmfState::restore()
{
    m_writer.restoreDc();
    m_now = *m_saved;
    m_saved.reset();
}
