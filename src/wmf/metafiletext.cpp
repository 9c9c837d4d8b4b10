// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metafile.h"
#include "wmf/metarecords.h"
#include "wmf/metatext.h"

#include <numeric>
#include <optional>
#include <queue>
#include <vector>

namespace
{

constexpr size_t maxObjects = 65535;

// The font each text record is drawn in: the object table and the saved states, as far as fonts
// go. A new object takes the lowest free slot, as on Windows.
class FontTracker
{
public:
    void apply(const meta::CreateObject &r)
    {
        Slot slot{true, std::nullopt};
        if (const auto *font = std::get_if<meta::Font>(&r.object))
            slot.font = *font;
        if (!m_freed.empty()) {
            m_slots[m_freed.top()] = slot;
            m_freed.pop();
        } else if (m_slots.size() < maxObjects) {
            m_slots.push_back(slot);
        }
    }
    void apply(const meta::SelectObject &r)
    {
        if (r.index >= 0 && size_t(r.index) < m_slots.size() && m_slots[r.index].font)
            m_font = *m_slots[r.index].font;
    }
    void apply(const meta::DeleteObject &r)
    {
        if (r.index >= 0 && size_t(r.index) < m_slots.size() && m_slots[r.index].used) {
            m_slots[r.index] = Slot{};
            m_freed.push(size_t(r.index));
        }
    }
    void apply(const meta::SaveDC &) { m_saved.push_back(m_font); }
    void apply(const meta::RestoreDC &r)
    {
        // Negative: counted back from the newest state; positive: the state of that number.
        const long long keep =
            r.which < 0 ? (long long)m_saved.size() + r.which : (long long)r.which - 1;
        if (keep < 0 || keep >= (long long)m_saved.size())
            return;
        m_font = m_saved[size_t(keep)];
        m_saved.resize(size_t(keep));
    }
    template <typename Other> void apply(const Other &) {}

    const meta::Font &font() const { return m_font; }

private:
    struct Slot {
        bool used = false;
        std::optional<meta::Font> font;
    };
    std::vector<Slot> m_slots;
    // Freed slots, lowest first, so a new object finds its slot without a search.
    std::priority_queue<size_t, std::vector<size_t>, std::greater<>> m_freed;
    std::vector<meta::Font> m_saved;
    meta::Font m_font{0, 0, 0, 0, false, false, false, 0, {}};
};

// Puts each text run where a reader expects it: on the line of the run before when both share a
// baseline, after a blank when the drawing leaves more than a quarter of a character between them.
class LineJoiner
{
public:
    void add(const meta::Text &r, const QString &words)
    {
        if (words.trimmed().isEmpty())
            return;
        if (!m_text.isEmpty())
            m_text += separatorBefore(r.origin);
        m_text += words;
        const int width = std::accumulate(r.dx.begin(), r.dx.end(), 0);
        m_end = r.dx.size() == words.size() ? std::optional(r.origin.x() + width) : std::nullopt;
        m_quarterCharacter = words.isEmpty() ? 0 : width / (4.0 * words.size());
        m_baseline = r.origin.y();
    }
    QString text() const { return m_text; }

private:
    QString separatorBefore(QPoint origin) const
    {
        if (origin.y() != m_baseline)
            return QStringLiteral("\n");
        const bool touching = m_end && origin.x() - *m_end <= m_quarterCharacter;
        return touching ? QString() : QStringLiteral(" ");
    }

    QString m_text;
    int m_baseline = 0;
    std::optional<int> m_end;
    double m_quarterCharacter = 0;
};

} // namespace

QString Metafile::text() const
{
    if (!m_document)
        return {};
    FontTracker fonts;
    LineJoiner lines;
    for (const meta::Record &record : m_document->records) {
        std::visit([&](const auto &r) { fonts.apply(r); }, record);
        if (const auto *text = std::get_if<meta::Text>(&record)) {
            const meta::Font &font = fonts.font();
            lines.add(*text, decodeMetaText(text->bytes, font.charset, font.face));
        }
    }
    return lines.text();
}
