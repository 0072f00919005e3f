#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>

// The identity of a new display object: year, month, day, hour, minute, second
// and millisecond of the local time, then the tick count, in lower-case
// hexadecimal (4 digits each, 8 for the tick count) joined with "_".
// Identities made within the same millisecond still differ: the tick part is
// moved on past the last one handed out.
QString MakeObjectId();

// The same from a given time and tick count, without the uniqueness step.
QString FormatObjectId(const QDateTime& when, std::uint32_t tick);
