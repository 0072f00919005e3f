// Scanning the catalogue folder: which files load, in which order, and what
// is reported about the ones that cannot be read in full.

#include "Catalogue.h"
#include "CatalogueFolder.h"
#include "HandMadeModel.h"

#include <gtest/gtest.h>

namespace {

QList<QByteArray> driveFiles(const Catalogue& catalogue)
{
    QList<QByteArray> names;
    for (const auto& record : catalogue.records())
        names << record->DriveFile;
    return names;
}

} // namespace

// File names decide the order of equal IDs, whatever order the system lists
// the folder in; then the list is ordered by PlcID.
TEST(CatalogueScan, LoadsFilesByNameThenOrdersByPlcID)
{
    CatalogueFolder folder;
    folder.writeModel("d", 30, 3, "D");
    folder.writeModel("b", 30, 1, "B");
    folder.writeModel("c", 25, 2, "C");
    folder.writeModel("A_upper", 40, 4, "E");
    QFile::rename(folder.file("A_upper.das"), folder.file("E.DAS"));
    QDir(folder.path()).mkdir("folder.das");
    folder.writeBytes("notes.txt", "not a model");

    Catalogue catalogue;
    catalogue.scan(folder.path());
    EXPECT_EQ(driveFiles(catalogue), (QList<QByteArray>{"c", "b", "d", "E"}));
    EXPECT_TRUE(catalogue.lastScanErrors().isEmpty());
    EXPECT_EQ(catalogue.find(30)->DriveFile, "b");
    for (const auto& record : catalogue.records())
        EXPECT_EQ(record->Modified, 0);

    catalogue.scan(folder.file("no such folder"));
    EXPECT_TRUE(catalogue.records().empty());
    EXPECT_TRUE(catalogue.lastScanErrors().isEmpty());
}

// Damaged files are left out and named; files that end early or whose content
// cannot be read stay, with a warning on the record and in the scan.
TEST(CatalogueScan, ReportsFilesItCannotReadInFull)
{
    CatalogueFolder folder;
    const DasBytes model = handMadeModel();
    folder.writeModel("good", 21, 0, "Good");
    QByteArray damaged = model.bytes();
    damaged.replace(model.at("caption count"), 4, DasBytes().i32(9).bytes());
    folder.writeBytes("damaged.das", damaged);
    folder.writeBytes("short.das", model.bytes().left(model.at("BaudRate")));
    folder.writeBytes("unread.das", DasBytes().i32(7).raw(model.bytes().mid(4)).bytes());

    Catalogue catalogue;
    catalogue.scan(folder.path());
    ASSERT_EQ(catalogue.lastScanErrors().size(), 1);
    EXPECT_TRUE(catalogue.lastScanErrors()[0].contains("damaged.das"));
    EXPECT_TRUE(catalogue.lastScanErrors()[0].contains(
        QStringLiteral("byte %1, caption count").arg(model.at("caption count"))))
        << catalogue.lastScanErrors()[0].toStdString();

    ASSERT_EQ(catalogue.records().size(), 3u);
    const TZd740drive* unread = catalogue.records()[0].get(); // PlcID 0
    EXPECT_EQ(unread->DriveFile, "unread");
    EXPECT_EQ(unread->Captions[0], "Unknow PLC");
    EXPECT_TRUE(unread->contentUnread);
    EXPECT_TRUE(unread->readWarning.contains("unread.das"));
    const TZd740drive* good = catalogue.find(21);
    EXPECT_TRUE(good->readWarning.isEmpty());
    const TZd740drive* cut = catalogue.find(42);
    ASSERT_NE(cut, nullptr);
    EXPECT_FALSE(cut->contentUnread);
    EXPECT_TRUE(cut->readWarning.contains("BaudRate")) << cut->readWarning.toStdString();
    EXPECT_EQ(cut->BaudRate, 9600);
    EXPECT_EQ(catalogue.lastScanWarnings().size(), 2);
}
