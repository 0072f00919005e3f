#include "Devroll.h"

#include "devroll.h"

namespace {

std::uint8_t codeByte(int plcCode)
{
    return static_cast<std::uint8_t>(plcCode);
}

QByteArray copyText(const char* text)
{
    return text ? QByteArray(text) : QByteArray();
}

} // namespace

Devroll::Communication Devroll::Getcommunication(int plcCode)
{
    Communication c;
    c.result = ::Getcommunication(codeByte(plcCode), &c.baud, &c.dataBits, &c.stopBits, &c.parity, &c.extra);
    return c;
}

std::int32_t Devroll::block_GetPlcAddress(int plcCode)
{
    return ::block_GetPlcAddress(plcCode);
}

Devroll::StationRange Devroll::GetPlcAddress(int plcCode)
{
    std::uint8_t hex = 0;
    std::uint8_t editable = 0;
    StationRange r;
    ::GetPlcAddress(plcCode, &hex, &editable, &r.max, &r.min, &r.def);
    r.hex = hex != 0;
    r.editable = editable != 0;
    return r;
}

Devroll::AddressParts Devroll::block_Getcreateaddress(int plcCode, int kind)
{
    AddressParts parts{};
    ::block_Getcreateaddress(codeByte(plcCode), kind, &parts[0], &parts[1], &parts[2]);
    return parts;
}

std::int32_t Devroll::Get_Logic_defaultAdd123(int plcCode, int kind, int typeIndex, int part)
{
    return ::Get_Logic_defaultAdd123(codeByte(plcCode), kind, typeIndex, part);
}

std::int32_t Devroll::Get_NUM_defaultAdd123(int plcCode, int kind, int typeIndex, int part)
{
    return ::Get_NUM_defaultAdd123(codeByte(plcCode), kind, typeIndex, part);
}

Devroll::AddressParts Devroll::numericDefaultAddress(int plcCode, int kind, int typeIndex)
{
    return {Get_NUM_defaultAdd123(plcCode, kind, typeIndex, 1),
            Get_NUM_defaultAdd123(plcCode, kind, typeIndex, 2),
            Get_NUM_defaultAdd123(plcCode, kind, typeIndex, 3)};
}

std::int32_t Devroll::Get_Logic_count(int plcCode, int kind)
{
    return ::Get_Logic_count(codeByte(plcCode), kind);
}

QByteArray Devroll::Get_Logic_caption(int plcCode, int kind, int typeIndex)
{
    const char* caption = nullptr;
    ::Get_Logic_caption(codeByte(plcCode), kind, typeIndex, &caption);
    return copyText(caption);
}

std::int32_t Devroll::Get_numeric_count(int plcCode, int kind)
{
    return ::Get_numeric_count(codeByte(plcCode), kind);
}

QByteArray Devroll::Get_numeric_caption(int plcCode, int kind, int typeIndex)
{
    const char* caption = nullptr;
    ::Get_numeric_caption(codeByte(plcCode), kind, typeIndex, &caption);
    return copyText(caption);
}

Devroll::RegisterCount Devroll::Get_numeric_regiers_deflaut(int plcCode, int kind, int typeIndex)
{
    std::int32_t editable = 0;
    RegisterCount r;
    ::Get_numeric_regiers_deflaut(codeByte(plcCode), kind, typeIndex, &editable, &r.def, &r.max, &r.min);
    r.editable = editable != 0;
    return r;
}

Devroll::ValueRange Devroll::Get_numeric_ValueMinMax(int plcCode, int kind, int typeIndex, int count,
                                                     int numberFormat)
{
    ValueRange r;
    ::Get_numeric_ValueMinMax(codeByte(plcCode), kind, typeIndex, count,
                              static_cast<std::uint8_t>(numberFormat), &r.min, &r.max);
    return r;
}

bool Devroll::GetFtext_postfixbool(int plcCode, int kind)
{
    return ::GetFtext_postfixbool(codeByte(plcCode), kind) != 0;
}

std::int32_t Devroll::Getokplccount()
{
    return ::Getokplccount();
}

std::uint8_t Devroll::Pack_Logic_code(int plcCode, int kind, std::uint8_t addrType)
{
    return ::Pack_Logic_code(codeByte(plcCode), kind, addrType);
}

std::uint8_t Devroll::Pack_numeric_code(int plcCode, int kind, std::uint8_t addrType)
{
    return ::Pack_numeric_code(codeByte(plcCode), kind, addrType);
}

std::int32_t Devroll::GetMaddress1code(int plcCode, int kind, int typeIndex, std::int32_t selector)
{
    return ::GetMaddress1code(codeByte(plcCode), kind, typeIndex, selector);
}

std::int32_t Devroll::GetDaddress1code(int plcCode, int kind, int typeIndex, std::uint32_t address)
{
    return ::GetDaddress1code(codeByte(plcCode), kind, typeIndex, address);
}

Devroll::PackedAddress Devroll::Driver_PackAddress(int family, int plcCode, int role, int typeIndex,
                                                   std::uint32_t add1, std::uint32_t add2, std::uint32_t add3)
{
    PackedAddress p;
    p.result = ::Driver_PackAddress(family, plcCode, role, typeIndex, add1, add2, add3, &p.storeType,
                                    &p.storeAdd1, &p.storeAdd2, &p.storeAdd3, &p.typeValue, &p.sendType,
                                    &p.sendPart2, &p.sendPart3, &p.address, &p.part2, &p.part3);
    return p;
}

std::int32_t Devroll::Driver_PackDjcqcount(int family, int plcCode, int role, int typeIndex,
                                           std::uint32_t address)
{
    return ::Driver_PackDjcqcount(family, plcCode, role, typeIndex, address);
}
