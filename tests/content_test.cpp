// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>

// Checks the classroom content that the build generates: every clip the program plays is there
// and sounds sane, the worksheet index starts empty, and the art is rendered at its own size.

namespace
{

const QDir contentDir(QStringLiteral(KELVARIN_CONTENT_DIR));

struct RequiredClip {
    const char *name;
    double minSeconds;
    double maxSeconds;
};

// Every clip the program plays. Praise clips run under four seconds; the click is only a click.
const RequiredClip requiredClips[] = {
    {"click", 0.02, 0.08}, {"typekey", 0.03, 0.4}, {"thud3", 0.05, 0.5}, {"halleluj", 0.8, 4.0},
    {"fanf2", 0.8, 4.0},   {"fanf3", 0.8, 4.0},    {"fanf4", 0.8, 4.0},  {"slot_payoff", 0.8, 4.0},
    {"crowd", 0.8, 4.0},   {"cheer2", 0.5, 4.0},   {"klaxon", 0.5, 4.0}, {"flute", 0.5, 4.0},
    {"gong", 0.8, 4.0},    {"clap2", 0.8, 4.0},    {"clap3", 0.8, 4.0},  {"drumroll", 0.8, 4.0},
    {"laser2", 0.3, 4.0},  {"whizz", 0.5, 4.0},    {"clown", 0.3, 4.0},
};

void PrintTo(const RequiredClip &clip, std::ostream *os)
{
    *os << clip.name;
}

constexpr double fullScale = 32768;

struct Wav {
    QString problem; // empty when the file reads as a well-formed WAV
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<qint16> samples;
};

quint32 u32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

QString readFormat(const QByteArray &b, qsizetype at, quint32 size, Wav &wav)
{
    if (size < 16)
        return "fmt chunk too short";
    wav.format = u16(b, at);
    wav.channels = u16(b, at + 2);
    wav.rate = int(u32(b, at + 4));
    const quint32 byteRate = u32(b, at + 8);
    const int blockAlign = u16(b, at + 12);
    wav.bits = u16(b, at + 14);
    if (blockAlign != wav.channels * wav.bits / 8 || byteRate != quint32(wav.rate * blockAlign))
        return "block align or byte rate does not match the format";
    return {};
}

QString readData(const QByteArray &b, qsizetype at, quint32 size, Wav &wav)
{
    if (wav.format == 0)
        return "data before fmt";
    if (size % 2 != 0)
        return "data size is not a whole number of 16-bit samples";
    for (quint32 i = 0; i < size; i += 2)
        wav.samples.push_back(qint16(u16(b, at + i)));
    return {};
}

// Walks the RIFF chunks, checking every size the header claims against the file itself.
Wav readWav(const QString &path)
{
    Wav wav;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        wav.problem = "missing";
        return wav;
    }
    const QByteArray b = file.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        wav.problem = "not RIFF/WAVE";
    else if (u32(b, 4) != quint32(b.size() - 8))
        wav.problem = "RIFF size does not match the file size";
    bool sawData = false;
    for (qsizetype at = 12; wav.problem.isEmpty() && at < b.size();) {
        if (at + 8 > b.size()) {
            wav.problem = "truncated chunk header";
            break;
        }
        const QByteArray id = b.mid(at, 4);
        const quint32 size = u32(b, at + 4);
        if (at + 8 + qsizetype(size) > b.size())
            wav.problem = "chunk " + QString(id) + " runs past the end of the file";
        else if (id == "fmt ")
            wav.problem = readFormat(b, at + 8, size, wav);
        else if (id == "data") {
            wav.problem = readData(b, at + 8, size, wav);
            sawData = true;
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    if (wav.problem.isEmpty() && !sawData)
        wav.problem = "no data chunk";
    return wav;
}

QString clipPath(const char *name)
{
    return contentDir.filePath(QString("wav/%1.wav").arg(name));
}

class RequiredClipTest : public ::testing::TestWithParam<RequiredClip>
{
protected:
    void SetUp() override
    {
        m_wav = readWav(clipPath(GetParam().name));
        ASSERT_TRUE(m_wav.problem.isEmpty()) << m_wav.problem.toStdString();
        ASSERT_FALSE(m_wav.samples.empty());
    }

    double seconds() const { return double(m_wav.samples.size()) / m_wav.rate; }

    double peak() const
    {
        int loudest = 0;
        for (qint16 s : m_wav.samples)
            loudest = std::max(loudest, std::abs(int(s)));
        return loudest / fullScale;
    }

    Wav m_wav;
};

TEST_P(RequiredClipTest, IsMonoSixteenBitPcmAtAUsualRate)
{
    EXPECT_EQ(m_wav.format, 1);
    EXPECT_EQ(m_wav.channels, 1);
    EXPECT_EQ(m_wav.bits, 16);
    EXPECT_TRUE(m_wav.rate == 22050 || m_wav.rate == 44100) << m_wav.rate;
}

TEST_P(RequiredClipTest, LastsAsLongAsItsPlaceAllows)
{
    EXPECT_GE(seconds(), GetParam().minSeconds);
    EXPECT_LE(seconds(), GetParam().maxSeconds);
    EXPECT_LT(seconds(), 4.0);
}

TEST_P(RequiredClipTest, IsClearlyAudibleAndDoesNotClip)
{
    const double peakDb = 20 * std::log10(peak());
    EXPECT_GE(peakDb, -12.0);
    EXPECT_LE(peakDb, -1.0);
}

TEST_P(RequiredClipTest, StartsAndEndsAtRest)
{
    const auto &s = m_wav.samples;
    const int limit = int(0.01 * fullScale);
    EXPECT_LE(std::abs(int(s.front())), limit);
    EXPECT_LE(std::abs(int(s.back())), limit);
    // A clip that stops dead ends on a loud sample just before its last one.
    const std::size_t tail = std::min(s.size(), std::size_t(m_wav.rate / 500));
    for (std::size_t i = s.size() - tail; i < s.size(); ++i)
        ASSERT_LE(std::abs(int(s[i])), limit) << "sample " << i << " of " << s.size();
}

TEST_P(RequiredClipTest, HasNoOffset)
{
    double sum = 0;
    for (qint16 s : m_wav.samples)
        sum += s;
    EXPECT_LT(std::abs(sum / m_wav.samples.size()), 0.005 * fullScale);
}

INSTANTIATE_TEST_SUITE_P(Content, RequiredClipTest, ::testing::ValuesIn(requiredClips),
                         [](const auto &clip) { return std::string(clip.param.name); });

// The praise clips are drawn at random: two that sound the same would waste a draw.
TEST(ContentClips, AreAllDifferent)
{
    std::vector<std::pair<const char *, std::vector<qint16>>> seen;
    for (const RequiredClip &clip : requiredClips) {
        const Wav wav = readWav(clipPath(clip.name));
        for (const auto &[name, samples] : seen)
            EXPECT_TRUE(wav.samples.empty() || wav.samples != samples)
                << clip.name << " = " << name;
        seen.emplace_back(clip.name, wav.samples);
    }
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ContentText, WorksheetIndexStartsEmpty)
{
    EXPECT_EQ(readBytes(contentDir.filePath("multiple/track.txt")), QByteArray(" 0 \r\n"));
}

TEST(ContentText, EveryLineEndsWithCrLf)
{
    const QDir multiple(contentDir.filePath("multiple"));
    for (const QString &name : multiple.entryList({"*.txt"}, QDir::Files)) {
        const QByteArray bytes = readBytes(multiple.filePath(name));
        EXPECT_TRUE(bytes.isEmpty() || bytes.endsWith("\r\n")) << name.toStdString();
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const bool bareLf = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
            const bool bareCr = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
            ASSERT_FALSE(bareLf || bareCr) << name.toStdString() << " at byte " << i;
        }
    }
}

// The art is drawn at one pixel to 15 twips, so the size on the SVG's root is the picture's size.
QSize declaredSize(const QString &svgPath)
{
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("svg"))
        return {};
    static const QRegularExpression pixels("^\\s*([0-9]+)\\s*(px)?\\s*$");
    const auto w = pixels.match(xml.attributes().value("width").toString());
    const auto h = pixels.match(xml.attributes().value("height").toString());
    if (!w.hasMatch() || !h.hasMatch())
        return {};
    return QSize(w.captured(1).toInt(), h.captured(1).toInt());
}

// <name>.svg is drawn as a JPEG; <name>.gif.svg and <name>.bmp.svg as the format they name.
std::pair<QString, QByteArray> pictureOf(const QFileInfo &svg)
{
    const QString name = svg.completeBaseName();
    if (name.endsWith(".gif"))
        return {name, "gif"};
    if (name.endsWith(".bmp"))
        return {name, "bmp"};
    return {name + ".jpg", "jpeg"};
}

TEST(ContentArt, EverySvgBecomesAPictureOfItsDeclaredSize)
{
    const QDir art(QStringLiteral(KELVARIN_ART_SOURCES));
    ASSERT_TRUE(art.exists()) << art.path().toStdString();
    for (const QString &folder : art.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir from(art.filePath(folder));
        for (const QFileInfo &svg : from.entryInfoList({"*.svg"}, QDir::Files)) {
            const std::string what = (folder + "/" + svg.fileName()).toStdString();
            const QSize size = declaredSize(svg.filePath());
            EXPECT_FALSE(size.isEmpty()) << what << ": width and height must be whole pixels";
            const auto [name, format] = pictureOf(svg);
            QImageReader reader(contentDir.filePath(folder + "/" + name));
            EXPECT_EQ(reader.format(), format) << what;
            const QImage image = reader.read();
            EXPECT_EQ(image.size(), size) << what;
        }
    }
}

} // namespace
