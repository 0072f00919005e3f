#pragma once

#include "PartDescriptor.h"

#include <cstdint>
#include <span>

// The PLC models compiled into the library (codes 0 to 20 and 125): their
// communication defaults, station numbers, driver versions, the bit and word
// address types offered to each object kind, and the area codes the image
// builder asks for. No catalogue file is involved.
class BuiltinModels
{
public:
    struct Model
    {
        std::int32_t code = 0;
        std::int32_t baud = 9600;
        std::int32_t dataBits = 8;
        std::int32_t stopBits = 1;
        std::int32_t parity = 0; // 0 none, 1 odd, 2 even
        std::uint8_t stationEditable = 0;
        std::int32_t stationMin = 0;
        std::int32_t stationMax = 255;
        std::int32_t stationDefault = 0;
        double driverVersion = 1.0;
    };

    // add3 of every built-in type is hidden with all numbers 0.
    struct BitType
    {
        const char* caption = nullptr;
        PartDescriptor add1{};
        PartDescriptor add2{};
    };

    struct WordType
    {
        const char* caption = nullptr;
        PartDescriptor add1{};
        PartDescriptor add2{};
        CountDescriptor count{};
    };

    static bool isBuiltin(int code) { return (code >= 0 && code <= 20) || code == 125; }

    // The model row of a built-in code, null for any other code.
    static const Model* model(int code);

    // The types offered to a kind, in type index order; empty when the model
    // offers none (or the code is not built in).
    static std::span<const BitType> bitTypes(int code, int kind);
    static std::span<const WordType> wordTypes(int code, int kind);
    // The caption answered for a bit type index the kind does not offer.
    static const char* missingBitCaption(int code, int kind);

    // Whether a register of the type accepts input on the panel; decided by
    // the code and the type index alone, whatever the kind.
    static bool valueEditable(int code, int typeIndex);
    // The width in bits of a value held in `count` registers of the type.
    static std::int64_t valueWidth(int code, int typeIndex, std::int64_t count);

    // The area code of a bit address type for the download image
    // (GetMaddress1code); the selector itself unless a model rule applies.
    static std::int32_t areaCode(int code, int kind, int typeIndex, std::int32_t selector);
    // The register number a word address is sent as (GetDaddress1code);
    // only code 20 translates.
    static std::int32_t registerCode(int code, int typeIndex, std::uint32_t address);
};
