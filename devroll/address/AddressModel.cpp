#include "AddressModel.h"

#include "BuiltinModels.h"
#include "Catalogue.h"
#include "ObjectKinds.h"

#include <cstdint>

namespace AddressModel {

namespace {

// Ranges reported for a type that cannot be found (and for kind 420 on
// catalogue models).
constexpr std::int32_t neutralBitMax = 65535;
constexpr std::int32_t neutralWordMax = 9999;

// Built-in codes never consult the catalogue, even if a record carries one.
const TZd740drive* catalogueRecord(int code)
{
    return isBuiltin(code) ? nullptr : Catalogue::instance().find(code);
}

const TdrivevalueL* catalogueBitType(int code, int kind, int typeIndex)
{
    const TZd740drive* record = catalogueRecord(code);
    return record ? record->bitType(kind, typeIndex) : nullptr;
}

const TdrivevalueD* catalogueWordType(int code, int kind, int typeIndex)
{
    const TZd740drive* record = catalogueRecord(code);
    return record ? record->wordType(kind, typeIndex) : nullptr;
}

template <typename T> const T* builtinType(std::span<const T> types, int typeIndex)
{
    return typeIndex >= 0 && std::size_t(typeIndex) < types.size() ? &types[std::size_t(typeIndex)] : nullptr;
}

template <typename T> AddressDescriptor builtinDescriptor(const T& type)
{
    AddressDescriptor d;
    d.parts[0] = type.add1;
    d.parts[1] = type.add2;
    return d;
}

// The panel holds at most 32 bits per value: anything wider than a single
// register gets the 32-bit range, and anything narrower the 8-bit range.
std::pair<std::int64_t, std::int64_t> rangeForWidth(std::int64_t width, bool isSigned)
{
    using Range = std::pair<std::int64_t, std::int64_t>;
    if (width > 16)
        return isSigned ? Range{INT32_MIN, INT32_MAX} : Range{0, UINT32_MAX};
    if (width == 16)
        return isSigned ? Range{INT16_MIN, INT16_MAX} : Range{0, UINT16_MAX};
    return isSigned ? Range{INT8_MIN, INT8_MAX} : Range{0, UINT8_MAX};
}

} // namespace

bool isBuiltin(int code)
{
    return BuiltinModels::isBuiltin(code);
}

std::int32_t communication(int code, CommSettings& out)
{
    out = CommSettings{};
    if (const BuiltinModels::Model* model = BuiltinModels::model(code)) {
        out.baud = model->baud;
        out.dataBits = model->dataBits;
        out.stopBits = model->stopBits;
        out.parity = model->parity;
        return 1;
    }
    const TZd740drive* record = catalogueRecord(code);
    if (!record)
        return -1;
    out.baud = record->BaudRate;
    out.dataBits = record->DataBits;
    out.stopBits = record->StopBits;
    out.parity = record->Parity;
    out.extra = record->CommExtra;
    return 1;
}

StationRange stationRange(int code)
{
    StationRange range;
    if (const BuiltinModels::Model* model = BuiltinModels::model(code)) {
        range.editable = model->stationEditable;
        range.min = model->stationMin;
        range.max = model->stationMax;
        range.def = model->stationDefault;
        return range;
    }
    const TZd740drive* record = catalogueRecord(code);
    if (!record) {
        range.found = false;
        return range;
    }
    range.hex = record->StationRadix == 1 ? 1 : 0;
    range.editable = record->StationEditable;
    range.min = record->StationMin;
    range.max = record->StationMax;
    range.def = record->StationDefault;
    return range;
}

double driverVersion(int code)
{
    const BuiltinModels::Model* model = BuiltinModels::model(code);
    return model ? model->driverVersion : -1.0;
}

std::int32_t logicCount(int code, int kind)
{
    if (isBuiltin(code))
        return std::int32_t(BuiltinModels::bitTypes(code, kind).size());
    if (kind == ObjectKind::MessageDisplay)
        return 1;
    const TZd740drive* record = catalogueRecord(code);
    return record ? record->bitTypeCount(kind) : 0;
}

QByteArray logicCaption(int code, int kind, int typeIndex)
{
    if (isBuiltin(code)) {
        const auto* type = builtinType(BuiltinModels::bitTypes(code, kind), typeIndex);
        return type ? type->caption : BuiltinModels::missingBitCaption(code, kind);
    }
    if (kind == ObjectKind::MessageDisplay)
        return "M";
    const TdrivevalueL* type = catalogueBitType(code, kind, typeIndex);
    return type ? type->Name : QByteArray("M");
}

AddressDescriptor logicAddress(int code, int kind, int typeIndex)
{
    if (isBuiltin(code)) {
        const auto* type = builtinType(BuiltinModels::bitTypes(code, kind), typeIndex);
        return type ? builtinDescriptor(*type) : AddressDescriptor::neutral(neutralBitMax);
    }
    if (kind == ObjectKind::MessageDisplay)
        return AddressDescriptor::neutral(neutralBitMax);
    const TdrivevalueL* type = catalogueBitType(code, kind, typeIndex);
    return type ? AddressDescriptor::fromType(*type) : AddressDescriptor::neutral(neutralBitMax);
}

std::int32_t logicDefaultPart(int code, int /*kind*/, int /*typeIndex*/, int part)
{
    // Codes 10, 11 and 125 count bit addresses from 1.
    return part == 1 && (code == 10 || code == 11 || code == 125) ? 1 : 0;
}

std::int32_t maddress1code(int code, int kind, int typeIndex, int selector)
{
    return isBuiltin(code) ? BuiltinModels::areaCode(code, kind, typeIndex, selector) : selector;
}

std::array<std::int32_t, 3> createAddress(int code, int kind)
{
    using namespace ObjectKind;
    const bool countsFromOne = (kind == AlarmList && (code == 10 || code == 11)) ||
                               (code == 125 && (kind == Lamp || kind == AlarmList));
    return {countsFromOne ? 1 : 0, 0, 0};
}

std::int32_t numericCount(int code, int kind)
{
    if (isBuiltin(code))
        return std::int32_t(BuiltinModels::wordTypes(code, kind).size());
    const TZd740drive* record = catalogueRecord(code);
    return record ? record->wordTypeCount(kind) : 0;
}

QByteArray numericCaption(int code, int kind, int typeIndex)
{
    if (isBuiltin(code)) {
        const auto* type = builtinType(BuiltinModels::wordTypes(code, kind), typeIndex);
        return type ? type->caption : "D";
    }
    const TdrivevalueD* type = catalogueWordType(code, kind, typeIndex);
    return type ? type->Name : QByteArray("D");
}

AddressDescriptor numericAddress(int code, int kind, int typeIndex)
{
    if (isBuiltin(code)) {
        const auto* type = builtinType(BuiltinModels::wordTypes(code, kind), typeIndex);
        return type ? builtinDescriptor(*type) : AddressDescriptor::neutral(neutralWordMax);
    }
    const TdrivevalueD* type = catalogueWordType(code, kind, typeIndex);
    return type ? AddressDescriptor::fromType(*type) : AddressDescriptor::neutral(neutralWordMax);
}

CountDescriptor countDescriptor(int code, int kind, int typeIndex)
{
    if (isBuiltin(code)) {
        const auto* type = builtinType(BuiltinModels::wordTypes(code, kind), typeIndex);
        return type ? type->count : CountDescriptor{};
    }
    const TdrivevalueD* type = catalogueWordType(code, kind, typeIndex);
    if (!type)
        return {};
    return {type->CountEditable ? 1 : -1, type->CountDefault, type->CountMax, type->CountMin};
}

std::uint8_t valueEditable(int code, int kind, int typeIndex)
{
    if (isBuiltin(code))
        return BuiltinModels::valueEditable(code, typeIndex) ? 1 : 0;
    // Without a type there is nothing a value could be written to.
    const TdrivevalueD* type = catalogueWordType(code, kind, typeIndex);
    return type ? type->ValueEditable : 0;
}

std::pair<std::int64_t, std::int64_t> valueRange(int code, int kind, int typeIndex, int count,
                                                 int numberFormat)
{
    const std::int64_t registersWidth = 16 * std::int64_t(count);
    std::int64_t width = registersWidth;
    if (isBuiltin(code)) {
        width = BuiltinModels::valueWidth(code, typeIndex, count);
    } else if (const TdrivevalueD* type = catalogueWordType(code, kind, typeIndex)) {
        width = type->CountEditable ? registersWidth : type->DataBits;
    }
    const bool isSigned = numberFormat != 0 && numberFormat != 1;
    return rangeForWidth(width, isSigned);
}

std::int32_t numericDefaultPart(int code, int kind, int typeIndex, int part)
{
    // Codes 8 and 9 place new word objects at register 2000 octal, 1024 in decimal.
    if (isBuiltin(code))
        return code == 8 || code == 9 ? 1024 : 0;
    if (part < 1 || part > 3)
        return 0;
    const TdrivevalueD* type = catalogueWordType(code, kind, typeIndex);
    return type ? std::int32_t(type->Parts[std::size_t(part - 1)].DefValue) : 0;
}

std::int32_t daddress1code(int code, int /*kind*/, int typeIndex, std::uint32_t address)
{
    return isBuiltin(code) ? BuiltinModels::registerCode(code, typeIndex, address) : std::int32_t(address);
}

std::int32_t dpartypeToAddress(int code, std::int32_t value)
{
    // Code 20 marks C_double (type 5) as a two-register counter.
    if (code == 20)
        return value == 5 ? 1 : 0;
    return value;
}

std::uint8_t postfixFlag(int code, int kind)
{
    return code == 125 && kind == ObjectKind::Register ? 1 : 0;
}

} // namespace AddressModel
