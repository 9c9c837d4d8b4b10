// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <memory>
#include <optional>

class MetafileEngine;

// A paint device whose pictures are Windows metafiles. Its resolution is 1440 dots per inch, so
// a painter's coordinates on it are twips and fonts sized in points come out at their real size.
// Paint on it with a QPainter, end the painter, then take the file with bytes().
class MetafileDevice : public QPaintDevice
{
public:
    explicit MetafileDevice(QSize twips);
    ~MetafileDevice() override;

    // Every colour drawn becomes its shade of grey, so a page prints well in black and white.
    void setGreyscale(bool on);

    // The finished metafile; throws MetaWriteError if something drawn could not be written.
    QByteArray bytes() const;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    std::unique_ptr<MetafileEngine> m_engine;
    mutable std::optional<QByteArray> m_bytes;
};
