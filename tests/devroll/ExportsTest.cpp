// libdevroll.so as a host sees it: loaded with dlopen, reached only through
// its C exports.

#include "Catalogue.h"
#include "DasFile.h"
#include "devroll.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <tuple>

namespace {

const QString LibraryPath = QStringLiteral(ZD740_BIN_DIR "/libdevroll.so");

// The names of the defined, exported functions in the library's dynamic
// symbol table.
std::set<std::string> exportedNames(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray elf = file.readAll();
    const char* base = elf.constData();
    const auto* header = reinterpret_cast<const Elf64_Ehdr*>(base);
    const auto* sections = reinterpret_cast<const Elf64_Shdr*>(base + header->e_shoff);
    std::set<std::string> names;
    for (int i = 0; i < header->e_shnum; ++i) {
        if (sections[i].sh_type != SHT_DYNSYM)
            continue;
        const Elf64_Shdr& strings = sections[sections[i].sh_link];
        const auto* symbols = reinterpret_cast<const Elf64_Sym*>(base + sections[i].sh_offset);
        const size_t count = sections[i].sh_size / sizeof(Elf64_Sym);
        for (size_t s = 0; s < count; ++s) {
            const Elf64_Sym& sym = symbols[s];
            const bool defined = sym.st_shndx != SHN_UNDEF;
            const bool global =
                ELF64_ST_BIND(sym.st_info) == STB_GLOBAL || ELF64_ST_BIND(sym.st_info) == STB_WEAK;
            if (defined && global && ELF64_ST_TYPE(sym.st_info) == STT_FUNC)
                names.insert(base + strings.sh_offset + sym.st_name);
        }
    }
    return names;
}

// The library, opened once per test with its own catalogue folder.
class Devroll : public ::testing::Test
{
protected:
    void SetUp() override
    {
        qputenv("ZD740_PROGRAM_FOLDER", folder.path().toLocal8Bit());
        handle = dlopen(LibraryPath.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
    }
    void TearDown() override
    {
        if (handle)
            dlclose(handle);
        qunsetenv("ZD740_PROGRAM_FOLDER");
    }

    template <typename F> F* fn(const char* name)
    {
        void* p = dlsym(handle, name);
        EXPECT_NE(p, nullptr) << name;
        return reinterpret_cast<F*>(p);
    }

    QTemporaryDir folder;
    void* handle = nullptr;
};

} // namespace

TEST(DevrollLibrary, ExportsExactlyItsFortyTwoFunctions)
{
    const std::set<std::string> expected = {
        "Alarm_GetALARMcaption",
        "Alarm_GetM_Address",
        "Alarm_GetMcaption",
        "Alarm_GetMcount",
        "Alarm_Getcode_Mtype",
        "Drive_GetPlcHint",
        "Drive_GetPlcItemCaption",
        "Drive_GetSysbinID",
        "Driver_PackAddress",
        "Driver_PackDjcqcount",
        "Driver_SetApplicationHandle",
        "GetALMMaxAddress",
        "GetALMMaxtype",
        "GetALMmrowMaxcount",
        "GetALMmstr",
        "GetDaddress1code",
        "GetDriverVer",
        "GetFtext_postfixbool",
        "GetMaddress1code",
        "GetPlcAddress",
        "Get_Logic_caption",
        "Get_Logic_count",
        "Get_Logic_defaultAdd123",
        "Get_NUM_defaultAdd123",
        "Get_numeric_ValueMinMax",
        "Get_numeric_caption",
        "Get_numeric_count",
        "Get_numeric_regiers_deflaut",
        "Get_numeric_setengabled",
        "Getcommunication",
        "Getdevrollsoftwareversion",
        "Getokplccount",
        "Getplccode",
        "Getplcitemindex",
        "Init_Logic_Address",
        "Init_numeric_address",
        "Pack_Dpartypetoaddress_code",
        "Pack_Logic_code",
        "Pack_numeric_code",
        "block_GetPlcAddress",
        "block_Getcreateaddress",
        "showsetplcfileform",
    };
    ASSERT_EQ(expected.size(), 42u);
    EXPECT_EQ(exportedNames(LibraryPath), expected);
}

TEST_F(Devroll, ModelListWithoutCatalogue)
{
    EXPECT_EQ(fn<decltype(Getdevrollsoftwareversion)>("Getdevrollsoftwareversion")(), 24);
    EXPECT_EQ(fn<decltype(Getokplccount)>("Getokplccount")(), 19);
    auto getplccode = fn<decltype(Getplccode)>("Getplccode");
    auto getplcitemindex = fn<decltype(Getplcitemindex)>("Getplcitemindex");
    for (int index = 0; index <= 18; ++index)
        EXPECT_EQ(getplccode(index), index + 2) << index;
    EXPECT_EQ(getplccode(1197), 0);
    EXPECT_EQ(getplccode(1198), 125);
    EXPECT_EQ(getplccode(19), 255);
    EXPECT_EQ(getplcitemindex(0), 1197);
    EXPECT_EQ(getplcitemindex(125), 1198);
    EXPECT_EQ(getplcitemindex(7), 5);
    EXPECT_EQ(getplcitemindex(99), 0);

    const char* caption = nullptr;
    EXPECT_EQ(fn<decltype(Drive_GetPlcItemCaption)>("Drive_GetPlcItemCaption")(3, 1, &caption), 255);
    ASSERT_NE(caption, nullptr);
    EXPECT_STREQ(caption, "");
    EXPECT_EQ(fn<decltype(Drive_GetSysbinID)>("Drive_GetSysbinID")(30), -1);
    EXPECT_DOUBLE_EQ(fn<decltype(GetDriverVer)>("GetDriverVer")(12), 1.1);
    EXPECT_DOUBLE_EQ(fn<decltype(GetDriverVer)>("GetDriverVer")(21), -1.0);
}

TEST_F(Devroll, CommunicationAndStations)
{
    auto comm = fn<decltype(Getcommunication)>("Getcommunication");
    const struct
    {
        uint8_t code;
        int32_t result, baud, data, stop, parity;
    } cases[] = {
        {0, 1, 38400, 8, 1, 0}, {2, 1, 9600, 7, 1, 2},   {5, 1, 9600, 7, 2, 2},
        {4, 1, 9600, 8, 1, 1},  {20, 1, 19200, 8, 1, 2}, {200, -1, 9600, 8, 1, 0},
    };
    for (const auto& c : cases) {
        int32_t baud = 0, data = 0, stop = 0, parity = 0, extra = 7;
        EXPECT_EQ(comm(c.code, &baud, &data, &stop, &parity, &extra), c.result) << int(c.code);
        EXPECT_EQ(std::tuple(baud, data, stop, parity, extra),
                  std::tuple(c.baud, c.data, c.stop, c.parity, 0))
            << int(c.code);
    }

    auto station = fn<decltype(GetPlcAddress)>("GetPlcAddress");
    const struct
    {
        int32_t code;
        uint8_t editable;
        int32_t min, max, def;
    } stations[] = {
        {3, 1, 1, 126, 2},
        {2, 0, 0, 9999, 1},
        {18, 0, 0, 0, 0},
        {200, 0, 0, 255, 0},
    };
    for (const auto& s : stations) {
        uint8_t hex = 9, editable = 9;
        int32_t max = -1, min = -1, def = -1;
        EXPECT_EQ(station(s.code, &hex, &editable, &max, &min, &def), 1);
        EXPECT_EQ(std::tuple(hex, editable, min, max, def),
                  std::tuple(uint8_t(0), s.editable, s.min, s.max, s.def))
            << s.code;
        EXPECT_EQ(fn<decltype(block_GetPlcAddress)>("block_GetPlcAddress")(s.code), s.def);
    }
    // Null pointers are ignored rather than written through.
    EXPECT_EQ(station(3, nullptr, nullptr, nullptr, nullptr, nullptr), 1);
}

TEST_F(Devroll, BitAndWordTypesOfBuiltInModels)
{
    auto logicCount = fn<decltype(Get_Logic_count)>("Get_Logic_count");
    auto logicCaption = fn<decltype(Get_Logic_caption)>("Get_Logic_caption");
    auto numericCount = fn<decltype(Get_numeric_count)>("Get_numeric_count");
    auto numericCaption = fn<decltype(Get_numeric_caption)>("Get_numeric_caption");
    EXPECT_EQ(logicCount(125, 412), 0);
    EXPECT_EQ(logicCount(16, 411), 6);
    EXPECT_EQ(numericCount(3, 415), 2);
    EXPECT_EQ(numericCount(125, 415), 0);

    const char* first = nullptr;
    const char* second = nullptr;
    logicCaption(16, 411, 2, &first);
    EXPECT_STREQ(first, "B10");
    logicCaption(20, 411, 1, &second);
    EXPECT_EQ(first, second); // one shared buffer: the first text is overwritten
    EXPECT_STREQ(first, "SM");
    numericCaption(3, 415, 1, &first);
    EXPECT_STREQ(first, "VD");

    auto init = fn<decltype(Init_Logic_Address)>("Init_Logic_Address");
    uint8_t e[3], v[3], h[3], spare = 77;
    int32_t mx[3], mn[3], df[3], rx[3];
    init(8, 411, 0, &spare, &e[0], &v[0], &h[0], &mx[0], &mn[0], &df[0], &e[1], &v[1], &h[1], &mx[1], &mn[1],
         &df[1], &e[2], &v[2], &h[2], &mx[2], &mn[2], &df[2], &rx[0], &rx[1], &rx[2]);
    EXPECT_EQ(spare, 77); // never written
    EXPECT_EQ(std::tuple(e[0], v[0], mx[0], rx[0]), std::tuple(uint8_t(1), uint8_t(1), 4095, 3)); // octal
    EXPECT_EQ(std::tuple(v[1], mx[1]), std::tuple(uint8_t(0), 15));
    init(19, 411, 0, &spare, &e[0], &v[0], &h[0], &mx[0], &mn[0], &df[0], &e[1], &v[1], &h[1], &mx[1], &mn[1],
         &df[1], &e[2], &v[2], &h[2], &mx[2], &mn[2], &df[2], &rx[0], &rx[1], &rx[2]);
    EXPECT_EQ(uint32_t(mx[0]), 4294967295u);

    auto range = fn<decltype(Get_numeric_ValueMinMax)>("Get_numeric_ValueMinMax");
    int64_t lo = 0, hi = 0;
    range(19, 415, 2, 1, 2, &lo, &hi);
    EXPECT_EQ(std::pair(lo, hi), std::pair(int64_t(INT32_MIN), int64_t(INT32_MAX)));
    range(2, 415, 0, 1, 0, &lo, &hi);
    EXPECT_EQ(std::pair(lo, hi), std::pair(int64_t(0), int64_t(65535)));

    int32_t editable = 0, def = 0, max = 0, min = 0;
    EXPECT_EQ(fn<decltype(Get_numeric_regiers_deflaut)>("Get_numeric_regiers_deflaut")(0, 415, 0, &editable,
                                                                                       &def, &max, &min),
              0);
    EXPECT_EQ(std::tuple(editable, def, max, min), std::tuple(-1, 1, 1, 1));
    EXPECT_EQ(fn<decltype(Get_numeric_setengabled)>("Get_numeric_setengabled")(10, 415, 1), 0);
    EXPECT_EQ(fn<decltype(Get_NUM_defaultAdd123)>("Get_NUM_defaultAdd123")(8, 415, 0, 1), 1024);
    EXPECT_EQ(fn<decltype(GetFtext_postfixbool)>("GetFtext_postfixbool")(125, 415), 1);
}

TEST_F(Devroll, AreaCodesAndDefaultsOfBuiltInModels)
{
    auto mcode = fn<decltype(GetMaddress1code)>("GetMaddress1code");
    EXPECT_EQ(mcode(10, 411, 0, 1), 4);
    EXPECT_EQ(mcode(16, 411, 1, 0), 9);
    EXPECT_EQ(mcode(20, 411, 1, 1), 4401);
    EXPECT_EQ(mcode(2, 411, 0, 1), 1);
    auto dcode = fn<decltype(GetDaddress1code)>("GetDaddress1code");
    EXPECT_EQ(dcode(20, 415, 1, 5), 8005);
    EXPECT_EQ(dcode(20, 415, 5, 201), 9702);
    EXPECT_EQ(fn<decltype(Pack_Dpartypetoaddress_code)>("Pack_Dpartypetoaddress_code")(20, 0, 0, 5), 1);
    EXPECT_EQ(fn<decltype(Pack_Dpartypetoaddress_code)>("Pack_Dpartypetoaddress_code")(3, 0, 0, 5), 5);
    EXPECT_EQ(fn<decltype(Pack_Logic_code)>("Pack_Logic_code")(3, 411, 9), 9);

    int32_t a1 = -1, a2 = -1, a3 = -1;
    fn<decltype(block_Getcreateaddress)>("block_Getcreateaddress")(125, 411, &a1, &a2, &a3);
    EXPECT_EQ(std::tuple(a1, a2, a3), std::tuple(1, 0, 0));
    fn<decltype(block_Getcreateaddress)>("block_Getcreateaddress")(10, 411, &a1, &a2, &a3);
    EXPECT_EQ(a1, 0);
}

TEST_F(Devroll, AlarmServicesOfBuiltInModels)
{
    EXPECT_EQ(fn<decltype(Alarm_GetMcount)>("Alarm_GetMcount")(1), -1);
    EXPECT_EQ(fn<decltype(Alarm_GetMcount)>("Alarm_GetMcount")(16), 6);
    const char* text = nullptr;
    auto mstr = fn<decltype(GetALMmstr)>("GetALMmstr");
    mstr(3, 0, 25, 10, 0, 0, &text);
    EXPECT_STREQ(text, "M26. 2");
    mstr(0, 0, 25, 0, 0, 0, &text);
    EXPECT_STREQ(text, "R0019");
    mstr(16, 0, 25, 10, 0, 0, &text);
    EXPECT_STREQ(text, "B3:25/A");
    fn<decltype(Alarm_GetALARMcaption)>("Alarm_GetALARMcaption")(0, 1, 0, 0, 0, &text);
    EXPECT_STREQ(text, "Q");
    EXPECT_EQ(fn<decltype(GetALMmrowMaxcount)>("GetALMmrowMaxcount")(0, 0), 127);
    EXPECT_EQ(fn<decltype(GetALMMaxtype)>("GetALMMaxtype")(5, 0), 200);
    int32_t m1 = 5, m2 = 5, m3 = 5;
    EXPECT_EQ(fn<decltype(GetALMMaxAddress)>("GetALMMaxAddress")(5, 0, &m1, &m2, &m3), -1);
    EXPECT_EQ(std::tuple(m1, m2, m3), std::tuple(5, 5, 5));
}

TEST_F(Devroll, CatalogueModelsFromThePlcdrivesFolder)
{
    // Two models written the way catalogue authors make them.
    QDir().mkpath(folder.path() + "/plcdrives");
    TZd740drive model;
    model.PlcID = 40;
    model.PlcIndex = 2;
    model.Captions = {QByteArray("\xC4\xA3\xD0\xCD", 4), "Model T", "Model E"};
    model.History.Version = 1.25;
    model.BitTypes[0].Name = "X";
    model.BitTypes[0].ForKey = 0;
    model.BitTypes.push_back(TZd740drive::newBitType("Y", 1));
    model.BitTypes[1].ForLamp = 0;
    model.BitTypes[1].AddrFormat = 4;
    model.WordTypes[0].PackMode = 1;
    model.WordTypes[0].FactorA = 2.0;
    model.WordTypes[0].FactorB = 0.5;
    model.WordTypes[0].OffsetC = 7;
    ASSERT_TRUE(DasFile::write(model, folder.path() + "/plcdrives/model40.das").ok);
    model.PlcID = 41;
    model.PlcIndex = 0;
    model.BasedOnOther = 1;
    model.BaseID = 12;
    model.Captions = {"B", "B", "B"};
    ASSERT_TRUE(DasFile::write(model, folder.path() + "/plcdrives/model41.das").ok);

    EXPECT_EQ(fn<decltype(Getokplccount)>("Getokplccount")(), 21);
    auto getplccode = fn<decltype(Getplccode)>("Getplccode");
    EXPECT_EQ(getplccode(0), 41);
    EXPECT_EQ(getplccode(2), 40);
    EXPECT_EQ(getplccode(1), 2); // the built-in models fill the free places
    EXPECT_EQ(fn<decltype(Getplcitemindex)>("Getplcitemindex")(40), 2);
    EXPECT_EQ(fn<decltype(Drive_GetSysbinID)>("Drive_GetSysbinID")(41), 12);

    const char* text = nullptr;
    EXPECT_EQ(fn<decltype(Drive_GetPlcHint)>("Drive_GetPlcHint")(40, 3, &text), 1);
    EXPECT_STREQ(text, "[Model E ver1.25]");
    EXPECT_EQ(fn<decltype(Drive_GetPlcItemCaption)>("Drive_GetPlcItemCaption")(40, 1, &text), 1);
    EXPECT_STREQ(text, "\xC4\xA3\xD0\xCD");

    EXPECT_EQ(fn<decltype(Get_Logic_count)>("Get_Logic_count")(40, 411), 1);
    EXPECT_EQ(fn<decltype(Get_Logic_count)>("Get_Logic_count")(40, 419), 2);
    EXPECT_EQ(fn<decltype(Get_Logic_count)>("Get_Logic_count")(40, 420), 1);
    fn<decltype(Alarm_GetMcaption)>("Alarm_GetMcaption")(40, 1, &text);
    EXPECT_STREQ(text, "Y");
    fn<decltype(GetALMmstr)>("GetALMmstr")(40, 1, 25, 10, 0, 7, &text);
    EXPECT_STREQ(text, "Y26/1");

    uint8_t st = 0, s1 = 0, s2 = 0, s3 = 0, tv = 0, send = 0, p2 = 0, p3 = 0;
    int32_t address = 0, part2 = -5, part3 = -5;
    EXPECT_EQ(fn<decltype(Driver_PackAddress)>("Driver_PackAddress")(1, 40, 3, 0, 100, 20, 0, &st, &s1, &s2,
                                                                     &s3, &tv, &send, &p2, &p3, &address,
                                                                     &part2, &part3),
              1);
    EXPECT_EQ(address, 217);
    EXPECT_EQ(std::tuple(part2, part3), std::tuple(-5, -5)); // not written outside mode 0
    EXPECT_EQ(fn<decltype(Driver_PackAddress)>("Driver_PackAddress")(
                  1, 3, 3, 0, 100, 20, 0, &st, &s1, &s2, &s3, &tv, &send, &p2, &p3, &address, &part2, &part3),
              0);
}
