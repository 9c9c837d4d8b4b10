#include "platform/qtsnddevil.h"

#include "platform/contentpath.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace
{

// Every clip is under a few seconds; an effect that never reports its end (no audio device)
// is cleared away after this.
constexpr int longestClipMs = 15000;

} // namespace

void QtSndDevil::Play(const QString &path)
{
    const QString file = resolveContentPath(path);
    if (!QFileInfo(file).isFile())
        return;
    auto *effect = new QSoundEffect(this);
    connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying())
            effect->deleteLater();
    });
    connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        if (effect->status() == QSoundEffect::Error)
            effect->deleteLater();
    });
    QTimer::singleShot(longestClipMs, effect, &QObject::deleteLater);
    effect->setSource(QUrl::fromLocalFile(file));
    effect->play();
}
