#include "users/password.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QPasswordDigestor>
#include <QRandomGenerator>

namespace {

const char kScheme[] = "pbkdf2-sha256";
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;
// A hand-edited row must not make a login hang: counts above this are not a hash text.
constexpr int kMaxIterations = 10000000;

struct PasswordHash {
    int iterations = 0;
    QByteArray salt;
    QByteArray hash;
};

QByteArray derive(const QString& password, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(
        QCryptographicHash::Sha256, password.toUtf8(), salt, iterations, kHashBytes);
}

// Splits a stored text into its parts; false for anything that is not a complete hash text.
// A hash text is longer than the 31 bytes older files allowed for a clear password, so no
// such password is ever taken for one.
bool parse(const QString& stored, PasswordHash* out)
{
    const QList<QStringView> parts = QStringView(stored).split(u'$');
    if (parts.size() != 4 || parts[0] != QLatin1String(kScheme))
        return false;
    bool ok = false;
    out->iterations = parts[1].toInt(&ok);
    if (!ok || out->iterations < 1 || out->iterations > kMaxIterations)
        return false;
    const auto decode = [](QStringView text, QByteArray* bytes) {
        const auto result = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        *bytes = result.decoded;
        return result.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
    };
    return decode(parts[2], &out->salt) && out->salt.size() >= kSaltBytes && decode(parts[3], &out->hash)
        && out->hash.size() == kHashBytes;
}

// Compares without stopping at the first difference, so the time taken says nothing about
// how much of the hash was right.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    uchar difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= uchar(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

QString hashPassword(const QString& password)
{
    quint32 words[kSaltBytes / sizeof(quint32)];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray salt(reinterpret_cast<const char*>(words), sizeof words);
    const QByteArray hash = derive(password, salt, kPasswordIterations);
    return QStringLiteral("%1$%2$%3$%4")
        .arg(QLatin1String(kScheme))
        .arg(kPasswordIterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(hash.toBase64()));
}

bool isPasswordHash(const QString& stored)
{
    PasswordHash parsed;
    return parse(stored, &parsed);
}

bool passwordMatches(const QString& stored, const QString& typed)
{
    PasswordHash parsed;
    if (!parse(stored, &parsed))
        return stored == typed;
    return sameBytes(derive(typed, parsed.salt, parsed.iterations), parsed.hash);
}
