// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metafiledevice.h"

#include "wmf/metafileengine.h"

MetafileDevice::MetafileDevice(QSize twips)
    : m_size(twips), m_engine(std::make_unique<MetafileEngine>())
{
}

MetafileDevice::~MetafileDevice() = default;

void MetafileDevice::setGreyscale(bool on)
{
    m_engine->setGreyscale(on);
}

QByteArray MetafileDevice::bytes() const
{
    if (!m_bytes)
        m_bytes = m_engine->takeBytes();
    return *m_bytes;
}

QPaintEngine *MetafileDevice::paintEngine() const
{
    return m_engine.get();
}

int MetafileDevice::metric(PaintDeviceMetric metric) const
{
    const int dpi = 1440;
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return qRound(m_size.width() * 25.4 / dpi);
    case PdmHeightMM:
        return qRound(m_size.height() * 25.4 / dpi);
    case PdmNumColors:
        return 0x1000000;
    case PdmDepth:
        return 24;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return QPaintDevice::metric(metric);
}
