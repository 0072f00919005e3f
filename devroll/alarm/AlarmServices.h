#pragma once

#include "PartDescriptor.h"

#include <QByteArray>
#include <array>
#include <cstdint>

// The alarm list's view of the bit address types: built-in tables for codes
// 0 to 20 and 125, the catalogue record's bit types with ForAlarm = 1 for the
// other codes.
namespace AlarmServices {

std::int32_t mcount(int code);                       // Alarm_GetMcount
QByteArray mcaption(int code, int typeIndex);        // Alarm_GetMcaption, "M" when none
QByteArray alarmCaption(int code, int typeIndex);    // Alarm_GetALARMcaption
AddressDescriptor mAddress(int code, int typeIndex); // Alarm_GetM_Address
std::int32_t rowMaxCount(int code, int typeIndex);   // GetALMmrowMaxcount
std::int32_t maxType(int code, int typeIndex);       // GetALMMaxtype
// GetALMMaxAddress: 1 and the maximum address parts, or -1 with out untouched.
std::int32_t maxAddress(int code, int typeIndex, std::array<std::int32_t, 3>& out);
// GetALMmstr: the text (GBK) of the bit that alarm row `row` (0-based) watches.
QByteArray rowText(int code, int typeIndex, std::int64_t add1, std::int64_t add2, std::int64_t add3,
                   std::int32_t row);

} // namespace AlarmServices
