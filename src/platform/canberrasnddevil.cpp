#include "platform/canberrasnddevil.h"

#include "platform/contentpath.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QThread>
#include <canberra.h>

Q_LOGGING_CATEGORY(lcSound, "kelvarin.sound")

namespace
{

// Every clip is played under this one id, so one cancel silences them all.
constexpr uint32_t clipId = 1;

// How long the end of the program waits for the sound thread; one stuck on a sound server that
// has hung is left behind rather than holding the program open.
constexpr int stopWaitMs = 2000;

} // namespace

// Owns the libcanberra context and is only ever used on the sound thread. The context is opened
// at the first clip and opened again after a failure, so sound comes back once a sound server
// does.
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
        int result = open();
        // Returns once the clip has started; libcanberra plays it out on threads of its own.
        if (result == CA_SUCCESS)
            result = ca_context_play(m_context, clipId, CA_PROP_MEDIA_FILENAME,
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
    int open()
    {
        int result = CA_SUCCESS;
        for (const char *driver : {"pulse", "alsa"}) {
            if (m_context)
                break;
            result = openWith(driver);
        }
        return result;
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
        m_driver = driver;
        if (result == CA_SUCCESS)
            m_context = context;
        else if (context)
            ca_context_destroy(context);
        return result;
    }

    ca_context *m_context = nullptr;
    QString m_driver; // the one in use, or the last one tried
};

CanberraSndDevil::CanberraSndDevil()
    : m_thread(std::make_unique<QThread>()), m_player(new ClipPlayer)
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
    const QString file = resolveContentPath(path);
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
