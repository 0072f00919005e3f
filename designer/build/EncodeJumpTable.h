#pragma once

#include "TScreenAddresses.h"

#include <QByteArray>

class TProgramObj;

// The screen jump table (block type 33): the jump word's address and format,
// then per entry the word's value and the address of the screen it selects
// (the start screen when no screen has that number). Empty without entries.
QByteArray EncodeJumpTable(const TProgramObj& project, const TScreenAddresses& screens);
