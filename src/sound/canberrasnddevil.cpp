// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/canberrasnddevil.h"

#include "files/contentpath.h"
#include "sound/soundlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <canberra.h>

namespace
{

// Every clip is played under this one id, so one cancel silences them all.
constexpr uint32_t clipId = 1;

// How long the end of the program waits for the sound thread; one stuck on a sound server that
// has hung is left behind rather than holding the program open.
constexpr int stopWaitMs = 2000;

// A machine with no ALSA playback device cannot sound without a sound server. Asking ALSA anyway
// only fills the terminal with its complaints at every clip.
bool hasAlsaPlaybackDevice()
{
    return !QDir("/dev/snd").entryList({"pcmC*D*p"}, QDir::System).isEmpty();
}

} // namespace

// Owns the libcanberra context and is only ever used on the sound thread. The context is opened
// at the first clip and opened again after a failure, so sound comes back once a sound server
// does. That there is no way to sound is logged once, not at every clip.
class ClipPlayer : public QObject
{
public:
    ~ClipPlayer() override
    {
        if (m_context)
            ca_context_destroy(m_context);
    }

    void play(const QString &file)
    {
        if (!open())
            return;
        // Returns once the clip has started; libcanberra plays it out on threads of its own.
        const int result = ca_context_play(m_context, clipId, CA_PROP_MEDIA_FILENAME,
                                           QFile::encodeName(file).constData(), nullptr);
        if (result != CA_SUCCESS)
            qCWarning(lcSound).noquote()
                << "Cannot play" << file << "through" << m_driver + ":" << ca_strerror(result);
    }

    void stop()
    {
        if (!m_context)
            return;
        const int result = ca_context_cancel(m_context, clipId);
        if (result != CA_SUCCESS)
            qCWarning(lcSound).noquote() << "Cannot silence the clips:" << ca_strerror(result);
    }

private:
    // PulseAudio (or PipeWire's stand-in) when a sound server answers, plain ALSA otherwise.
    // libcanberra gives up after the first driver it can load, so the fall-back is ours.
    bool open()
    {
        if (m_context)
            return true;
        const int pulse = openWith("pulse");
        QString unavailable;
        if (pulse != CA_SUCCESS) {
            unavailable = QString("no sound server answers (%1)").arg(ca_strerror(pulse));
            if (!hasAlsaPlaybackDevice())
                unavailable += " and there is no sound device";
            else if (const int alsa = openWith("alsa"); alsa != CA_SUCCESS)
                unavailable +=
                    QString(" and the sound device cannot be used (%1)").arg(ca_strerror(alsa));
        }
        if (m_context && m_saidUnavailable)
            qCInfo(lcSound).noquote() << "Sound is available again through" << m_driver;
        else if (!m_context && !m_saidUnavailable)
            qCWarning(lcSound).noquote()
                << "Sound is unavailable, so every clip is silent:" << unavailable + ".";
        m_saidUnavailable = !m_context;
        return m_context != nullptr;
    }

    int openWith(const char *driver)
    {
        ca_context *context = nullptr;
        int result = ca_context_create(&context);
        if (result == CA_SUCCESS)
            result = ca_context_set_driver(context, driver);
        if (result == CA_SUCCESS)
            result =
                ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Kelvarin", nullptr);
        if (result == CA_SUCCESS)
            result = ca_context_open(context);
        if (result == CA_SUCCESS) {
            m_context = context;
            m_driver = driver;
        } else if (context) {
            ca_context_destroy(context);
        }
        return result;
    }

    ca_context *m_context = nullptr;
    QString m_driver; // the one in use
    bool m_saidUnavailable = false;
};

CanberraSndDevil::CanberraSndDevil(const ContentFolder &classroom)
    : m_classroom(classroom), m_thread(std::make_unique<QThread>()), m_player(new ClipPlayer)
{
    m_thread->setObjectName("kelvarin-sound");
    m_player->moveToThread(m_thread.get());
    QObject::connect(m_thread.get(), &QThread::finished, m_player, &QObject::deleteLater);
    m_thread->start();
}

CanberraSndDevil::~CanberraSndDevil()
{
    m_thread->quit();
    if (!m_thread->wait(QDeadlineTimer(stopWaitMs))) {
        qCWarning(lcSound) << "The sound thread is stuck on the sound system; it is left behind.";
        QThread *stuck = m_thread.release();
        QObject::connect(stuck, &QThread::finished, stuck, &QObject::deleteLater);
    }
}

void CanberraSndDevil::Play(const QString &path)
{
    const QString file = m_classroom.resolve(path);
    if (!QFileInfo(file).isFile()) {
        qCWarning(lcSound).noquote() << "Cannot play" << path + ": there is no such file.";
        return;
    }
    QMetaObject::invokeMethod(
        m_player, [player = m_player, file] { player->play(file); }, Qt::QueuedConnection);
}

void CanberraSndDevil::Stop()
{
    QMetaObject::invokeMethod(
        m_player, [player = m_player] { player->stop(); }, Qt::QueuedConnection);
}
