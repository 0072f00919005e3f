#pragma once

#include <QString>

// The options file config.ini in the data folder. Each call opens and closes
// the file; a write is on disk when it returns.

// Stores the integer of [section] key in value: 0 when the key is missing or
// not a number. When config.ini does not exist at all, value is left as it was
// and false is returned.
bool ReadConfigInt(const QString& section, const QString& key, int& value);

// Both create config.ini when needed; false when it cannot be written.
bool WriteConfigInt(const QString& section, const QString& key, int value);
bool WriteConfigString(const QString& section, const QString& key, const QString& value);
