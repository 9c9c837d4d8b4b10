// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/wmfwriter.h"

#include <QList>
#include <array>
#include <optional>

// What a metafile player's state holds while it plays the records written so far: the selected
// pen, brush and font, the text colour and the polygon fill mode. A setting is written only when
// it changes. A few objects stay alive in the object table, so switching between the same few
// (bold and regular text, a fill and its frame) costs a SELECTOBJECT rather than a new object.
class WmfState
{
public:
    explicit WmfState(WmfWriter &writer) : m_writer(writer) {}

    void usePen(quint16 style, int width, QRgb colour);
    void useBrush(quint16 style, QRgb colour);
    void useFont(const WmfFont &font);
    void useTextColour(QRgb colour);
    void useFillMode(quint16 mode);

    // SAVEDC and RESTOREDC: the player puts back what was selected and set at the save.
    void save();
    void restore();

private:
    enum Kind { Pen, Brush, Font };
    struct Object {
        QByteArray key;
        int slot = -1;
        quint64 lastUse = 0;
    };
    struct Settings {
        std::array<int, 3> selected{-1, -1, -1}; // slots, by Kind
        std::optional<QRgb> textColour;
        quint16 fillMode = 0;
    };

    template <typename Create> void use(Kind kind, const QByteArray &key, Create create);
    void makeRoom();
    bool inUse(int slot) const;

    WmfWriter &m_writer;
    QList<Object> m_objects;
    quint64 m_clock = 0;
    Settings m_now;
    std::optional<Settings> m_saved;
};
