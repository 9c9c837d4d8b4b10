#pragma once

#include "platform/sound.h"

#include <QObject>

// Plays WAV clips through Qt Multimedia. Each Play loads the clip from disk and starts it at once;
// clips sound over each other and play on whatever happens to the screen that asked for them.
class QtSndDevil : public QObject, public SndDevil
{
    Q_OBJECT
public:
    using QObject::QObject;
    void Play(const QString &path) override;
};
