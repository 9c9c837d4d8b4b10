// The sound player on Qt Multimedia, with the generated clips.
#include "platform/qtsnddevil.h"
#include "programfixture.h"

#include <QSoundEffect>
#include <QTest>

namespace
{

QSoundEffect::Status settledStatus(const QSoundEffect &effect)
{
    (void)QTest::qWaitFor(
        [&] {
            return effect.status() != QSoundEffect::Loading &&
                   effect.status() != QSoundEffect::Null;
        },
        5000);
    return effect.status();
}

} // namespace

TEST(QtSndDevil, DecodesAndStartsAClipWithoutWaitingForIt)
{
    ClassroomFolder classroom;
    QtSndDevil devil;
    devil.Play("WAV\\Click.wav");
    const auto effects = devil.findChildren<QSoundEffect *>();
    ASSERT_EQ(effects.size(), 1);
    EXPECT_EQ(settledStatus(*effects.first()), QSoundEffect::Ready);
}

TEST(QtSndDevil, ClipsSoundOverEachOther)
{
    ClassroomFolder classroom;
    QtSndDevil devil;
    devil.Play("wav\\click.wav");
    devil.Play("wav/click.wav");
    EXPECT_EQ(devil.findChildren<QSoundEffect *>().size(), 2);
}

TEST(QtSndDevil, AMissingOrBrokenClipIsSilenceNotAFailure)
{
    ClassroomFolder classroom;
    QtSndDevil devil;
    EXPECT_NO_THROW(devil.Play("wav\\nothing-here.wav"));
    EXPECT_TRUE(devil.findChildren<QSoundEffect *>().isEmpty());

    QFile broken("wav/broken.wav");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF not really a wave file");
    broken.close();
    EXPECT_NO_THROW(devil.Play("wav\\broken.wav"));
    // The effect that could not decode is cleared away rather than kept for the whole run.
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return devil.findChildren<QSoundEffect *>().isEmpty(); }, 5000));
}
