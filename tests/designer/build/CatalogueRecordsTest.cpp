// Records of catalogue models: libdevroll.so places their addresses. The
// models are written the way catalogue authors make them, into a program
// folder of the test's own, before devroll scans it.

#include "DasFile.h"
#include "Devroll.h"
#include "EEncodeError.h"
#include "EncodeBarGraph.h"
#include "EncodeLamp.h"
#include "EncodeRegister.h"
#include "TLcdBZTU.h"
#include "TLcdFText.h"
#include "TLcdLight.h"
#include "TZd740drive.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// Model 40: bits sent as 2 x add1 + add2 / 2 + 7 with their type code in the
// type byte; words sent as add1 + 100 with the type code in W2's low byte,
// add2 and then add3 in W3, and two registers read at address 5; words
// of type 1 sent as add1 - 70000.
TZd740drive model40()
{
    TZd740drive model;
    model.PlcID = 40;
    model.PlcIndex = 3;
    model.Captions = {"M40", "M40", "M40"};
    TdrivevalueL& bit = model.BitTypes[0];
    bit.Code = 0x11;
    bit.PackMode = 1, bit.FactorA = 2.0, bit.FactorB = 0.5, bit.OffsetC = 7;
    bit.Parts[1].Editable = 0, bit.Parts[2].Editable = 0;
    TdrivevalueD& word = model.WordTypes[0];
    word.Code = 0x21;
    word.StorePos = {2, 1, 3, 3};
    word.OffsetC = 100;
    word.LimitEnabled = 1, word.LimitAddress = 5, word.LimitCount = 2;
    TdrivevalueD shifted = TZd740drive::newWordType("E", 1);
    shifted.Code = 0x22;
    shifted.OffsetC = -70000;
    model.WordTypes.push_back(shifted);
    return model;
}

// Model 26, a function-block model: words sent as they are.
TZd740drive model26()
{
    TZd740drive model;
    model.PlcID = 26;
    model.PlcIndex = 4;
    model.Captions = {"FB", "FB", "FB"};
    model.WordTypes[0].Code = 0x30;
    return model;
}

class CatalogueRecords : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder = std::make_unique<QTemporaryDir>();
        const QString drives = folder->path() + "/plcdrives";
        QDir().mkpath(drives);
        TZd740drive m40 = model40(), m26 = model26();
        EXPECT_TRUE(DasFile::write(m40, drives + "/model40.das").ok);
        EXPECT_TRUE(DasFile::write(m26, drives + "/model26.das").ok);
        qputenv("ZD740_PROGRAM_FOLDER", folder->path().toLocal8Bit());
        Devroll::Getokplccount();
    }
    static void TearDownTestSuite()
    {
        qunsetenv("ZD740_PROGRAM_FOLDER");
        Devroll::Getokplccount();
        folder.reset();
    }
    TEncodeContext at(int plcCode) const { return {plcCode, false, QStringLiteral("screen 1")}; }

    static std::unique_ptr<QTemporaryDir> folder;
    TObjectContext objects;
};

std::unique_ptr<QTemporaryDir> CatalogueRecords::folder;

TEST_F(CatalogueRecords, BitAddressPlacedByTheModel)
{
    TLcdLight lamp(objects);
    lamp.StationNo = 1, lamp.AddrType = 0, lamp.Addr1 = 100, lamp.Addr2 = 20;
    // Type byte 0x11, W1 = 2 x 100 + 20 / 2 + 7 = 217; W2 and W3 as computed before.
    EXPECT_EQ(EncodeLamp(lamp, at(40)).records.at(0).mid(8), hex("01 11 00D9 0014 0000"));
}

TEST_F(CatalogueRecords, WordAddressAndRegisterCountPlacedByTheModel)
{
    TLcdFText reg(objects);
    reg.StationNo = 1, reg.AddrType = 0, reg.Addr1 = 5, reg.Addr2 = 7, reg.Addr3 = 9, reg.RegCount = 1;
    // W2's low byte takes the code 0x21, W1 = 5 + 100, W3 takes add2, then add3.
    QByteArray record = EncodeRegister(reg, at(40)).records.at(0);
    EXPECT_EQ(record.mid(6, 9), hex("01 00 0069 0021 0009 02"));
    reg.Addr1 = 6; // not the model's two-register address
    record = EncodeRegister(reg, at(40)).records.at(0);
    EXPECT_EQ(record.mid(6, 9), hex("01 00 006A 0021 0009 01"));

    TLcdBZTU bar(objects);
    bar.StationNo = 1, bar.AddrType = 0, bar.Addr1 = 5, bar.Addr2 = 7, bar.Addr3 = 9, bar.RegCount = 1;
    EXPECT_EQ(EncodeBarGraph(bar, at(40)).records.at(0).mid(6, 9), hex("01 00 0069 0021 0009 02"));
}

TEST_F(CatalogueRecords, FunctionBlockModelTypeCode)
{
    struct Case
    {
        int addrType, addr2;
        const char* group;
    } cases[] = {{0, 1, "01 02 0005 0001 0000"}, {0, 0, "01 03 0005 0000 0000"}};
    for (const Case& c : cases) {
        TLcdFText reg(objects);
        reg.StationNo = 1, reg.AddrType = c.addrType, reg.Addr1 = 5, reg.Addr2 = c.addr2;
        EXPECT_EQ(EncodeRegister(reg, at(26)).records.at(0).mid(6, 8), hex(c.group)) << c.addr2;
    }
}

// Only the word the panel receives has to fit 16 bits.
TEST_F(CatalogueRecords, AddressThatFitsOnceThePlacedOne)
{
    TLcdFText reg(objects);
    reg.StationNo = 2, reg.AddrType = 1, reg.Addr1 = 70005;
    EXPECT_EQ(EncodeRegister(reg, at(40)).records.at(0).mid(6, 8), hex("02 22 0005 0000 0000"));
}

TEST_F(CatalogueRecords, PlacedAddressThatDoesNotFitIsAnError)
{
    TLcdFText reg(objects);
    reg.AddrType = 0, reg.Addr1 = 65500; // sent as 65600
    try {
        EncodeRegister(reg, at(40));
        ADD_FAILURE() << "no error";
    } catch (const EEncodeError& e) {
        EXPECT_TRUE(e.message().startsWith("screen 1, register at")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("W1 = 65600")) << e.message().toStdString();
    }
}

} // namespace
