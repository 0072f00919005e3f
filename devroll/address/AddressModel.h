#pragma once

#include "PartDescriptor.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <utility>

// Every address question Designer asks about a PLC model, answered from the
// built-in tables (codes 0 to 20 and 125) or from the catalogue record whose
// PlcID is the code (all other codes). Kinds are the object kind codes
// (ObjectKind); typeIndex counts in the list of types offered to the kind.
// Unknown codes, kinds and type indexes give the "not found" answers noted.
namespace AddressModel {

bool isBuiltin(int code); // 0 to 20 and 125

// Communication defaults (Getcommunication).
struct CommSettings
{
    std::int32_t baud = 9600;
    std::int32_t dataBits = 8;
    std::int32_t stopBits = 1;
    std::int32_t parity = 0; // 0 none, 1 odd, 2 even
    std::int32_t extra = 0;
    friend bool operator==(const CommSettings&, const CommSettings&) = default;
};
// 1 with the model's settings; -1 with the preset ones when no record has the code.
std::int32_t communication(int code, CommSettings& out);

// Station number range (GetPlcAddress). found is false for a catalogue code
// without a record; the other fields then keep their presets (editable 0).
struct StationRange
{
    std::uint8_t hex = 0;
    std::uint8_t editable = 0;
    std::int32_t max = 255;
    std::int32_t min = 0;
    std::int32_t def = 0;
    bool found = true;
    friend bool operator==(const StationRange&, const StationRange&) = default;
};
StationRange stationRange(int code);

// Built-in driver version, -1.0 for codes above 20 (and 125).
double driverVersion(int code);

// Bit address types (kinds 411, 412, 419, 420).
std::int32_t logicCount(int code, int kind);
QByteArray logicCaption(int code, int kind, int typeIndex); // "M" when there is none
AddressDescriptor logicAddress(int code, int kind, int typeIndex);
std::int32_t logicDefaultPart(int code, int kind, int typeIndex, int part);
std::int32_t maddress1code(int code, int kind, int typeIndex, int selector);
// Default add1, add2, add3 of a new object.
std::array<std::int32_t, 3> createAddress(int code, int kind);

// Word address types (kinds 412, 414 to 417).
std::int32_t numericCount(int code, int kind);
QByteArray numericCaption(int code, int kind, int typeIndex); // "D" when there is none
AddressDescriptor numericAddress(int code, int kind, int typeIndex);
CountDescriptor countDescriptor(int code, int kind, int typeIndex); // presets 1, 1, 2, 1
std::uint8_t valueEditable(int code, int kind, int typeIndex);
// The value range for a register count and number format (0 unsigned
// decimal, 1 hexadecimal or BCD, 2 signed decimal).
std::pair<std::int64_t, std::int64_t> valueRange(int code, int kind, int typeIndex, int count,
                                                 int numberFormat);
std::int32_t numericDefaultPart(int code, int kind, int typeIndex, int part);
std::int32_t daddress1code(int code, int kind, int typeIndex, std::uint32_t address);
std::int32_t dpartypeToAddress(int code, std::int32_t value);
std::uint8_t postfixFlag(int code, int kind);

// Catalogue encoder (Driver_PackAddress). Returns 1 with the outputs filled,
// 0 with nothing written when the record, the selector or the type is not
// found or the PackMode is unknown (or divides by zero).
struct PackedAddress
{
    std::uint8_t storeType = 0, storeAdd1 = 0, storeAdd2 = 0, storeAdd3 = 0;
    std::uint8_t typeValue = 0, sendType = 0, sendPart2 = 0, sendPart3 = 0;
    std::int32_t address = 0, part2 = 0, part3 = 0;
    bool partsWritten = false; // add2 and add3 outputs are written only in PackMode 0
    friend bool operator==(const PackedAddress&, const PackedAddress&) = default;
};
std::int32_t packAddress(int family, int code, int selector, int typeIndex, std::uint32_t add1,
                         std::uint32_t add2, std::uint32_t add3, PackedAddress& out);
// Driver_PackDjcqcount: the special register count at an address, or -1.
std::int32_t packDjcqcount(int code, int selector, int typeIndex, std::uint32_t address);

} // namespace AddressModel
