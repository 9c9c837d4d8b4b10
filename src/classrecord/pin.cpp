// SPDX-License-Identifier: GPL-3.0-or-later
#include "classrecord/pin.h"

#include <QCryptographicHash>
#include <QList>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>
#include <optional>

namespace
{

const QString method = QStringLiteral("pbkdf2-sha256");
constexpr int SaltBytes = 16;
constexpr int HashBytes = 32;
// A count far above ours is not from this program; it would only stall the check.
constexpr int MostIterations = 50 * Pin::Iterations;

QByteArray derive(const QString &pin, const QByteArray &salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, pin.toUtf8(), salt,
                                              iterations, HashBytes);
}

QByteArray randomSalt()
{
    QList<quint32> words(SaltBytes / sizeof(quint32));
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char *>(words.constData()), SaltBytes);
}

// A stored text taken apart, when it is one of ours.
struct Stored {
    int iterations;
    QByteArray salt;
    QByteArray expected;
};

std::optional<Stored> parsed(const QString &stored)
{
    const QStringList parts = stored.split(u':');
    if (parts.size() != 4 || parts[0] != method)
        return std::nullopt;
    bool ok = false;
    Stored hash{parts[1].toInt(&ok), QByteArray::fromBase64(parts[2].toLatin1()),
                QByteArray::fromBase64(parts[3].toLatin1())};
    if (!ok || hash.iterations < 1 || hash.iterations > MostIterations || hash.salt.isEmpty() ||
        hash.expected.size() != HashBytes)
        return std::nullopt;
    return hash;
}

bool equalInConstantTime(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

namespace Pin
{

QString hash(const QString &pin, int iterations)
{
    const QByteArray salt = randomSalt();
    return QStringList{method, QString::number(iterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(pin, salt, iterations).toBase64())}
        .join(u':');
}

bool isOurs(const QString &stored)
{
    return parsed(stored).has_value();
}

bool matches(const QString &pin, const QString &stored)
{
    const std::optional<Stored> hash = parsed(stored);
    return hash && equalInConstantTime(derive(pin, hash->salt, hash->iterations), hash->expected);
}

} // namespace Pin
