#pragma once

#include <QByteArray>

class TProgramObj;

// The alarm list block (block type 32): buzzer and backlight flags, the first
// alarm's address (the panel watches consecutive bits from there), then each
// alarm's text as a dot image. Empty when the project has no alarms.
QByteArray EncodeAlarmList(const TProgramObj& project);
