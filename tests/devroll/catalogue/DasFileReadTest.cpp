// Reading ".das" files: a hand-assembled file field by field, files cut short
// at every kind of place, and damaged counts and texts.

#include "DasFile.h"
#include "HandMadeModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray patched(QByteArray bytes, qsizetype at, const QByteArray& with)
{
    bytes.replace(at, with.size(), with);
    return bytes;
}

QByteArray le32(qint32 v)
{
    return DasBytes().i32(v).bytes();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(DasFileRead, HandMadeFileReadsBackFieldByField)
{
    const DasBytes file = handMadeModel();
    TZd740drive r;
    const DasFile::ReadResult result = DasFile::parse(file.bytes(), r, "hand.das");
    EXPECT_EQ(result.outcome, DasFile::Outcome::Complete) << result.message.toStdString();
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(r.Modified, 0);
    expectHandMadeModel(r);
}

TEST(DasFileRead, PathGivesFilePathAndDriveFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Model.v2.das");
    writeFile(path, handMadeModel().bytes());
    TZd740drive r;
    ASSERT_EQ(DasFile::read(path, r).outcome, DasFile::Outcome::Complete);
    EXPECT_EQ(r.FilePath, QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(r.DriveFile, "Model.v2");
    EXPECT_EQ(r.Modified, 0);
}

TEST(DasFileRead, MissingFileKeepsTheNewRecord)
{
    QTemporaryDir dir;
    TZd740drive r;
    const DasFile::ReadResult result = DasFile::read(dir.filePath("none.das"), r);
    EXPECT_EQ(result.outcome, DasFile::Outcome::Missing);
    EXPECT_FALSE(result.kept());
    EXPECT_EQ(r.Modified, 1);
    EXPECT_TRUE(r.FilePath.isEmpty());
    EXPECT_TRUE(r.DriveFile.isEmpty());
}

TEST(DasFileRead, EmptyTextIsLengthZeroAndItsZeroByte)
{
    const DasBytes file = handMadeModel();
    EXPECT_EQ(file.bytes().mid(file.at("History.Notes"), 3), QByteArray(3, '\0'));
    TZd740drive r;
    r.History.Notes = "not empty";
    DasFile::parse(file.bytes(), r, "hand.das");
    EXPECT_TRUE(r.History.Notes.isEmpty());
}

// The first filler count decides whether anything is read at all.
TEST(DasFileRead, FirstFillerCountOutOfRangeKeepsOnlyDefaults)
{
    for (qint32 f1 : {-1, 0, 99, 500, 0x7FFFFFFF}) {
        SCOPED_TRACE(f1);
        TZd740drive r;
        const DasFile::ReadResult result =
            DasFile::parse(patched(handMadeModel().bytes(), 0, le32(f1)), r, "f1.das");
        EXPECT_EQ(result.outcome, DasFile::Outcome::Unread);
        EXPECT_TRUE(result.kept());
        EXPECT_TRUE(result.message.contains("f1.das")) << result.message.toStdString();
        EXPECT_EQ(r.Modified, 0);
        EXPECT_EQ(r.Captions[0], "Unknow PLC");
        EXPECT_EQ(r.PlcID, 0);
        EXPECT_EQ(r.PlcIndex, -1);
        EXPECT_EQ(r.PassProtect, 0);
    }
    for (qint32 f1 : {100, 499}) {
        // In range, but the filler is then longer or shorter than the file's: only the count is checked.
        TZd740drive r;
        EXPECT_NE(DasFile::parse(patched(handMadeModel().bytes(), 0, le32(f1)), r, "f1.das").outcome,
                  DasFile::Outcome::Unread);
    }
}

// A file cut short keeps what it had; from the cut on the fields keep their defaults.
TEST(DasFileRead, FileEndingEarlyKeepsWhatWasReadAndSaysWhere)
{
    const DasBytes file = handMadeModel();
    struct Cut
    {
        qsizetype at;
        const char* field;
    };
    const Cut cuts[] = {
        {0, "filler count F1"},
        {2, "filler count F1"},
        {file.at("filler 1") + 10, "filler 1"},
        {file.at("F2") + 3, "filler count F2"},
        {file.at("filler 2") + 4, "filler 2"},
        {file.at("Password") + 3, "Password"},
        {file.at("Reserved") + 7, "Reserved"},
        {file.at("Captions[1]") + 1, "Captions[1]"},
        {file.at("BitTypes count"), "BitTypes count"},
        {file.at("BitTypes[1]") + 30, "BitTypes count"}, // two types cannot fit in what is left
        {file.at("BaudRate") + 2, "BaudRate"},
        {file.at("WordTypes[0].tail"), "WordTypes count"},
        {file.at("History.EditTime") + 5, "History.EditTime"},
        {file.at("SpareTable") + 200, "SpareTable"},
    };
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.field);
        TZd740drive r;
        const DasFile::ReadResult result = DasFile::parse(file.bytes().left(cut.at), r, "cut.das");
        EXPECT_EQ(result.outcome, DasFile::Outcome::EndsEarly);
        EXPECT_TRUE(result.kept());
        EXPECT_EQ(result.field, cut.field);
        EXPECT_LE(result.offset, cut.at);
        EXPECT_TRUE(result.message.contains("cut.das")) << result.message.toStdString();
        EXPECT_TRUE(result.message.contains(cut.field)) << result.message.toStdString();
        EXPECT_EQ(r.Modified, 0);
    }

    // What the record holds at some of those cuts.
    TZd740drive captions;
    DasFile::parse(file.bytes().left(file.at("Captions[1]") + 1), captions, "cut.das");
    EXPECT_EQ(captions.Captions[0], "\xC4\xA3\xD0\xCD\xBC\xD7");
    EXPECT_EQ(captions.Captions[1], "Unknow PLC");
    EXPECT_EQ(captions.PlcID, 0);
    EXPECT_EQ(captions.Password, "pw");

    TZd740drive types;
    DasFile::parse(file.bytes().left(file.at("BitTypes[1]") + 30), types, "cut.das");
    EXPECT_EQ(types.PlcID, 42);
    ASSERT_EQ(types.BitTypes.size(), 1u);
    EXPECT_EQ(types.BitTypes[0].Name, "M"); // the list of a new record

    TZd740drive spare;
    DasFile::parse(file.bytes().left(file.at("SpareTable") + 200), spare, "cut.das");
    EXPECT_EQ(spare.PlcIndex, 77);
    EXPECT_EQ(spare.SpareTable[0], 0); // not half read
}

// A type list is read type by type: a file cut inside the last type keeps the
// types before it.
TEST(DasFileRead, CutInsideTheLastTypeKeepsTheTypesBefore)
{
    DasBytes f;
    f.i32(100).raw(QByteArray(101, 0)).u8(0).i32(0).i32(0).text("").f64(1.0).i32(3);
    f.text("a").text("b").text("c").i32(30).u8(0).i32(0).raw(QByteArray(6, 0));
    f.i32(2).mark("type 0").text(QByteArray(200, 'L')).raw(QByteArray(77 + 23, 0));
    f.mark("type 1").text("Q").u16(4);
    TZd740drive r;
    const DasFile::ReadResult result = DasFile::parse(f.bytes(), r, "long.das");
    EXPECT_EQ(result.outcome, DasFile::Outcome::EndsEarly);
    EXPECT_EQ(result.field, "BitTypes[1].CodeIsIndex");
    EXPECT_EQ(result.offset, f.bytes().size());
    ASSERT_EQ(r.BitTypes.size(), 1u);
    EXPECT_EQ(r.BitTypes[0].Name, QByteArray(200, 'L'));
}

// Counts and texts that no writer makes: the file is refused and the record left alone.
TEST(DasFileRead, DamagedCountsAndTextsAreRefusedWithThePlace)
{
    const DasBytes file = handMadeModel();
    const QByteArray bytes = file.bytes();
    struct Damage
    {
        const char* what;
        QByteArray bytes;
        const char* field;
        qsizetype offset;
    };
    const Damage damages[] = {
        {"negative F2", patched(bytes, file.at("F2"), le32(-1)), "filler count F2", file.at("F2")},
        {"two captions", patched(bytes, file.at("caption count"), le32(2)), "caption count",
         file.at("caption count")},
        {"four captions", patched(bytes, file.at("caption count"), le32(4)), "caption count",
         file.at("caption count")},
        {"negative bit types", patched(bytes, file.at("BitTypes count"), le32(-1)), "BitTypes count",
         file.at("BitTypes count")},
        {"negative word types", patched(bytes, file.at("WordTypes count"), le32(INT32_MIN)),
         "WordTypes count", file.at("WordTypes count")},
        {"password without zero", patched(bytes, file.at("Password") + 4, "x"), "Password",
         file.at("Password") + 4},
        {"name one byte too long", patched(bytes, file.at("BitTypes[0]"), DasBytes().u16(2).bytes()),
         "BitTypes[0].Name", file.at("BitTypes[0]") + 4},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        TZd740drive r;
        r.PlcID = 99;
        const DasFile::ReadResult result = DasFile::parse(d.bytes, r, "bad.das");
        EXPECT_EQ(result.outcome, DasFile::Outcome::Damaged);
        EXPECT_FALSE(result.kept());
        EXPECT_EQ(result.field, d.field);
        EXPECT_EQ(result.offset, d.offset);
        EXPECT_TRUE(
            result.message.contains(QStringLiteral("bad.das: byte %1, %2").arg(d.offset).arg(d.field)))
            << result.message.toStdString();
        EXPECT_EQ(r.PlcID, 99);
        EXPECT_EQ(r.Modified, 1);
    }
}

// Huge counts and lengths are checked against the bytes left before anything
// is allocated or looped over.
TEST(DasFileRead, HugeCountsAndLengthsStopAtOnce)
{
    const DasBytes file = handMadeModel();
    const QByteArray bytes = file.bytes();
    struct Huge
    {
        QByteArray bytes;
        const char* field;
    };
    const Huge cases[] = {
        {patched(bytes, file.at("F2"), le32(INT32_MAX)), "filler 2"},
        {patched(bytes, file.at("Password"), DasBytes().u16(0xFFFF).bytes()), "Password"},
        {patched(bytes, file.at("BitTypes count"), le32(INT32_MAX)), "BitTypes count"},
        {patched(bytes, file.at("WordTypes count"), le32(1 << 24)), "WordTypes count"},
    };
    for (const Huge& c : cases) {
        SCOPED_TRACE(c.field);
        TZd740drive r;
        const DasFile::ReadResult result = DasFile::parse(c.bytes, r, "huge.das");
        EXPECT_EQ(result.outcome, DasFile::Outcome::EndsEarly);
        EXPECT_EQ(result.field, c.field);
    }
}

TEST(DasFileRead, FoldersAndOversizedFilesAreNotRead)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("folder.das");
    TZd740drive r;
    EXPECT_EQ(DasFile::read(dir.filePath("folder.das"), r).outcome, DasFile::Outcome::OpenFailed);

    QFile big(dir.filePath("big.das"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(handMadeModel().bytes());
    ASSERT_TRUE(big.resize(DasFile::MaxFileSize + 1));
    big.close();
    const DasFile::ReadResult result = DasFile::read(dir.filePath("big.das"), r);
    EXPECT_EQ(result.outcome, DasFile::Outcome::OpenFailed);
    EXPECT_TRUE(result.message.contains("big.das"));
    EXPECT_EQ(r.Modified, 1);
}
