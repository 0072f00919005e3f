// Writing ".das" files: the layout byte for byte against a hand-made file,
// the filler, the stamps, and writes that fail.

#include "DasFile.h"
#include "HandMadeModel.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

qint32 le32At(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

// Where the fields start in a written file: after the two filler blocks.
qsizetype bodyStart(const QByteArray& bytes)
{
    const qint32 f1 = le32At(bytes, 0);
    const qint32 f2 = le32At(bytes, 4 + f1 + 1 + 1);
    return 4 + f1 + 1 + 1 + 4 + (f2 + 1) * 4;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// Read by hand, written by the writer: everything after the filler is the
// same bytes.
TEST(DasFileWrite, LayoutMatchesTheHandMadeFileByteForByte)
{
    const DasBytes file = handMadeModel();
    TZd740drive r;
    ASSERT_EQ(DasFile::parse(file.bytes(), r, "hand.das").outcome, DasFile::Outcome::Complete);
    QRandomGenerator random(7);
    const QByteArray written = DasFile::encode(r, random);
    EXPECT_EQ(written.mid(bodyStart(written)), file.bytes().mid(file.at("Password")));
    EXPECT_EQ(written[4 + le32At(written, 0) + 1], char(1))
        << "PassProtect sits between the two filler blocks";
}

TEST(DasFileWrite, FillerStaysWithinItsRanges)
{
    QRandomGenerator random(1);
    TZd740drive r;
    for (int i = 0; i < 200; ++i) {
        const QByteArray bytes = DasFile::encode(r, random);
        const qint32 f1 = le32At(bytes, 0);
        ASSERT_GE(f1, 100);
        ASSERT_LE(f1, 489);
        const qsizetype f2At = 4 + f1 + 1 + 1;
        const qint32 f2 = le32At(bytes, f2At);
        ASSERT_GE(f2, 100);
        ASSERT_LE(f2, 199);
        for (qint32 k = 0; k <= f2; ++k) {
            const qint32 v = le32At(bytes, f2At + 4 + 4 * k);
            ASSERT_GE(v, 0);
            ASSERT_LE(v, 499);
        }
    }
}

// A new record written and read back has the same fields, except the stamps.
TEST(DasFileWrite, NewRecordRoundTripsExceptTheStamps)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("new.das");
    TZd740drive written;
    written.History.EditTime = "1999-1-1 0:0:0";
    written.Password = "";
    ASSERT_TRUE(DasFile::write(written, path).ok);
    EXPECT_EQ(written.Modified, 0);
    EXPECT_EQ(written.Reserved, 1.0);
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d{1,2}-\\d{1,2} \\d{1,2}:\\d{1,2}:\\d{1,2}$")
                    .match(QString::fromLatin1(written.History.EditTime))
                    .hasMatch())
        << written.History.EditTime.toStdString();
    EXPECT_NE(written.History.EditTime, "1999-1-1 0:0:0");

    const QByteArray bytes = readAll(path);
    EXPECT_EQ(bytes.mid(bodyStart(bytes), 3), QByteArray(3, '\0')) << "the empty password";

    TZd740drive read;
    ASSERT_EQ(DasFile::read(path, read).outcome, DasFile::Outcome::Complete);
    EXPECT_EQ(read.Reserved, 1.0);
    EXPECT_EQ(read.BitTypes, written.BitTypes);
    EXPECT_EQ(read.WordTypes, written.WordTypes);
    EXPECT_EQ(read.SpareTable, written.SpareTable);
    EXPECT_EQ(read.Captions, written.Captions);
    EXPECT_EQ(read.History, written.History);
    EXPECT_EQ(read.Password, "");
    EXPECT_EQ(read.PlcIndex, -1);
    EXPECT_EQ(read.StationMax, 255);
    EXPECT_EQ(read.BaudRate, 9600);
    EXPECT_EQ(read.DriveFile, "new");
}

// Read, write, read: every field of the hand-made model survives.
TEST(DasFileWrite, HandMadeModelSurvivesWriteAndRead)
{
    QTemporaryDir dir;
    TZd740drive r;
    DasFile::parse(handMadeModel().bytes(), r, "hand.das");
    r.Reserved = 3.5; // forced back to 1.0
    ASSERT_TRUE(DasFile::write(r, dir.filePath("m.das")).ok);
    TZd740drive back;
    ASSERT_EQ(DasFile::read(dir.filePath("m.das"), back).outcome, DasFile::Outcome::Complete);
    expectHandMadeModel(back, false);
    EXPECT_EQ(back.History.EditTime, r.History.EditTime);
}

TEST(DasFileWrite, TwoWritesDifferInTheirFiller)
{
    QTemporaryDir dir;
    TZd740drive r;
    ASSERT_TRUE(DasFile::write(r, dir.filePath("a.das")).ok);
    ASSERT_TRUE(DasFile::write(r, dir.filePath("b.das")).ok);
    const QByteArray a = readAll(dir.filePath("a.das"));
    const QByteArray b = readAll(dir.filePath("b.das"));
    EXPECT_NE(a.left(bodyStart(a)), b.left(bodyStart(b)));
    EXPECT_EQ(a.mid(bodyStart(a)), b.mid(bodyStart(b)));
}

// A write that fails leaves the old file and the record as they were.
TEST(DasFileWrite, FailedWriteKeepsOldFileAndRecord)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("m.das");
    TZd740drive r;
    ASSERT_TRUE(DasFile::write(r, path).ok);
    const QByteArray before = readAll(path);

    r.Modified = 1;
    r.History.EditTime = "kept";
    r.WordTypes[0].Name = QByteArray(0x10000, 'n');
    const DasFile::WriteResult tooLong = DasFile::write(r, path);
    EXPECT_FALSE(tooLong.ok);
    EXPECT_TRUE(tooLong.error.contains("m.das")) << tooLong.error.toStdString();
    EXPECT_TRUE(tooLong.error.contains("WordTypes[0].Name")) << tooLong.error.toStdString();
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(r.Modified, 1);
    EXPECT_EQ(r.History.EditTime, "kept");

    r.WordTypes[0].Name = "D";
    const DasFile::WriteResult noFolder = DasFile::write(r, dir.filePath("missing/m.das"));
    EXPECT_FALSE(noFolder.ok);
    EXPECT_TRUE(noFolder.error.contains("missing/m.das"));
    EXPECT_EQ(r.Modified, 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"m.das"});
}
