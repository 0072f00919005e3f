#pragma once

#include <cstdint>

class TRecordBytes;

// An object's PLC address as the model holds it.
struct TPlcAddress
{
    std::int64_t station = 0;
    std::int64_t addrType = 0;
    std::int64_t addr1 = 0;
    std::int64_t addr2 = 0;
    std::int64_t addr3 = 0;
};

// How a record uses its address: bit or word, the kind devroll is asked for,
// the role the catalogue encoders know the record by, and for the
// function-block models (codes 26 and 27) the second value and fallback of
// the type code that replaces the catalogue's.
struct TAddressUse
{
    bool word = false;
    int kind = 0;
    int role = 0;
    std::int64_t blockSecond = 0;
    int blockFallback = 0;
};

// The type code of a function-block model's address: from the address type
// and a second value, or the fallback for an unknown type.
int FunctionBlockTypeCode(std::int64_t addrType, std::int64_t second, int fallback);

// Appends the 8-byte address group (station, address type code, W1, W2, W3)
// for the project's PLC code, with a catalogue model's override applied.
// Returns the offset of the group in the record.
int PackAddressGroup(TRecordBytes& record, const TAddressUse& use, const TPlcAddress& address);
