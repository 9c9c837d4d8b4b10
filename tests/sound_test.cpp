// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player on libcanberra: clips it cannot play, a sound server that has hung, and no way
// to sound at all.
// That every clip is heard is shown on a real sound server in sound_heard_test.cpp.
#include "sound/canberrasnddevil.h"
#include "programfixture.h"
#include "pulsesink.h"
#include "silentserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <mutex>

namespace
{

// Collects the player's warnings, from whichever thread they come.
class SoundLog
{
public:
    SoundLog()
    {
        s_current = this;
        m_previous = qInstallMessageHandler(collect);
    }
    ~SoundLog()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    bool mentions(const QString &text) const
    {
        const std::lock_guard lock(m_mutex);
        return m_warnings.join('\n').contains(text);
    }
    QStringList warnings() const
    {
        const std::lock_guard lock(m_mutex);
        return m_warnings;
    }

private:
    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type != QtWarningMsg || qstrcmp(context.category, "kelvarin.sound") != 0)
            return;
        const std::lock_guard lock(s_current->m_mutex);
        s_current->m_warnings << message;
    }

    static inline SoundLog *s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable std::mutex m_mutex;
    QStringList m_warnings;
};

} // namespace

TEST(CanberraSndDevil, AMissingOrBrokenClipIsSilenceAndALogLineNotAFailure)
{
    // Only a player that can sound finds a clip broken.
    PulseNullSink sink;
    if (!sink.failure().isEmpty())
        GTEST_SKIP() << sink.failure().toStdString();
    qputenv("PULSE_SERVER", sink.serverAddress());
    ClassroomFolder classroom;
    QFile broken(classroom.filePath("wav/broken.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF not really a wave file");
    broken.close();
    SoundLog log;
    CanberraSndDevil devil(classroom.folder());
    EXPECT_NO_THROW(devil.Play("wav\\nothing-here.wav"));
    EXPECT_NO_THROW(devil.Play("wav\\broken.wav"));
    EXPECT_TRUE(log.mentions("wav\\nothing-here.wav"));
    // The broken clip is found out on the sound thread.
    EXPECT_TRUE(QTest::qWaitFor([&] { return log.mentions("wav/broken.wav"); }, 5000));
    qunsetenv("PULSE_SERVER");
}

TEST(CanberraSndDevil, NeitherPlayNorTheEndWaitsOnASoundServerThatHasHung)
{
    ClassroomFolder classroom;
    const QByteArray socket = QFile::encodeName(classroom.path()) + "/pulse-hung";
    SilentServer server(socket);
    ASSERT_TRUE(server.isListening());
    qputenv("PULSE_SERVER", "unix:" + socket);
    SoundLog log;
    QElapsedTimer clock;
    clock.start();
    {
        CanberraSndDevil devil(classroom.folder());
        for (int n = 0; n < 5; ++n)
            devil.Play("wav\\click.wav");
        EXPECT_LT(clock.elapsed(), 1000) << "Play waited on the sound server";
        // Long enough for the sound thread to be caught by the server.
        QTest::qWait(500);
    }
    EXPECT_LT(clock.elapsed(), 5000) << "the player's end waited on the sound server";
    EXPECT_TRUE(log.mentions("stuck")) << "the server never held the sound thread";
    qunsetenv("PULSE_SERVER");
}

TEST(CanberraSndDevil, WithNoWayToSoundTheLogSaysSoOnceAndWhy)
{
    if (!QDir("/dev/snd").entryList({"pcmC*D*p"}, QDir::System).isEmpty())
        GTEST_SKIP() << "this machine has a sound device, so it can sound without a server";
    ClassroomFolder classroom;
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(classroom.path()) + "/no-server");
    SoundLog log;
    {
        CanberraSndDevil devil(classroom.folder());
        for (int n = 0; n < 3; ++n)
            devil.Play("wav\\click.wav");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !log.warnings().isEmpty(); }, 5000));
        QTest::qWait(500); // the other clicks, had they anything to say
    }
    qunsetenv("PULSE_SERVER");
    ASSERT_EQ(log.warnings().size(), 1) << log.warnings().join('\n').toStdString();
    EXPECT_TRUE(log.mentions("Sound is unavailable"));
    EXPECT_TRUE(log.mentions("no sound server answers"));
    EXPECT_TRUE(log.mentions("there is no sound device"));
}
