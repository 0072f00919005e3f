#include "DasCursor.h"

QByteArray DasCursor::text(const char* name)
{
    const qint64 start = pos_;
    const qint64 length = number<quint16>(name);
    if (length + 1 > remaining())
        stop(Problem::EndsEarly, start, name,
             QStringLiteral("a text of %1 bytes does not fit in the %2 bytes left")
                 .arg(length)
                 .arg(remaining()));
    const QByteArray value(bytes_.constData() + pos_, qsizetype(length));
    pos_ += length;
    if (bytes_.at(qsizetype(pos_)) != '\0')
        stop(Problem::Damaged, pos_, name, QStringLiteral("the text is not followed by a zero byte"));
    ++pos_;
    return value;
}

QByteArray DasCursor::bytes(qint64 count, const char* name)
{
    const char* at = take(count, name);
    return QByteArray(at, qsizetype(count));
}

void DasCursor::skip(qint64 count, const char* name)
{
    take(count, name);
}

qint32 DasCursor::count(const char* name, qint64 minSize)
{
    const qint64 start = pos_;
    const qint32 n = number<qint32>(name);
    if (n < 0)
        stop(Problem::Damaged, start, name, QStringLiteral("the count %1 is negative").arg(n));
    if (n * minSize > remaining())
        stop(Problem::EndsEarly, start, name,
             QStringLiteral("a count of %1 needs at least %2 bytes, %3 are left")
                 .arg(n)
                 .arg(n * minSize)
                 .arg(remaining()));
    return n;
}

void DasCursor::stop(Problem problem, qint64 offset, const char* name, const QString& detail) const
{
    throw Stop{problem, offset, prefix_ + QLatin1String(name), detail};
}

const char* DasCursor::take(qint64 size, const char* name)
{
    if (size < 0)
        stop(Problem::Damaged, pos_, name, QStringLiteral("a length of %1 bytes").arg(size));
    if (size > remaining())
        stop(Problem::EndsEarly, pos_, name,
             QStringLiteral("%1 bytes are needed, %2 are left").arg(size).arg(remaining()));
    const char* at = bytes_.constData() + pos_;
    pos_ += size;
    return at;
}
