#pragma once

#include <QChar>
#include <QDateTime>
#include <QString>

// The user's regional settings as the program uses them.

// First character of the regional decimal separator, "." when there is none.
// Read once, on first use, and kept for the rest of the run.
QChar DecimalSeparator();

// Date and time in the regional short date format with hours, minutes and
// seconds, as the log lines carry them.
QString RegionalDateTimeText(const QDateTime& when);
