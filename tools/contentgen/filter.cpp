// SPDX-License-Identifier: GPL-3.0-or-later
#include "filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{

// The usual second-order "cookbook" filter, retuned as it runs.
class Biquad
{
public:
    Biquad(FilterSpec::Kind kind, double q, int rate) : m_kind(kind), m_q(q), m_rate(rate) {}

    void tune(double freq)
    {
        const double w0 = 2 * std::numbers::pi * std::min(freq, 0.45 * m_rate) / m_rate;
        const double cosw = std::cos(w0);
        const double alpha = std::sin(w0) / (2 * m_q);
        const double a0 = 1 + alpha;
        if (m_kind == FilterSpec::Kind::Lowpass)
            setB((1 - cosw) / 2, 1 - cosw, (1 - cosw) / 2, a0);
        else if (m_kind == FilterSpec::Kind::Highpass)
            setB((1 + cosw) / 2, -(1 + cosw), (1 + cosw) / 2, a0);
        else
            setB(alpha, 0, -alpha, a0);
        m_a1 = -2 * cosw / a0;
        m_a2 = (1 - alpha) / a0;
    }

    float process(float x)
    {
        const double y = m_b0 * x + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return float(y);
    }

private:
    void setB(double b0, double b1, double b2, double a0)
    {
        m_b0 = b0 / a0;
        m_b1 = b1 / a0;
        m_b2 = b2 / a0;
    }

    FilterSpec::Kind m_kind;
    double m_q;
    int m_rate;
    double m_b0 = 1, m_b1 = 0, m_b2 = 0, m_a1 = 0, m_a2 = 0;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

} // namespace

void applyFilter(std::vector<float> &samples, const FilterSpec &spec, double freqScale, int rate)
{
    if (spec.kind == FilterSpec::Kind::None || samples.empty())
        return;
    const double from = spec.freq * freqScale;
    const double to = (spec.sweepTo > 0 ? spec.sweepTo : spec.freq) * freqScale;
    Biquad filter(spec.kind, spec.q, rate);
    const std::size_t retuneEvery = 16;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (i % retuneEvery == 0)
            filter.tune(from * std::pow(to / from, double(i) / samples.size()));
        samples[i] = filter.process(samples[i]);
    }
}
