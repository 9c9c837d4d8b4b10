// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <vector>

namespace
{

struct Weighted {
    QRgb colour;
    qint64 count;
};

// Green differences show most and blue ones least, so they weigh accordingly in every distance.
constexpr std::array<int, 3> channelWeight = {3, 4, 2};

int channel(QRgb colour, int k)
{
    return k == 0 ? qRed(colour) : k == 1 ? qGreen(colour) : qBlue(colour);
}

int distance(QRgb a, QRgb b)
{
    int sum = 0;
    for (int k = 0; k < 3; ++k) {
        const int d = channel(a, k) - channel(b, k);
        sum += channelWeight[k] * d * d;
    }
    return sum;
}

int nearest(QRgb colour, const QList<QRgb> &palette)
{
    int best = 0;
    int bestDistance = distance(colour, palette[0]);
    for (int i = 1; i < palette.size() && bestDistance > 0; ++i) {
        const int d = distance(colour, palette[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

// A run of the colour list that one palette entry will stand for.
struct Box {
    qsizetype begin;
    qsizetype end;
    double error = 0; // weighted squared distance of its pixels from their mean
    int widest = 0;   // the channel along which they spread most
};

QRgb meanOf(std::vector<Weighted>::const_iterator from, std::vector<Weighted>::const_iterator to)
{
    std::array<double, 3> sum{};
    double count = 0;
    for (auto it = from; it != to; ++it) {
        for (int k = 0; k < 3; ++k)
            sum[k] += double(it->count) * channel(it->colour, k);
        count += double(it->count);
    }
    return qRgb(qRound(sum[0] / count), qRound(sum[1] / count), qRound(sum[2] / count));
}

Box measured(const std::vector<Weighted> &colours, qsizetype begin, qsizetype end)
{
    Box box{begin, end};
    std::array<double, 3> sum{}, squares{};
    double count = 0;
    for (qsizetype i = begin; i < end; ++i) {
        for (int k = 0; k < 3; ++k) {
            const double v = channel(colours[i].colour, k);
            sum[k] += double(colours[i].count) * v;
            squares[k] += double(colours[i].count) * v * v;
        }
        count += double(colours[i].count);
    }
    double widestSpread = -1;
    for (int k = 0; k < 3; ++k) {
        const double spread = channelWeight[k] * (squares[k] - sum[k] * sum[k] / count);
        if (end - begin > 1) // a single colour has no spread, whatever rounding says
            box.error += spread;
        if (spread > widestSpread) {
            widestSpread = spread;
            box.widest = k;
        }
    }
    return box;
}

// Cuts the box along its widest channel where half its pixels lie on either side.
std::pair<Box, Box> split(std::vector<Weighted> &colours, const Box &box)
{
    const auto first = colours.begin() + box.begin;
    const auto last = colours.begin() + box.end;
    // Ties are broken by the colour itself, so the cut never depends on the histogram's order.
    std::sort(first, last, [k = box.widest](const Weighted &a, const Weighted &b) {
        const int ak = channel(a.colour, k);
        const int bk = channel(b.colour, k);
        return ak != bk ? ak < bk : a.colour < b.colour;
    });
    qint64 total = 0;
    for (auto it = first; it != last; ++it)
        total += it->count;
    qint64 below = 0;
    qsizetype cut = box.begin + 1;
    for (; cut < box.end - 1; ++cut) {
        below += colours[cut - 1].count;
        if (2 * below >= total)
            break;
    }
    return {measured(colours, box.begin, cut), measured(colours, cut, box.end)};
}

QList<QRgb> medianCut(std::vector<Weighted> &colours, int entries)
{
    std::vector<Box> boxes{measured(colours, 0, qsizetype(colours.size()))};
    while (int(boxes.size()) < entries) {
        const auto worst =
            std::max_element(boxes.begin(), boxes.end(),
                             [](const Box &a, const Box &b) { return a.error < b.error; });
        if (worst->end - worst->begin < 2 || worst->error <= 0)
            break; // every box holds a single colour
        const auto [low, high] = split(colours, *worst);
        *worst = low;
        boxes.push_back(high);
    }
    QList<QRgb> palette;
    for (const Box &box : boxes)
        palette.append(meanOf(colours.begin() + box.begin, colours.begin() + box.end));
    return palette;
}

// Moves every entry but the first to the mean of the colours nearest to it.
void refine(QList<QRgb> &palette, const std::vector<Weighted> &colours, int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::array<double, 4>> sums(palette.size(), {0, 0, 0, 0});
        for (const Weighted &w : colours) {
            auto &s = sums[nearest(w.colour, palette)];
            for (int k = 0; k < 3; ++k)
                s[k] += double(w.count) * channel(w.colour, k);
            s[3] += double(w.count);
        }
        for (qsizetype i = 1; i < palette.size(); ++i) {
            const auto &s = sums[i];
            if (s[3] > 0)
                palette[i] = qRgb(qRound(s[0] / s[3]), qRound(s[1] / s[3]), qRound(s[2] / s[3]));
        }
    }
}

} // namespace

QList<QRgb> medianCutPalette(const QList<QImage> &pictures, int maxColours)
{
    QHash<QRgb, qint64> histogram;
    for (const QImage &picture : pictures) {
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
            for (int x = 0; x < rgb.width(); ++x)
                ++histogram[line[x] | 0xff000000u];
        }
    }
    std::vector<Weighted> colours;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        colours.push_back({it.key(), it.value()});
    if (colours.empty())
        return {};
    // The background comes first and stays as it is; the rest share the other entries. The hash
    // hands its colours out in a different order each run, so ties go by colour: the same art
    // always makes the same GIFs.
    std::sort(colours.begin(), colours.end(), [](const Weighted &a, const Weighted &b) {
        return a.count != b.count ? a.count > b.count : a.colour < b.colour;
    });
    QList<QRgb> palette{colours.front().colour};
    colours.erase(colours.begin());
    if (colours.empty())
        return palette;
    if (qsizetype(colours.size()) < maxColours) {
        for (const Weighted &w : colours)
            palette.append(w.colour);
        return palette;
    }
    palette.append(medianCut(colours, maxColours - 1));
    refine(palette, colours, 4);
    return palette;
}

QImage toIndexed(const QImage &picture, const QList<QRgb> &palette)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    QHash<QRgb, uchar> chosen;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *to = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = from[x] | 0xff000000u;
            auto it = chosen.find(colour);
            if (it == chosen.end())
                it = chosen.insert(colour, uchar(nearest(colour, palette)));
            to[x] = *it;
        }
    }
    return indexed;
}
