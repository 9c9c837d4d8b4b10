// SPDX-License-Identifier: GPL-3.0-or-later
#include "recipe.h"

#include "contenterror.h"
#include "timbres.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace
{

// The words of one recipe line, remembering where they came from so every complaint can say so.
class Words
{
public:
    Words(const QString &line, QString where)
        : m_words(line.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)),
          m_where(std::move(where))
    {
    }

    int size() const { return static_cast<int>(m_words.size()); }
    const QString &at(int i) const { return m_words.at(i); }

    double number(int i) const
    {
        bool ok = false;
        const double value = m_words.at(i).toDouble(&ok);
        if (!ok || !std::isfinite(value))
            fail("\"" + m_words.at(i) + "\" is not a number");
        return value;
    }

    double pitch(int i) const
    {
        const double note = noteFrequency(m_words.at(i));
        return note > 0 ? note : number(i);
    }

    [[noreturn]] void fail(const QString &why) const { throw ContentError(m_where + ": " + why); }

private:
    QStringList m_words;
    QString m_where;
};

template <typename Target> struct Keyword {
    const char *name;
    int arity;
    void (*set)(Target &, const Words &, int);
};

void setFilter(Layer &l, FilterSpec::Kind kind, double freq, double q = 0.707)
{
    l.filter.kind = kind;
    l.filter.freq = freq;
    l.filter.q = q;
}

const Keyword<Layer> layerKeywords[] = {
    {"at", 1, [](Layer &l, const Words &w, int i) { l.at = w.number(i); }},
    {"for", 1, [](Layer &l, const Words &w, int i) { l.length = w.number(i); }},
    {"pitch", 1, [](Layer &l, const Words &w, int i) { l.pitch = w.pitch(i); }},
    {"glide", 2,
     [](Layer &l, const Words &w, int i) {
         l.glideTo = w.pitch(i);
         l.glideTime = w.number(i + 1);
     }},
    {"timbre", 1, [](Layer &l, const Words &w, int i) { l.timbre = w.at(i); }},
    {"attack", 1, [](Layer &l, const Words &w, int i) { l.attack = w.number(i); }},
    {"decay", 1, [](Layer &l, const Words &w, int i) { l.decay = w.number(i); }},
    {"release", 1, [](Layer &l, const Words &w, int i) { l.release = w.number(i); }},
    {"gain", 1, [](Layer &l, const Words &w, int i) { l.gain = w.number(i); }},
    {"vibrato", 2,
     [](Layer &l, const Words &w, int i) {
         l.vibratoRate = w.number(i);
         l.vibratoDepth = w.number(i + 1);
     }},
    {"lowpass", 1,
     [](Layer &l, const Words &w, int i) { setFilter(l, FilterSpec::Kind::Lowpass, w.number(i)); }},
    {"highpass", 1,
     [](Layer &l, const Words &w, int i) {
         setFilter(l, FilterSpec::Kind::Highpass, w.number(i));
     }},
    {"band", 2,
     [](Layer &l, const Words &w, int i) {
         setFilter(l, FilterSpec::Kind::Band, w.number(i), w.number(i + 1));
     }},
    {"sweep", 1, [](Layer &l, const Words &w, int i) { l.filter.sweepTo = w.number(i); }},
    {"repeat", 1, [](Layer &l, const Words &w, int i) { l.repeat = int(w.number(i)); }},
    {"every", 1, [](Layer &l, const Words &w, int i) { l.every = w.number(i); }},
    {"within", 1, [](Layer &l, const Words &w, int i) { l.within = w.number(i); }},
    {"vary", 2,
     [](Layer &l, const Words &w, int i) {
         l.varyPitch = w.number(i);
         l.varyGain = w.number(i + 1);
     }},
    {"fade", 2,
     [](Layer &l, const Words &w, int i) {
         l.fadeFrom = w.number(i);
         l.fadeTo = w.number(i + 1);
     }},
};

const Keyword<Recipe> clipKeywords[] = {
    {"rate", 1, [](Recipe &r, const Words &w, int i) { r.rate = int(w.number(i)); }},
    {"peak", 1, [](Recipe &r, const Words &w, int i) { r.peakDb = w.number(i); }},
    {"seed", 1, [](Recipe &r, const Words &w, int i) { r.seed = unsigned(w.number(i)); }},
};

// Applies "keyword value..." pairs from word `from` on.
template <typename Target, std::size_t N>
void applyKeywords(Target &target, const Keyword<Target> (&keywords)[N], const Words &w, int from)
{
    for (int i = from; i < w.size();) {
        const Keyword<Target> *found = nullptr;
        for (const auto &k : keywords)
            if (w.at(i) == QLatin1String(k.name))
                found = &k;
        if (!found)
            w.fail("unknown word \"" + w.at(i) + "\"");
        if (i + found->arity >= w.size())
            w.fail(QString("\"%1\" needs %2 value(s)").arg(found->name).arg(found->arity));
        found->set(target, w, i + 1);
        i += 1 + found->arity;
    }
}

void checkLayer(const Layer &l, const Words &w)
{
    if (l.length <= 0 || l.at < 0)
        w.fail("a layer needs a start of 0 or later and a length above 0");
    if (l.attack < 0 || l.decay < 0 || l.release < 0 || l.gain < 0)
        w.fail("attack, decay, release and gain cannot be negative");
    if (l.source == Layer::Source::Tone && (l.pitch <= 0 || l.glideTo < 0))
        w.fail("a tone needs a pitch above 0");
    if (!findTimbre(l.timbre))
        w.fail("no timbre called \"" + l.timbre + "\"");
    if (l.filter.freq <= 0 || l.filter.q <= 0 || l.filter.sweepTo < 0)
        w.fail("a filter needs a frequency and a Q above 0");
    if (l.repeat < 1 || l.repeat > 5000 || l.every < 0 || l.within < 0)
        w.fail("repeat needs 1 to 5000 copies and times of 0 or later");
    if (l.varyPitch < 0 || l.varyGain < 0 || l.varyGain > 1 || l.fadeFrom < 0 || l.fadeTo < 0)
        w.fail("vary needs octaves of 0 or more and a gain cut from 0 to 1");
}

// A comment runs from a '#' that starts a word to the end of the line; F#4 is a note.
QString withoutComment(QString line)
{
    static const QRegularExpression comment("(^|\\s)#.*$");
    return line.remove(comment);
}

void checkRecipe(const Recipe &r, const QString &fileName)
{
    if (r.rate != 22050 && r.rate != 44100)
        throw ContentError(fileName + ": the rate must be 22050 or 44100");
    if (r.peakDb >= 0 || r.peakDb < -24)
        throw ContentError(fileName + ": the peak must lie between -24 and 0 dBFS");
    if (r.layers.empty())
        throw ContentError(fileName + ": a clip needs at least one tone or noise");
}

} // namespace

Recipe parseRecipe(const QString &text, const QString &fileName)
{
    Recipe recipe;
    Layer defaults;
    const QStringList lines = text.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const Words w(withoutComment(lines[n]), fileName + ":" + QString::number(n + 1));
        if (w.size() == 0)
            continue;
        const QString command = w.at(0);
        if (command == "clip") {
            applyKeywords(recipe, clipKeywords, w, 1);
        } else if (command == "set") {
            applyKeywords(defaults, layerKeywords, w, 1);
        } else if (command == "tone" || command == "noise") {
            Layer layer = defaults;
            layer.source = command == "tone" ? Layer::Source::Tone : Layer::Source::Noise;
            applyKeywords(layer, layerKeywords, w, 1);
            checkLayer(layer, w);
            recipe.layers.push_back(layer);
        } else {
            w.fail("a line starts with clip, set, tone or noise, not \"" + command + "\"");
        }
    }
    checkRecipe(recipe, fileName);
    return recipe;
}

double noteFrequency(const QString &name)
{
    static const QRegularExpression pattern("^([A-G])([#b]?)(-?[0-9])$");
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch())
        return 0;
    static const int semitonesFromC[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int semitone = semitonesFromC[m.captured(1).at(0).unicode() - 'A'];
    if (m.captured(2) == "#")
        ++semitone;
    else if (m.captured(2) == "b")
        --semitone;
    const int midi = (m.captured(3).toInt() + 1) * 12 + semitone;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}
