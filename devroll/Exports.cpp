// The C interface of libdevroll.so. Each export turns its arguments into a
// question for the catalogue, the address model or the alarm services and
// writes the answer through the caller's pointers. No exception crosses the
// boundary: anything unexpected gives the export's "not found" answer.

#define DEVROLL_BUILDING
#include "AddressModel.h"
#include "AlarmServices.h"
#include "Catalogue.h"
#include "GbkCodec.h"
#include "devroll.h"

#include <cstdio>
#include <cstring>

namespace {

// The one text buffer every text-returning export shares; the next such call
// overwrites it, so a caller copies the text at once. Large enough for any
// catalogue text (a stored string holds at most 65535 bytes) and its framing.
char textBuffer[65536 + 256];

const char* storeText(const QByteArray& text)
{
    const QByteArray fitted = GbkCodec::cutToBytes(text, int(sizeof textBuffer) - 1);
    std::memcpy(textBuffer, fitted.constData(), size_t(fitted.size()));
    textBuffer[fitted.size()] = '\0';
    return textBuffer;
}

void giveText(const char** out, const QByteArray& text)
{
    const char* stored = storeText(text);
    if (out)
        *out = stored;
}

template <typename T> void put(T* out, T value)
{
    if (out)
        *out = value;
}

// Runs an export's body; an exception gives the fallback answer instead.
template <typename Body, typename Result> Result guarded(Body body, Result fallback)
{
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

template <typename Body> void guarded(Body body)
{
    try {
        body();
    } catch (...) {
    }
}

intptr_t applicationHandle = 0;

void putDescriptor(const AddressDescriptor& d, uint8_t* enabled1, uint8_t* visible1, uint8_t* hex1,
                   int32_t* max1, int32_t* min1, int32_t* default1, uint8_t* enabled2, uint8_t* visible2,
                   uint8_t* hex2, int32_t* max2, int32_t* min2, int32_t* default2, uint8_t* enabled3,
                   uint8_t* visible3, uint8_t* hex3, int32_t* max3, int32_t* min3, int32_t* default3,
                   int32_t* radix1, int32_t* radix2, int32_t* radix3)
{
    uint8_t* enabled[] = {enabled1, enabled2, enabled3};
    uint8_t* visible[] = {visible1, visible2, visible3};
    uint8_t* hex[] = {hex1, hex2, hex3};
    int32_t* max[] = {max1, max2, max3};
    int32_t* min[] = {min1, min2, min3};
    int32_t* def[] = {default1, default2, default3};
    int32_t* radix[] = {radix1, radix2, radix3};
    for (size_t i = 0; i < 3; ++i) {
        const PartDescriptor& p = d.parts[i];
        put(enabled[i], p.enabled);
        put(visible[i], p.visible);
        put(hex[i], p.hex);
        put(max[i], p.max);
        put(min[i], p.min);
        put(def[i], p.def);
        put(radix[i], p.radix);
    }
}

} // namespace

extern "C" {

// ---- Catalogue and model list ----

int32_t Getokplccount(void)
{
    return guarded(
        [] {
            Catalogue& catalogue = Catalogue::instance();
            catalogue.scanDefault();
            catalogue.computeOptionIndexes();
            int32_t count = 0;
            for (const auto& record : catalogue.records())
                count += record ? 1 : 0;
            return count + 19;
        },
        int32_t(19));
}

uint8_t Getdevrollsoftwareversion(void)
{
    return 24;
}

uint8_t Getplccode(int32_t optionIndex)
{
    return guarded([&] { return Catalogue::instance().plcCodeAt(optionIndex); }, uint8_t(255));
}

int32_t Getplcitemindex(uint8_t code)
{
    return guarded([&] { return Catalogue::instance().optionIndexOf(code); }, int32_t(0));
}

uint8_t Drive_GetPlcItemCaption(uint8_t code, int32_t lang, const char** caption)
{
    return guarded(
        [&] {
            const TZd740drive* record = Catalogue::instance().find(code);
            giveText(caption, record ? record->caption(lang) : QByteArray());
            return uint8_t(record ? 1 : 255);
        },
        uint8_t(255));
}

uint8_t Drive_GetPlcHint(uint8_t code, int32_t lang, const char** hint)
{
    return guarded(
        [&] {
            const TZd740drive* record = Catalogue::instance().find(code);
            if (!record) {
                giveText(hint, {});
                return uint8_t(255);
            }
            char version[64];
            std::snprintf(version, sizeof version, " ver%2.2f]", record->History.Version);
            giveText(hint, '[' + record->caption(lang) + version);
            return uint8_t(1);
        },
        uint8_t(255));
}

int32_t Drive_GetSysbinID(int32_t code)
{
    return guarded(
        [&] {
            const TZd740drive* record = Catalogue::instance().find(code);
            if (!record)
                return int32_t(-1);
            return record->BasedOnOther ? record->BaseID : record->PlcID;
        },
        int32_t(-1));
}

double GetDriverVer(uint8_t code)
{
    return AddressModel::driverVersion(code);
}

// ---- Communication and station number ----

int32_t Getcommunication(uint8_t code, int32_t* baud, int32_t* dataBits, int32_t* stopBits, int32_t* parity,
                         int32_t* extra)
{
    AddressModel::CommSettings settings;
    const int32_t result = guarded([&] { return AddressModel::communication(code, settings); }, int32_t(-1));
    put(baud, settings.baud);
    put(dataBits, settings.dataBits);
    put(stopBits, settings.stopBits);
    put(parity, settings.parity);
    put(extra, settings.extra);
    return result;
}

uint8_t GetPlcAddress(int32_t code, uint8_t* hexFlag, uint8_t* editable, int32_t* max, int32_t* min,
                      int32_t* def)
{
    // A code without a record still gets defined answers: the presets, not editable.
    const AddressModel::StationRange station =
        guarded([&] { return AddressModel::stationRange(code); }, AddressModel::StationRange{});
    put(hexFlag, station.hex);
    put(editable, station.editable);
    put(max, station.max);
    put(min, station.min);
    put(def, station.def);
    return 1;
}

int32_t block_GetPlcAddress(int32_t code)
{
    return guarded([&] { return AddressModel::stationRange(code).def; }, int32_t(0));
}

// ---- Bit addresses ----

int32_t Get_Logic_count(uint8_t code, int32_t kind)
{
    return guarded([&] { return AddressModel::logicCount(code, kind); }, int32_t(0));
}

int32_t Get_Logic_caption(uint8_t code, int32_t kind, int32_t typeIndex, const char** caption)
{
    giveText(caption,
             guarded([&] { return AddressModel::logicCaption(code, kind, typeIndex); }, QByteArray("M")));
    return 1;
}

uint8_t Init_Logic_Address(uint8_t code, int32_t kind, int32_t typeIndex, uint8_t* /*spare*/,
                           uint8_t* enabled1, uint8_t* visible1, uint8_t* hex1, int32_t* max1, int32_t* min1,
                           int32_t* default1, uint8_t* enabled2, uint8_t* visible2, uint8_t* hex2,
                           int32_t* max2, int32_t* min2, int32_t* default2, uint8_t* enabled3,
                           uint8_t* visible3, uint8_t* hex3, int32_t* max3, int32_t* min3, int32_t* default3,
                           int32_t* radix1, int32_t* radix2, int32_t* radix3)
{
    guarded([&] {
        putDescriptor(AddressModel::logicAddress(code, kind, typeIndex), enabled1, visible1, hex1, max1, min1,
                      default1, enabled2, visible2, hex2, max2, min2, default2, enabled3, visible3, hex3,
                      max3, min3, default3, radix1, radix2, radix3);
    });
    return 1;
}

uint8_t Pack_Logic_code(uint8_t /*code*/, int32_t /*kind*/, uint8_t value)
{
    return value;
}

int32_t Get_Logic_defaultAdd123(uint8_t code, int32_t kind, int32_t typeIndex, int32_t part)
{
    return guarded([&] { return AddressModel::logicDefaultPart(code, kind, typeIndex, part); }, int32_t(0));
}

int32_t GetMaddress1code(uint8_t code, int32_t kind, int32_t typeIndex, int32_t selector)
{
    return guarded([&] { return AddressModel::maddress1code(code, kind, typeIndex, selector); }, selector);
}

void block_Getcreateaddress(uint8_t code, int32_t kind, int32_t* add1, int32_t* add2, int32_t* add3)
{
    const auto parts =
        guarded([&] { return AddressModel::createAddress(code, kind); }, std::array<std::int32_t, 3>{});
    put(add1, parts[0]);
    put(add2, parts[1]);
    put(add3, parts[2]);
}

// ---- Word addresses ----

int32_t Get_numeric_count(uint8_t code, int32_t kind)
{
    return guarded([&] { return AddressModel::numericCount(code, kind); }, int32_t(0));
}

void Get_numeric_caption(uint8_t code, int32_t kind, int32_t typeIndex, const char** caption)
{
    giveText(caption,
             guarded([&] { return AddressModel::numericCaption(code, kind, typeIndex); }, QByteArray("D")));
}

uint8_t Init_numeric_address(uint8_t code, int32_t kind, int32_t typeIndex, uint8_t* /*spare*/,
                             uint8_t* enabled1, uint8_t* visible1, uint8_t* hex1, int32_t* max1,
                             int32_t* min1, int32_t* default1, uint8_t* enabled2, uint8_t* visible2,
                             uint8_t* hex2, int32_t* max2, int32_t* min2, int32_t* default2,
                             uint8_t* enabled3, uint8_t* visible3, uint8_t* hex3, int32_t* max3,
                             int32_t* min3, int32_t* default3, int32_t* radix1, int32_t* radix2,
                             int32_t* radix3)
{
    guarded([&] {
        putDescriptor(AddressModel::numericAddress(code, kind, typeIndex), enabled1, visible1, hex1, max1,
                      min1, default1, enabled2, visible2, hex2, max2, min2, default2, enabled3, visible3,
                      hex3, max3, min3, default3, radix1, radix2, radix3);
    });
    return 1;
}

int32_t Get_numeric_regiers_deflaut(uint8_t code, int32_t kind, int32_t typeIndex, int32_t* countEditable,
                                    int32_t* countDefault, int32_t* countMax, int32_t* countMin)
{
    const CountDescriptor d =
        guarded([&] { return AddressModel::countDescriptor(code, kind, typeIndex); }, CountDescriptor{});
    put(countEditable, d.editable);
    put(countDefault, d.def);
    put(countMax, d.max);
    put(countMin, d.min);
    return 0;
}

uint8_t Get_numeric_setengabled(uint8_t code, int32_t kind, int32_t typeIndex)
{
    return guarded([&] { return AddressModel::valueEditable(code, kind, typeIndex); }, uint8_t(0));
}

void Get_numeric_ValueMinMax(uint8_t code, int32_t kind, int32_t typeIndex, int32_t count,
                             uint8_t numberFormat, int64_t* min, int64_t* max)
{
    const auto range =
        guarded([&] { return AddressModel::valueRange(code, kind, typeIndex, count, numberFormat); },
                std::pair<std::int64_t, std::int64_t>{0, 255});
    put(min, int64_t(range.first));
    put(max, int64_t(range.second));
}

uint8_t Pack_numeric_code(uint8_t /*code*/, int32_t /*kind*/, uint8_t value)
{
    return value;
}

uint8_t GetFtext_postfixbool(uint8_t code, int32_t kind)
{
    return AddressModel::postfixFlag(code, kind);
}

int32_t Get_NUM_defaultAdd123(uint8_t code, int32_t kind, int32_t typeIndex, int32_t part)
{
    return guarded([&] { return AddressModel::numericDefaultPart(code, kind, typeIndex, part); }, int32_t(0));
}

int32_t GetDaddress1code(uint8_t code, int32_t kind, int32_t typeIndex, uint32_t address)
{
    return guarded([&] { return AddressModel::daddress1code(code, kind, typeIndex, address); },
                   int32_t(address));
}

int32_t Pack_Dpartypetoaddress_code(uint8_t code, int32_t /*ignored1*/, int32_t /*ignored2*/, int32_t value)
{
    return AddressModel::dpartypeToAddress(code, value);
}

// ---- Catalogue encoders ----

int32_t Driver_PackAddress(int32_t family, int32_t code, int32_t selector, int32_t typeIndex, uint32_t add1,
                           uint32_t add2, uint32_t add3, uint8_t* storeType, uint8_t* storeAdd1,
                           uint8_t* storeAdd2, uint8_t* storeAdd3, uint8_t* typeValue, uint8_t* sendType,
                           uint8_t* sendPart2, uint8_t* sendPart3, int32_t* address, int32_t* part2,
                           int32_t* part3)
{
    AddressModel::PackedAddress packed;
    const int32_t result = guarded(
        [&] {
            return AddressModel::packAddress(family, code, selector, typeIndex, add1, add2, add3, packed);
        },
        int32_t(0));
    if (result != 1)
        return 0;
    put(storeType, packed.storeType);
    put(storeAdd1, packed.storeAdd1);
    put(storeAdd2, packed.storeAdd2);
    put(storeAdd3, packed.storeAdd3);
    put(typeValue, packed.typeValue);
    put(sendType, packed.sendType);
    put(sendPart2, packed.sendPart2);
    put(sendPart3, packed.sendPart3);
    put(address, packed.address);
    if (packed.partsWritten) {
        put(part2, packed.part2);
        put(part3, packed.part3);
    }
    return 1;
}

int32_t Driver_PackDjcqcount(int32_t /*family*/, int32_t code, int32_t selector, int32_t typeIndex,
                             uint32_t address)
{
    return guarded([&] { return AddressModel::packDjcqcount(code, selector, typeIndex, address); },
                   int32_t(-1));
}

// ---- Windows ----

void Driver_SetApplicationHandle(intptr_t windowHandle)
{
    applicationHandle = windowHandle;
}

void showsetplcfileform(int32_t /*lang*/)
{
    // The catalogue editor opens here once it exists; until then nothing is shown.
    (void)applicationHandle;
}

// ---- Alarm list ----

int32_t Alarm_GetMcount(uint8_t code)
{
    return guarded([&] { return AlarmServices::mcount(code); }, int32_t(0));
}

int32_t Alarm_GetMcaption(uint8_t code, int32_t typeIndex, const char** caption)
{
    giveText(caption, guarded([&] { return AlarmServices::mcaption(code, typeIndex); }, QByteArray("M")));
    return 1;
}

int32_t Alarm_GetALARMcaption(uint8_t code, int32_t typeIndex, int32_t /*ignored1*/, int32_t /*ignored2*/,
                              int32_t /*ignored3*/, const char** caption)
{
    giveText(caption, guarded([&] { return AlarmServices::alarmCaption(code, typeIndex); }, QByteArray("M")));
    return 1;
}

uint8_t Alarm_GetM_Address(uint8_t code, int32_t typeIndex, uint8_t* /*spare*/, uint8_t* enabled1,
                           uint8_t* visible1, uint8_t* hex1, int32_t* max1, int32_t* min1, int32_t* default1,
                           uint8_t* enabled2, uint8_t* visible2, uint8_t* hex2, int32_t* max2, int32_t* min2,
                           int32_t* default2, uint8_t* enabled3, uint8_t* visible3, uint8_t* hex3,
                           int32_t* max3, int32_t* min3, int32_t* default3, int32_t* radix1, int32_t* radix2,
                           int32_t* radix3)
{
    guarded([&] {
        putDescriptor(AlarmServices::mAddress(code, typeIndex), enabled1, visible1, hex1, max1, min1,
                      default1, enabled2, visible2, hex2, max2, min2, default2, enabled3, visible3, hex3,
                      max3, min3, default3, radix1, radix2, radix3);
    });
    return 1;
}

uint8_t Alarm_Getcode_Mtype(uint8_t /*code*/, int32_t /*kind*/, uint8_t value)
{
    return value;
}

int32_t GetALMmrowMaxcount(uint8_t code, int32_t typeIndex)
{
    return guarded([&] { return AlarmServices::rowMaxCount(code, typeIndex); }, int32_t(200));
}

int32_t GetALMMaxtype(uint8_t code, int32_t typeIndex)
{
    return guarded([&] { return AlarmServices::maxType(code, typeIndex); }, int32_t(200));
}

int32_t GetALMMaxAddress(uint8_t code, int32_t typeIndex, int32_t* max1, int32_t* max2, int32_t* max3)
{
    std::array<std::int32_t, 3> parts{};
    const int32_t result =
        guarded([&] { return AlarmServices::maxAddress(code, typeIndex, parts); }, int32_t(-1));
    if (result == 1) {
        put(max1, parts[0]);
        put(max2, parts[1]);
        put(max3, parts[2]);
    }
    return result;
}

int32_t GetALMmstr(uint8_t code, int32_t typeIndex, int64_t add1, int64_t add2, int64_t add3, int32_t row,
                   const char** text)
{
    giveText(text, guarded([&] { return AlarmServices::rowText(code, typeIndex, add1, add2, add3, row); },
                           QByteArray()));
    return 1;
}

} // extern "C"
