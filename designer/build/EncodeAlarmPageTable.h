#pragma once

#include "TScreenAddresses.h"

#include <QByteArray>
#include <QString>
#include <vector>

class TProgramObj;

// The alarm page table (block type 34): the first entry's bit address, then
// per entry whose text is a screen number that screen's number and address
// (the start screen's when no screen has it). An entry whose text is not a
// whole number 0..65535 is left out with the warning "data is not integer
// value!". Empty without entries.
QByteArray EncodeAlarmPageTable(const TProgramObj& project, const TScreenAddresses& screens,
                                std::vector<QString>& warnings);
