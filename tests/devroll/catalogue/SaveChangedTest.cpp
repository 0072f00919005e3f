// Saving the catalogue after editing: the consistency checks, the question,
// the output lines and the change log, renamed driver files, and saves that
// must not destroy a file.

#include "Catalogue.h"
#include "CatalogueFolder.h"
#include "GbkCodec.h"
#include "HandMadeModel.h"

#include <QRegularExpression>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// Answers every question with answer and keeps the questions.
struct Answers
{
    bool answer = true;
    QStringList questions;
    Catalogue::Confirm confirm()
    {
        return [this](const QString& question) {
            questions << question;
            return answer;
        };
    }
};

TZd740drive* addRecord(Catalogue& catalogue, int id, const QByteArray& caption, const QByteArray& driveFile)
{
    TZd740drive* r = catalogue.add();
    r->PlcID = id;
    r->Captions = {caption, caption, caption};
    r->DriveFile = driveFile;
    return r;
}

QStringList logLines(const CatalogueFolder& folder)
{
    QStringList lines = GbkCodec::toUnicode(folder.readBytes("driversreadme.txt")).split("\r\n");
    lines.removeAll(QString());
    return lines;
}

} // namespace

TEST(SaveChanged, ClashingRecordsBlockTheWholeSave)
{
    struct Case
    {
        const char* what;
        QByteArray captionA, captionB;
        int idA, idB;
        QByteArray fileA, fileB;
        QStringList lines;
    };
    const Case cases[] = {
        {"blanks and case", "ab", " AB ", 21, 22, "a", "b", {"设备类型重名: ab, AB "}},
        {"same ID", "P", "Q", 30, 30, "p", "q", {"设备ID重号: P, Q"}},
        {"same driver file", "P", "Q", 21, 22, "same", "same", {"驱动文件名相同: P, Q"}},
        {"all three",
         "P",
         "p",
         30,
         30,
         "f",
         "f",
         {"设备类型重名: P,p", "设备ID重号: P, p", "驱动文件名相同: P, p"}},
        {"driver files differing in case", "P", "Q", 21, 22, "a", "A", {}},
        // Two Chinese names whose second bytes are "a" and "A" are different names.
        {"GBK trail bytes", "\x81\x61", "\x81\x41", 21, 22, "x", "y", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CatalogueFolder folder;
        Catalogue catalogue;
        addRecord(catalogue, c.idA, c.captionA, c.fileA);
        addRecord(catalogue, c.idB, c.captionB, c.fileB);
        Answers answers;
        const Catalogue::SaveResult result = catalogue.saveChanged(folder.path(), answers.confirm());
        EXPECT_EQ(result.blocked, !c.lines.isEmpty());
        if (result.blocked) {
            EXPECT_EQ(result.lines, c.lines);
            EXPECT_TRUE(answers.questions.isEmpty());
            EXPECT_TRUE(folder.files().isEmpty());
        } else {
            EXPECT_EQ(folder.files().size(), 3)
                << folder.files().join(", ").toStdString(); // two models and the log
        }
    }
    EXPECT_EQ(Catalogue::blockedMessage(),
              "请确认\r\n\r\n1: 设备名是否重名?\r\n\r\n2: 判断ID号是否不重号\r\n\r\n3: 驱动文件名是否相同?");
    EXPECT_EQ(Catalogue::blockedCaption(), "错误");
}

// Two files with one PlcID both load, in file name order, and then nothing
// can be saved until one of them changes.
TEST(SaveChanged, TwoFilesWithOneIdLoadButBlockSaving)
{
    CatalogueFolder folder;
    folder.writeModel("second", 30, 1, "B");
    folder.writeModel("first", 30, 2, "A");
    const QByteArray before = folder.readBytes("first.das");
    Catalogue catalogue;
    catalogue.scan(folder.path());
    ASSERT_EQ(catalogue.records().size(), 2u);
    EXPECT_EQ(catalogue.records()[0]->DriveFile, "first");
    EXPECT_EQ(catalogue.records()[1]->DriveFile, "second");

    catalogue.records()[0]->BaudRate = 19200;
    catalogue.records()[0]->Modified = 1;
    Catalogue::SaveResult result = catalogue.saveChanged(folder.path(), {});
    EXPECT_TRUE(result.blocked);
    EXPECT_EQ(result.lines, QStringList{"设备ID重号: A, B"});
    EXPECT_EQ(folder.readBytes("first.das"), before);

    catalogue.records()[0]->PlcID = 31;
    result = catalogue.saveChanged(folder.path(), {});
    EXPECT_FALSE(result.blocked);
    EXPECT_NE(folder.readBytes("first.das"), before);
}

TEST(SaveChanged, AsksForEachModifiedRecordReportsAndLogs)
{
    CatalogueFolder folder;
    folder.writeModel("old", 21, 0, "Old");
    Catalogue catalogue;
    catalogue.scan(folder.path());
    TZd740drive* added = addRecord(catalogue, 22, "\xC4\xA3\xD0\xCD\xBC\xD7", "m1");
    added->History.Version = 2.5;
    const QString path = QDir(folder.path()).filePath("m1.das");

    Answers no;
    no.answer = false;
    Catalogue::SaveResult result = catalogue.saveChanged(folder.path(), no.confirm());
    EXPECT_EQ(no.questions, QStringList{"设备模型甲的数据已经发生变化是否要保存至\r\n\r\n文件" + path + "?"});
    EXPECT_TRUE(result.lines.isEmpty());
    EXPECT_EQ(added->Modified, 1);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(folder.file("driversreadme.txt")));

    Answers yes;
    result = catalogue.saveChanged(folder.path(), yes.confirm());
    EXPECT_EQ(yes.questions.size(), 1);
    EXPECT_EQ(result.lines, QStringList{"设备模型甲数据更改,已重新保存至\r\n文件:" + path});
    EXPECT_TRUE(result.failures.isEmpty());
    EXPECT_EQ(added->Modified, 0);
    EXPECT_EQ(added->FilePath, path);
    TZd740drive back;
    ASSERT_EQ(DasFile::read(path, back).outcome, DasFile::Outcome::Complete);
    EXPECT_EQ(back.PlcID, 22);

    added->History.Version = 3.125;
    added->Modified = 1;
    catalogue.saveChanged(folder.path(), {});
    const QStringList log = logLines(folder);
    ASSERT_EQ(log.size(), 2);
    const QRegularExpression line(
        "^\\[([^\\]]+ \\d\\d:\\d\\d:\\d\\d)\\]  Change :模型甲,  filename= m1, ver=(\\d\\.\\d\\d)$");
    ASSERT_TRUE(line.match(log[0]).hasMatch()) << log[0].toStdString();
    EXPECT_EQ(line.match(log[0]).captured(2), "2.50");
    EXPECT_EQ(line.match(log[1]).captured(2), "3.13");
    EXPECT_TRUE(folder.readBytes("driversreadme.txt").contains("Change :\xC4\xA3\xD0\xCD\xBC\xD7,")) << "GBK";
}

// A record saved under a new driver file name leaves no old file behind, so
// the next scan finds it once.
TEST(SaveChanged, RenamedRecordLeavesNoOldFile)
{
    CatalogueFolder folder;
    folder.writeModel("old", 21, 0, "M");
    Catalogue catalogue;
    catalogue.scan(folder.path());
    catalogue.records()[0]->DriveFile = "new";
    catalogue.records()[0]->Modified = 1;
    const Catalogue::SaveResult result = catalogue.saveChanged(folder.path(), {});
    EXPECT_TRUE(result.failures.isEmpty()) << result.failures.join("\n").toStdString();
    EXPECT_EQ(folder.files(), (QStringList{"driversreadme.txt", "new.das"}));
    catalogue.scan(folder.path());
    ASSERT_EQ(catalogue.records().size(), 1u);
    EXPECT_EQ(catalogue.records()[0]->DriveFile, "new");
}

// Two records swapping driver file names: the one whose new file still holds
// the other waits for the next save, and no model is lost on the way.
TEST(SaveChanged, SwappedDriverFilesNeverLoseAModel)
{
    CatalogueFolder folder;
    folder.writeModel("a", 30, 0, "X");
    folder.writeModel("y", 20, 1, "Y");
    Catalogue catalogue;
    catalogue.scan(folder.path());
    TZd740drive* y = catalogue.find(20);
    TZd740drive* x = catalogue.find(30);
    y->DriveFile = "a";
    x->DriveFile = "b";
    y->Modified = x->Modified = 1;

    Catalogue::SaveResult result = catalogue.saveChanged(folder.path(), {});
    ASSERT_EQ(result.failures.size(), 1);
    EXPECT_TRUE(result.failures[0].contains("a.das")) << result.failures[0].toStdString();
    EXPECT_EQ(y->Modified, 1);
    EXPECT_EQ(x->Modified, 0);
    EXPECT_EQ(folder.files(), (QStringList{"b.das", "driversreadme.txt", "y.das"}));

    result = catalogue.saveChanged(folder.path(), {});
    EXPECT_TRUE(result.failures.isEmpty());
    EXPECT_EQ(folder.files(), (QStringList{"a.das", "b.das", "driversreadme.txt"}));
    catalogue.scan(folder.path());
    EXPECT_EQ(catalogue.find(20)->DriveFile, "a");
    EXPECT_EQ(catalogue.find(30)->DriveFile, "b");
}

// Files the catalogue could not read are never written over behind the
// user's back: a file the scan left out, or one whose content was not read.
TEST(SaveChanged, FilesItCouldNotReadAreNotOverwritten)
{
    CatalogueFolder folder;
    const DasBytes model = handMadeModel();
    QByteArray damaged = model.bytes();
    damaged.replace(model.at("BitTypes count"), 4, DasBytes().i32(-1).bytes());
    folder.writeBytes("bad.das", damaged);
    const QByteArray unread = DasBytes().i32(7).raw(model.bytes().mid(4)).bytes();
    folder.writeBytes("junk.das", unread);

    Catalogue catalogue;
    catalogue.scan(folder.path());
    ASSERT_EQ(catalogue.records().size(), 1u);
    TZd740drive* fresh = addRecord(catalogue, 50, "Fresh", "bad");
    TZd740drive* kept = catalogue.records()[0].get();
    kept->DriveFile = "fixed";
    kept->PlcID = 51;
    kept->Modified = 1;

    const Catalogue::SaveResult result = catalogue.saveChanged(folder.path(), {});
    ASSERT_EQ(result.failures.size(), 1);
    EXPECT_TRUE(result.failures[0].contains("bad.das")) << result.failures[0].toStdString();
    EXPECT_TRUE(result.lines.contains(result.failures[0]));
    EXPECT_EQ(fresh->Modified, 1);
    EXPECT_EQ(folder.readBytes("bad.das"), damaged);
    EXPECT_EQ(kept->Modified, 0);
    EXPECT_EQ(folder.readBytes("junk.das"), unread) << "the renamed record never stood for this file";
    EXPECT_TRUE(QFile::exists(folder.file("fixed.das")));
}

TEST(SaveChanged, DriverFileNamesMustNameAFileInTheFolder)
{
    for (const char* name : {"", "../escape", "a/b", "a\\b", "tab\there"}) {
        SCOPED_TRACE(name);
        CatalogueFolder folder;
        QDir(folder.path()).mkdir("inner");
        Catalogue catalogue;
        TZd740drive* r = addRecord(catalogue, 21, "M", name);
        const Catalogue::SaveResult result = catalogue.saveChanged(folder.file("inner"), {});
        EXPECT_EQ(result.failures.size(), 1);
        EXPECT_EQ(r->Modified, 1);
        EXPECT_TRUE(folder.files().isEmpty());
        EXPECT_TRUE(QDir(folder.file("inner")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
}

// A write that fails half way (the file size limit here) keeps the old file
// and the record's Modified flag, and says so.
TEST(SaveChanged, FailedWriteKeepsOldFileAndModified)
{
    CatalogueFolder folder;
    folder.writeModel("m", 21, 0, "M");
    const QByteArray before = folder.readBytes("m.das");
    Catalogue catalogue;
    catalogue.scan(folder.path());
    TZd740drive* r = catalogue.records()[0].get();
    r->BaudRate = 38400;
    r->Modified = 1;

    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const Catalogue::SaveResult result = catalogue.saveChanged(folder.path(), {});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(result.failures.size(), 1);
    EXPECT_TRUE(result.failures[0].contains("m.das")) << result.failures[0].toStdString();
    EXPECT_EQ(r->Modified, 1);
    EXPECT_EQ(folder.readBytes("m.das"), before);
    EXPECT_EQ(folder.files(), QStringList{"m.das"}) << "no log line, no leftover temporary file";
}

TEST(SaveChanged, CreatesTheFolder)
{
    CatalogueFolder folder;
    Catalogue catalogue;
    addRecord(catalogue, 21, "M", "m");
    const QString path = folder.file("plcdrives");
    EXPECT_TRUE(catalogue.saveChanged(path, {}).failures.isEmpty());
    EXPECT_TRUE(QFile::exists(path + "/m.das"));
}
