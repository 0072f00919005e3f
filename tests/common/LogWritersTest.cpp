#include "LogWriters.h"

#include "EConvertError.h"
#include "GbkCodec.h"
#include "NumberText.h"
#include "TempProgramFolder.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QStringList lines(const QByteArray& file)
{
    QStringList result = GbkCodec::toUnicode(file).split(QStringLiteral("\r\n"));
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

// "[" date time "]  " text
const QRegularExpression dated(QStringLiteral("^\\[[^\\]]+ \\d\\d:\\d\\d:\\d\\d\\]  (.*)$"));

} // namespace

TEST(LogWriters, DatedLinesCarryDateTimeAndTwoBlanks)
{
    const QString line = DatedLogLine("hello", QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
    const auto m = dated.match(line);
    ASSERT_TRUE(m.hasMatch()) << line.toStdString();
    EXPECT_EQ(m.captured(1), "hello");
    EXPECT_TRUE(line.contains("07:08:09"));
}

TEST(LogWriters, ExceptionLineRunsClassNameAndMessageTogether)
{
    TempProgramFolder folder;
    try {
        ParseNumber(0, "12x");
        FAIL() << "no exception";
    } catch (const std::exception& e) {
        AppendExceptionLog(ExceptionClassName(e), QString::fromUtf8(e.what()));
    }
    AppendExceptionLog("Exception", "second");
    const QStringList log = lines(folder.read("except.txt"));
    ASSERT_EQ(log.size(), 2);
    const auto m = dated.match(log[0]);
    ASSERT_TRUE(m.hasMatch()) << log[0].toStdString();
    EXPECT_EQ(m.captured(1), "EConvertError'12x' is not a valid integer value");
    EXPECT_EQ(dated.match(log[1]).captured(1), "Exceptionsecond");
}

TEST(LogWriters, ClassNamesWithoutNamespaces)
{
    EXPECT_EQ(ExceptionClassName(EConvertError("x")), "EConvertError");
    EXPECT_EQ(ExceptionClassName(std::runtime_error("x")), "runtime_error");
}

TEST(LogWriters, TraceLogFollowsItsMarkerLineByLine)
{
    TempProgramFolder folder;
    AppendDebugLog(QStringLiteral("before"));
    folder.touch("debug.flg");
    AppendDebugLog(QStringLiteral("重绘刷新<"));
    QFile::remove(folder.path("debug.flg"));
    AppendDebugLog(QStringLiteral("after"));
    const QByteArray raw = folder.read("ztsinf123.txt");
    EXPECT_TRUE(raw.contains(GbkCodec::fromUnicode(QStringLiteral("]  重绘刷新<\r\n")))); // stored in GBK
    const QStringList log = lines(raw);
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(dated.match(log[0]).captured(1), QStringLiteral("重绘刷新<"));
}

TEST(LogWriters, DownloadLogFollowsTheMarkerSeenAtStart)
{
    TempProgramFolder folder;
    folder.touch("debug.sys");
    AppendDownloadLog("not yet loaded");
    MarkerFiles::load();
    QFile::remove(folder.path("debug.sys"));
    AppendDownloadLog("query sent");
    const QStringList log = lines(folder.read("debug.txt"));
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(dated.match(log[0]).captured(1), "query sent");
}

TEST(LogWriters, PackTracesGoToTheScratchFolderByKind)
{
    TempProgramFolder folder;
    SetTraceNumber(4242);
    const struct
    {
        int kind;
        const char* file;
    } cases[] = {
        {0, "CommRS4242.txt"},   {1, "PackCode4242.txt"}, {2, "blockCode4242.txt"},
        {4, "AlrmCode4242.txt"}, {3, "temp4242.txt"},     {-7, "temp4242.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TraceFileName(c.kind), c.file);
        ASSERT_TRUE(AppendTrace(c.kind, QStringLiteral("Blocktype = %1 :").arg(c.kind)));
    }
    EXPECT_EQ(folder.read("temp/PackCode4242.txt"), "Blocktype = 1 :\r\n");
    EXPECT_EQ(folder.read("temp/temp4242.txt"), "Blocktype = 3 :\r\nBlocktype = -7 :\r\n");
    TakeTraceNumber();
    EXPECT_NE(TraceNumber(), 4242u);
}

TEST(LogWriters, HexBytes)
{
    const QByteArray bytes("\x00\x0a\xff\x5A", 4);
    EXPECT_EQ(HexBytesText(bytes), " 00 0A FF 5A");
    EXPECT_EQ(HexBytesText(bytes, {}, " "), "00 0A FF 5A ");
    EXPECT_EQ(HexBytesText(bytes, " ", " "), " 00  0A  FF  5A ");
    EXPECT_EQ(HexBytesText({}), "");
}
