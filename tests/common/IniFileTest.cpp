#include "IniFile.h"

#include "GbkCodec.h"
#include "TempProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test
{
protected:
    QString path() const { return folder.path("options.ini"); }
    void write(const QByteArray& text) const { folder.write("options.ini", text); }
    QByteArray contents() const { return folder.read("options.ini"); }

    TempProgramFolder folder;
};

const QString ElevenBlanksKey = QStringLiteral("ChrW           idth_Draw");

} // namespace

TEST_F(IniFileTest, ReadsTheQuirksOfTheWindowsFormat)
{
    write("; a comment line\r\n"
          "stray=before any section\r\n"
          "[Font1]\r\n"
          "ChrWidth_LCD=8\r\n"
          "ChrW           idth_Draw = 18 \r\n"
          "  chrheigh_lcd  =  16\r\n"
          "List=a,b, c\\n\r\n"
          "Quoted=\"  spaced  \"\r\n"
          "Single='x'\r\n"
          "Half=\"open\r\n"
          "Empty=\r\n"
          "Dup=first\r\n"
          "DUP=second\r\n"
          ";Hidden=1\r\n"
          "[font1]\r\n"
          "Late=only in the second section\r\n"
          "[Other]\n"
          "Key=lf line\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.readString("FONT1", "chrwidth_lcd"), "8");
    EXPECT_EQ(ini.readString("Font1", ElevenBlanksKey), "18");
    EXPECT_FALSE(ini.readBytes("Font1", "ChrWidth_Draw").has_value()); // the blanks are part of the key
    EXPECT_EQ(ini.readInt("Font1", "ChrHeigh_LCD", -1), 16);
    EXPECT_EQ(ini.readString("Font1", "List"), "a,b, c\\n");
    EXPECT_EQ(ini.readString("Font1", "Quoted"), "  spaced  ");
    EXPECT_EQ(ini.readString("Font1", "Single"), "x");
    EXPECT_EQ(ini.readString("Font1", "Half"), "\"open");
    EXPECT_EQ(ini.readBytes("Font1", "Empty"), QByteArray(""));
    EXPECT_EQ(ini.readString("Font1", "dup"), "first");
    EXPECT_FALSE(ini.readBytes("Font1", "Hidden").has_value());
    EXPECT_FALSE(ini.readBytes("Font1", "Late").has_value()); // the first of two sections wins
    EXPECT_FALSE(ini.readBytes("Font1", "stray").has_value());
    EXPECT_EQ(ini.readString("Other", "Key"), "lf line");
    EXPECT_EQ(ini.readString("Missing", "Key", "fallback"), "fallback");
}

TEST_F(IniFileTest, ValuesAreGbkAndCappedWithoutSplittingACharacter)
{
    const QByteArray chinese = GbkCodec::fromUnicode(QStringLiteral("下载数据成功!"));
    write("[CAPTION]\r\nCAPTIONM380=" + chinese + "\r\nLong=x" + QByteArray(3000, '\xB0') + "\r\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.readString("caption", "captionm380"), QStringLiteral("下载数据成功!"));
    const QByteArray longValue = *ini.readBytes("CAPTION", "Long");
    EXPECT_EQ(longValue.size(), 2047); // "x" and 1023 whole characters
    EXPECT_EQ(longValue.front(), 'x');
}

TEST_F(IniFileTest, IntegersAcceptDecimalAndHexAndFallBackOnGarbage)
{
    write("[S]\nA=-5\nB=0x1F\nC=$10\nD=12abc\nE=\nF= 7 \n");
    const IniFile ini(path());
    const struct
    {
        const char* key;
        int expected;
    } cases[] = {
        {"A", -5}, {"B", 31}, {"C", 16}, {"D", 99}, {"E", 99}, {"F", 7}, {"G", 99},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.readInt("S", c.key, 99), c.expected) << c.key;
}

TEST_F(IniFileTest, MissingFileReadsNothing)
{
    const IniFile ini(path());
    EXPECT_FALSE(ini.exists());
    EXPECT_FALSE(ini.readBytes("S", "K").has_value());
    EXPECT_EQ(ini.readInt("S", "K", 42), 42);
}

TEST_F(IniFileTest, WritesChangeOnlyTheirLine)
{
    const QByteArray original = "; keep me\r\n"
                                "[PORT]\r\n"
                                "Comm = 3\r\n"
                                "comm=4\r\n"
                                "\r\n"
                                "[PLC]\r\n"
                                "PLCindex=2\r\n";
    write(original);
    IniFile ini(path());

    ASSERT_TRUE(ini.writeInt("port", "COMM", 7));
    QByteArray expected = original;
    expected.replace("Comm = 3", "COMM=7");
    EXPECT_EQ(contents(), expected);

    ASSERT_TRUE(ini.writeString("PORT", "Path", "/dev/ttyUSB0"));
    expected.replace("comm=4\r\n", "comm=4\r\nPath=/dev/ttyUSB0\r\n");
    EXPECT_EQ(contents(), expected);

    ASSERT_TRUE(ini.writeString("LANGUAGE", "INDEX", "3"));
    expected += "[LANGUAGE]\r\nINDEX=3\r\n";
    EXPECT_EQ(contents(), expected);
    EXPECT_EQ(IniFile(path()).readInt("language", "index", 0), 3);
}

TEST_F(IniFileTest, WritesKeepTheFilesLineBreaksAndCreateWhatIsMissing)
{
    write("[A]\nx=1");
    IniFile ini(path());
    ASSERT_TRUE(ini.writeInt("A", "y", 2));
    EXPECT_EQ(contents(), "[A]\nx=1\ny=2\n");
    ASSERT_TRUE(ini.writeInt("B", "z", 3));
    EXPECT_EQ(contents(), "[A]\nx=1\ny=2\n[B]\nz=3\n");

    IniFile fresh(folder.path("sub/dir/new.ini"));
    ASSERT_TRUE(fresh.writeString("Option", "SystemDefaultLangID", "2052"));
    EXPECT_EQ(folder.read("sub/dir/new.ini"), "[Option]\r\nSystemDefaultLangID=2052\r\n");
}

TEST_F(IniFileTest, WritesKeepKeysWithInnerBlanksAndChineseText)
{
    IniFile ini(path());
    ASSERT_TRUE(ini.writeInt("Font1", ElevenBlanksKey, 20));
    ASSERT_TRUE(ini.writeString("plccodes", "index0", QStringLiteral("三菱 FX plccode = 1 ")));
    const IniFile reread(path());
    EXPECT_EQ(reread.readInt("Font1", ElevenBlanksKey, 0), 20);
    EXPECT_TRUE(contents().contains(GbkCodec::fromUnicode(QStringLiteral("三菱"))));
    // Values are stored as they stand; only their outer blanks are lost on reading.
    EXPECT_EQ(reread.readString("plccodes", "index0"), QStringLiteral("三菱 FX plccode = 1"));
}

TEST_F(IniFileTest, AValueCannotInjectLines)
{
    IniFile ini(path());
    ASSERT_TRUE(ini.writeString("S", "K", "a\r\n[Evil]\r\nX=1"));
    const IniFile reread(path());
    EXPECT_EQ(reread.readString("S", "K"), "a  [Evil]  X=1");
    EXPECT_FALSE(reread.readBytes("Evil", "X").has_value());
}

TEST_F(IniFileTest, AFailedWriteSaysSoAndKeepsTheFile)
{
    // The "file" is a folder: it can be neither read as text nor replaced.
    QDir().mkpath(path());
    IniFile ini(path());
    EXPECT_FALSE(ini.writeInt("S", "K", 1));
    EXPECT_FALSE(ini.errorString().isEmpty());
    EXPECT_TRUE(QFileInfo(path()).isDir());
}
