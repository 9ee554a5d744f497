#include "document/layouttext.h"

#include <QFile>
#include <QSaveFile>

// How the layout text is stored: scrambled, as UTF-16LE without a byte order
// mark.

namespace zorvan {

QString ScrambleLayoutText(const QString &plain)
{
    QString stored(plain.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(stored.data());
    qsizetype n = 0;
    for (qsizetype i = plain.size() - 1; i >= 0; --i) {
        const char16_t c = plain[i].unicode();
        if (c != u'~')
            out[n++] = static_cast<char16_t>(c + 1);
    }
    stored.truncate(n);
    return stored;
}

QString UnscrambleLayoutText(const QString &stored)
{
    // A scrambled text starts with what its closing '>' became.
    if (stored.isEmpty() || stored[0] != u'?')
        return stored;
    const qsizetype size = stored.size();
    QString plain(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(plain.data());
    for (qsizetype i = 0; i < size; ++i)
        out[i] = static_cast<char16_t>(stored[size - 1 - i].unicode() - 1);
    return plain;
}

QString DecodeLayoutBytes(const QByteArray &bytes)
{
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.constData());
    for (qsizetype i = 0; i < units; ++i)
        out[i] = static_cast<char16_t>(in[2 * i] | (in[2 * i + 1] << 8));
    return text;
}

QString DecodeStoredLayout(const QByteArray &bytes)
{
    const qsizetype units = bytes.size() / 2;
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto unitAt = [in](qsizetype i) { return static_cast<char16_t>(in[2 * i] | (in[2 * i + 1] << 8)); };
    if (units == 0 || unitAt(0) != u'?')
        return DecodeLayoutBytes(bytes);
    // Decoding and unscrambling in one pass spares a copy of a large text.
    QString text(units, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < units; ++i)
        out[i] = static_cast<char16_t>(unitAt(units - 1 - i) - 1);
    return text;
}

QByteArray EncodeLayoutBytes(const QString &text)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    auto *out = reinterpret_cast<unsigned char *>(bytes.data());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        out[2 * i] = static_cast<unsigned char>(c & 0xFF);
        out[2 * i + 1] = static_cast<unsigned char>(c >> 8);
    }
    return bytes;
}

bool ReadLayoutTextFile(const QString &path, QString *plainText, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot be opened: %1").arg(file.errorString());
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("cannot be read: %1").arg(file.errorString());
        return false;
    }
    if (plainText)
        *plainText = DecodeStoredLayout(bytes);
    return true;
}

bool WriteLayoutTextFile(const QString &path, const QString &plainText, QString *error)
{
    // Written beside the target and renamed over it, so a failed write never
    // leaves half a layout behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("cannot be created: %1").arg(file.errorString());
        return false;
    }
    const QByteArray bytes = EncodeLayoutBytes(ScrambleLayoutText(plainText));
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot be written: %1").arg(file.errorString());
        return false;
    }
    return true;
}

} // namespace zorvan
