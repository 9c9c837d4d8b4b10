// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavfile.h"

#include "contenterror.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace
{

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

QByteArray header(quint32 dataBytes, int rate)
{
    const quint16 channels = 1, bits = 16, blockAlign = channels * bits / 8;
    QByteArray out("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, quint32(rate));
    put32(out, quint32(rate) * blockAlign);
    put16(out, blockAlign);
    put16(out, bits);
    out.append("data");
    put32(out, dataBytes);
    return out;
}

} // namespace

void writeWav(const QString &path, const std::vector<float> &samples, int rate)
{
    QByteArray bytes = header(quint32(samples.size() * 2), rate);
    for (float s : samples)
        put16(bytes, quint16(qint16(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767))));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw ContentError(path + ": cannot write");
}
