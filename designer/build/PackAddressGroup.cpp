#include "PackAddressGroup.h"

#include "Devroll.h"
#include "TRecordBytes.h"

#include <array>

namespace {

constexpr int AlarmRole = 6;

// The three address words before the catalogue override.
std::array<std::int64_t, 3> addressWords(const TRecordBytes& record, const TAddressUse& use,
                                         const TPlcAddress& a)
{
    const int plc = record.context().plcCode;
    const auto m = [&](std::int64_t selector) {
        return Devroll::GetMaddress1code(plc, use.kind, int(a.addrType), std::int32_t(selector));
    };
    const auto high = [](std::int64_t v) {
        return (std::uint32_t(v) >> 16) & 0xFFFF;
    };
    const auto low = [](std::int64_t v) {
        return std::uint32_t(v) & 0xFFFF;
    };
    switch (plc) {
    case 20:
        if (use.word)
            return {Devroll::GetDaddress1code(plc, use.kind, int(a.addrType), std::uint32_t(a.addr1)), 0, 0};
        return {m(a.addr1), 0, 0};
    case 19:
        return {use.word ? a.addrType : 0, high(a.addr1), low(a.addr1)};
    case 18:
        return {a.addr1, a.addrType, a.addr2};
    case 16:
        return {m(use.word ? 1 : 0), a.addr1, a.addr2};
    case 10:
    case 11:
    case 12:
    case 13:
    case 17:
        return {a.addr1, m(use.word ? 1 : 0), a.addr2};
    default:
        return {use.word ? a.addr1 : m(a.addr1), a.addr2, a.addr3};
    }
}

// The group before it is written: the catalogue override may replace a word
// that would not fit on its own.
struct TGroup
{
    std::int64_t type = 0;
    std::array<std::int64_t, 3> words{};
};

// storeType / storeAdd numbering: 1 and 2 name W1 and W2, anything else W3.
int wordIndex(int n)
{
    return n == 1 || n == 2 ? n - 1 : 2;
}

void setLowByte(std::int64_t& word, std::int64_t value, bool clearHigh)
{
    word = (clearHigh ? 0 : word & ~std::int64_t(0xFF)) | (value & 0xFF);
}

void applyOverride(TGroup& g, const TRecordBytes& record, const TAddressUse& use, const TPlcAddress& a)
{
    const int plc = record.context().plcCode;
    const Devroll::PackedAddress p =
        Devroll::Driver_PackAddress(use.word ? 1 : 0, plc, use.role, int(a.addrType), std::uint32_t(a.addr1),
                                    std::uint32_t(a.addr2), std::uint32_t(a.addr3));
    if (p.result <= 0)
        return;
    const bool typeInWord = p.storeType >= 1 && p.storeType <= 3;
    const auto setType = [&](std::int64_t value, bool clearHigh) {
        if (typeInWord)
            setLowByte(g.words[wordIndex(p.storeType)], value, clearHigh);
        else
            g.type = value & 0xFF;
    };
    setType(p.typeValue, use.role == AlarmRole);
    g.words[wordIndex(p.storeAdd1)] = p.address;
    if (p.sendPart2 != 0)
        g.words[wordIndex(p.storeAdd2)] = p.part2;
    if (p.sendPart3 != 0)
        g.words[wordIndex(p.storeAdd3)] = p.part3;
    if (use.word && (plc == 26 || plc == 27))
        setType(FunctionBlockTypeCode(a.addrType, use.blockSecond, use.blockFallback), false);
}

} // namespace

int FunctionBlockTypeCode(std::int64_t addrType, std::int64_t second, int fallback)
{
    if (addrType >= 0 && addrType <= 4)
        return second == 1 ? 2 : 3;
    if (addrType == 5)
        return second == 1 ? 0 : 1;
    if (addrType == 6)
        return 4;
    if (addrType == 7)
        return 5;
    return fallback;
}

int PackAddressGroup(TRecordBytes& record, const TAddressUse& use, const TPlcAddress& a)
{
    if (a.station < 0 || a.station > 0xFF)
        record.fail(QStringLiteral("station number %1 is outside 0..255").arg(a.station));
    if (a.addrType < 0 || a.addrType > 0xFF)
        record.fail(QStringLiteral("address type %1 is outside 0..255").arg(a.addrType));
    for (const std::int64_t part : {a.addr1, a.addr2, a.addr3})
        if (part < INT32_MIN || part > std::int64_t(UINT32_MAX))
            record.fail(QStringLiteral("address part %1 does not fit 32 bits").arg(part));
    const int plc = record.context().plcCode;
    const auto type = std::uint8_t(a.addrType);
    TGroup g;
    g.type = use.word ? Devroll::Pack_numeric_code(plc, use.kind, type)
                      : Devroll::Pack_Logic_code(plc, use.kind, type);
    g.words = addressWords(record, use, a);
    applyOverride(g, record, use, a);
    const int group = record.size();
    record.u8(a.station);
    record.u8(g.type);
    // A word that would not reach the panel as it is meant is refused rather
    // than cut to 16 bits, which would address another place in the PLC.
    for (int i = 0; i < 3; ++i) {
        if (g.words[i] < 0 || g.words[i] > 0xFFFF)
            record.fail(
                QStringLiteral("address word W%1 = %2 does not fit 16 bits").arg(i + 1).arg(g.words[i]));
        record.u16(g.words[i]);
    }
    return group;
}
