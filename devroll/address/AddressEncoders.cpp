// The catalogue encoders: how a catalogue model's address goes into the
// download image (Driver_PackAddress, Driver_PackDjcqcount).
#include "AddressModel.h"
#include "Catalogue.h"
#include "ObjectKinds.h"

#include <cmath>
#include <limits>
#include <optional>

namespace AddressModel {

namespace {

const TZd740drive* catalogueRecord(int code)
{
    return isBuiltin(code) ? nullptr : Catalogue::instance().find(code);
}

// Floor towards minus infinity, clamped to what 64-bit arithmetic holds; a
// factor that is not a number counts as 0. The factors come from catalogue
// files and may hold anything.
std::int64_t floorClamped(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double twoTo63 = 9223372036854775808.0;
    if (x >= twoTo63)
        return std::numeric_limits<std::int64_t>::max();
    if (x < -twoTo63)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(std::floor(x));
}

// Sums are formed modulo 2^64 (never signed overflow) and the panel keeps the
// low 32 bits.
std::uint64_t wrapping(std::int64_t x)
{
    return static_cast<std::uint64_t>(x);
}

std::int32_t low32(std::uint64_t x)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(x));
}

// The address the panel is sent for add1 (and add2) under the type's
// PackMode; nothing when the mode is unknown or its factors divide by zero.
std::optional<std::int32_t> encodedAddress(const Tdriveitem& type, std::uint32_t add1, std::uint32_t add2)
{
    const std::uint64_t c = wrapping(type.OffsetC);
    switch (type.PackMode) {
    case 0: // add1 + c
        return low32(add1 + c);
    case 1: // a * add1 + b * add2 + c
        return low32(wrapping(floorClamped(add1 * type.FactorA)) +
                     wrapping(floorClamped(add2 * type.FactorB)) + c);
    case 2: { // add1 / a + add1 % b + c
        const std::int64_t divisor = floorClamped(type.FactorA);
        const std::int64_t modulus = floorClamped(type.FactorB);
        if (divisor == 0 || modulus == 0)
            return std::nullopt;
        const std::int64_t x = add1; // never INT64_MIN, so neither operation overflows
        return low32(wrapping(x / divisor) + wrapping(x % modulus) + c);
    }
    case 3: { // (add1 - b) * a + c, the difference taken as unsigned 32 bits
        const std::uint32_t shifted = add1 - static_cast<std::uint32_t>(wrapping(floorClamped(type.FactorB)));
        return low32(wrapping(floorClamped(shifted * type.FactorA)) + c);
    }
    default:
        return std::nullopt;
    }
}

} // namespace

std::int32_t packAddress(int family, int code, int selector, int typeIndex, std::uint32_t add1,
                         std::uint32_t add2, std::uint32_t add3, PackedAddress& out)
{
    const TZd740drive* record = catalogueRecord(code);
    if (!record || (family != 0 && family != 1))
        return 0;
    const bool word = family == 1;
    const int kind = ObjectKind::fromSelector(word, selector);
    const Tdriveitem* type = word ? static_cast<const Tdriveitem*>(record->wordType(kind, typeIndex))
                                  : record->bitType(kind, typeIndex);
    if (!type)
        return 0;
    const std::optional<std::int32_t> address = encodedAddress(*type, add1, add2);
    if (!address)
        return 0;

    out.storeType = type->StorePos[0];
    out.storeAdd1 = type->StorePos[1];
    out.storeAdd2 = type->StorePos[2];
    out.storeAdd3 = type->StorePos[3];
    // With CodeIsIndex the panel identifies the type by its place in the
    // kind's own list, so one type may send different values per kind.
    out.typeValue = static_cast<std::uint8_t>(type->CodeIsIndex == 1 ? typeIndex : type->Code);
    out.sendType = 1;
    const Tdrivepart& part2 = type->Parts[1];
    const bool sendPart2 = part2.Visible && part2.Editable;
    out.sendPart2 = sendPart2 ? 1 : 0;
    out.sendPart3 = (word ? sendPart2 : part2.Visible && type->Parts[2].Editable) ? 1 : 0;
    out.address = *address;
    out.partsWritten = type->PackMode == 0;
    if (out.partsWritten) {
        out.part2 = static_cast<std::int32_t>(add2);
        out.part3 = static_cast<std::int32_t>(add3);
    }
    return 1;
}

std::int32_t packDjcqcount(int code, int selector, int typeIndex, std::uint32_t address)
{
    const TZd740drive* record = catalogueRecord(code);
    if (!record)
        return -1;
    const TdrivevalueD* type = record->wordType(ObjectKind::fromSelector(true, selector), typeIndex);
    if (type && type->LimitEnabled && address == type->LimitAddress)
        return type->LimitCount;
    return -1;
}

} // namespace AddressModel
