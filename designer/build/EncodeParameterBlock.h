#pragma once

#include "TScreenAddresses.h"

#include <QByteArray>
#include <cstdint>

class TProgramObj;

// Offsets in the 100-byte parameter block of the addresses filled in when the
// image is put together.
namespace ParameterOffset {
constexpr int AlarmList = 0;
constexpr int JumpTable = 23;
constexpr int AlarmPageTable = 25;
} // namespace ParameterOffset

// The screen the panel starts with: InitialScreen when a screen has that
// number, else the first screen of the project.
std::int32_t StartScreenNo(const TProgramObj& project);

// The 100-byte parameter block of the panel settings, its table addresses 0.
// The project is only read: the screen saver's show-screen flag goes to the
// panel as 0 and a PLC code 3 wait time below 100 as 100, whatever the
// project holds. A baud rate the panel has no code for, or a wait time that
// does not fit 16 bits, raises EEncodeError.
QByteArray EncodeParameterBlock(const TProgramObj& project, const TScreenAddresses& screens,
                                bool usesPassword);
