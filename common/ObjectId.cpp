#include "ObjectId.h"

#include "TickCount.h"

#include <QStringList>
#include <mutex>

QString FormatObjectId(const QDateTime& when, std::uint32_t tick)
{
    const QDate d = when.date();
    const QTime t = when.time();
    QStringList parts;
    for (int field : {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()})
        parts << QStringLiteral("%1").arg(field, 4, 16, QLatin1Char('0'));
    parts << QStringLiteral("%1").arg(tick, 8, 16, QLatin1Char('0'));
    return parts.join(u'_');
}

QString MakeObjectId()
{
    static std::mutex guard;
    static QDateTime lastTime;
    static std::uint32_t lastTick = 0;

    const std::lock_guard lock(guard);
    const QDateTime now = QDateTime::currentDateTime();
    std::uint32_t tick = GetTickCount();
    // Two identities within one millisecond would be equal; move the tick on.
    if (lastTime.isValid() && now.toMSecsSinceEpoch() == lastTime.toMSecsSinceEpoch() && tick <= lastTick)
        tick = lastTick + 1;
    lastTime = now;
    lastTick = tick;
    return FormatObjectId(now, tick);
}
