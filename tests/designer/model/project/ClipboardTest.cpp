// Copy, cut and paste through the clipboard file.

#include "ClipboardFile.h"
#include "TBinaryWriter.h"
#include "TLcdBitmap.h"
#include "TLcdKey.h"
#include "TProgramObj.h"
#include "TempProgramFolder.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

class Clipboard : public testing::Test
{
protected:
    TempProgramFolder folder;
    TProgramObj project;

    Clipboard() { project.AddScreen(2, {}, 3, 1); }

    Tpageobj& screen(std::int32_t n) { return *project.FindScreen(n); }

    TLCDBlockObj* place(std::int32_t n, int type, std::int32_t x, std::int32_t y, std::int32_t w,
                        std::int32_t h)
    {
        TLCDBlockObj* o = screen(n).AddObject(type, x, y);
        o->Width = w;
        o->Height = h;
        return o;
    }

    void writeClipboard(const QByteArray& bytes)
    {
        QFile f(ClipboardFile::path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

struct OffsetCase
{
    std::int32_t x, w, y, h;
    std::int32_t pastedX, pastedY;
};

class PasteOffset : public Clipboard, public testing::WithParamInterface<OffsetCase>
{};

TEST_P(PasteOffset, PastingOntoTheSourceScreenMovesTheCopyOff)
{
    const OffsetCase& c = GetParam();
    place(1, 413, c.x, c.y, c.w, c.h);
    ASSERT_TRUE(project.Copy(1));
    EXPECT_TRUE(project.LastClipResult);
    ASSERT_EQ(project.Paste(1), 1);
    ASSERT_EQ(screen(1).Objects.size(), 2u);
    const TLCDBlockObj& pasted = *screen(1).Objects[1];
    EXPECT_EQ(pasted.X, c.pastedX);
    EXPECT_EQ(pasted.Y, c.pastedY);
    EXPECT_TRUE(pasted.Selected);
    EXPECT_FALSE(screen(1).Objects[0]->Selected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PasteOffset,
                         testing::Values(OffsetCase{10, 20, 10, 16, 16, 14},   // room: +6, +4
                                         OffsetCase{188, 4, 60, 4, 182, 56},   // at the far edge: back
                                         OffsetCase{166, 20, 44, 16, 172, 48}, // exactly room for the step
                                         OffsetCase{3, 188, 2, 61, 0, 0}));    // no room either way: to 0

TEST_F(Clipboard, PastingOntoAnotherScreenKeepsThePlace)
{
    place(1, 415, 30, 20, 40, 16);
    place(1, 411, 100, 40, 16, 16)->Selected = false;
    // A bitmap record holds a position inside the file it is in.
    QImage picture(20, 12, QImage::Format_RGB32);
    picture.fill(Qt::black);
    auto& bitmap = dynamic_cast<TLcdBitmap&>(*screen(1).AddObject(418, 60, 30));
    bitmap.SetPicture(picture);
    place(1, 413, 0, 0, 8, 16);
    ASSERT_TRUE(project.Copy(1));
    project.Modified = false;
    EXPECT_EQ(project.Paste(2), 3);
    EXPECT_TRUE(project.Modified);
    ASSERT_EQ(screen(2).Objects.size(), 3u);
    EXPECT_EQ(screen(2).Objects[0]->TypeCode, 415);
    EXPECT_EQ(screen(2).Objects[0]->X, 30);
    EXPECT_EQ(screen(2).Objects[0]->Y, 20);
    EXPECT_EQ(dynamic_cast<TLcdBitmap&>(*screen(2).Objects[1]).Picture.size(), QSize(20, 12));
    EXPECT_EQ(screen(2).Objects[2]->TypeCode, 413);
}

TEST_F(Clipboard, CopyWithNothingSelectedRemovesTheClipboard)
{
    place(1, 413, 0, 0, 8, 16);
    ASSERT_TRUE(project.Copy(1));
    ASSERT_TRUE(QFile::exists(ClipboardFile::path()));
    screen(1).SelectAll(false);
    EXPECT_FALSE(project.Copy(1));
    EXPECT_FALSE(project.LastClipResult);
    EXPECT_FALSE(QFile::exists(ClipboardFile::path()));
    EXPECT_EQ(project.Paste(2), ClipboardFile::NoClipboard);
    EXPECT_TRUE(screen(2).Objects.empty());
}

TEST_F(Clipboard, CutRemovesWhatItCopied)
{
    place(1, 413, 0, 0, 8, 16);
    place(1, 411, 20, 0, 16, 16)->Selected = false;
    ASSERT_TRUE(project.Cut(1));
    ASSERT_EQ(screen(1).Objects.size(), 1u);
    EXPECT_EQ(screen(1).Objects[0]->TypeCode, 411);
    EXPECT_EQ(project.Paste(1), 1);
    EXPECT_EQ(screen(1).Objects[1]->X, 6);
}

TEST_F(Clipboard, APasteThatDoesNotFitPastesNothing)
{
    for (int i = 0; i < 3; ++i)
        place(1, 411, i * 16, 0, 16, 16);
    ASSERT_TRUE(project.Copy(1));
    while (screen(2).Objects.size() < 98)
        place(2, 413, 0, 0, 8, 16)->Selected = true;
    EXPECT_EQ(project.Paste(2), ClipboardFile::DoesNotFit);
    EXPECT_EQ(screen(2).Objects.size(), 98u);
    EXPECT_EQ(screen(2).CountSelected(), 0) << "the screen's objects are deselected all the same";
}

TEST_F(Clipboard, KeysTakeFreePanelKeysUntilNoneIsLeft)
{
    place(1, 413, 0, 0, 8, 16);
    auto* key = dynamic_cast<TLcdKey*>(screen(1).AddObject(412, 30, 0));
    key->KeyIndex = 3;
    screen(1).SelectAll(true);
    ASSERT_TRUE(project.Copy(1));

    EXPECT_EQ(project.Paste(2), 2);
    EXPECT_EQ(dynamic_cast<TLcdKey&>(*screen(2).Objects[1]).KeyIndex, 0);

    while (screen(2).FreeKeyIndex() >= 0)
        screen(2).AddObject(412, 0, 0);
    const size_t before = screen(2).Objects.size();
    EXPECT_EQ(project.Paste(2), ClipboardFile::NoFreeKey);
    EXPECT_EQ(screen(2).Objects.size(), before + 1) << "the text before the key stays pasted";
}

TEST_F(Clipboard, ValueObjectsStopAtTheirLimit)
{
    place(1, 416, 0, 0, 16, 48);
    ASSERT_TRUE(project.Copy(1));
    for (int i = 0; i < Tpageobj::MaxValueObjects; ++i)
        screen(2).AddObject(415, 0, 0);
    EXPECT_EQ(project.Paste(2), ClipboardFile::ValueLimit);
    EXPECT_EQ(screen(2).CountValueObjects(), Tpageobj::MaxValueObjects);
}

TEST_F(Clipboard, ADamagedClipboardKeepsWhatWasPastedAndSaysWhere)
{
    place(1, 411, 5, 5, 16, 16);
    const QByteArray good = ClipboardFile::encode(screen(1));
    ASSERT_FALSE(good.isEmpty());
    const QByteArray lamp = good.mid(8); // type code and record

    struct Case
    {
        const char* name;
        QByteArray bytes;
        int pasted;
        const char* problem;
    };
    TBinaryWriter unknownType;
    unknownType.i32(1);
    unknownType.i32(3);
    unknownType.bytes(lamp);
    unknownType.i32(419);
    unknownType.bytes(lamp.mid(4));
    TBinaryWriter cut;
    cut.i32(1);
    cut.i32(2);
    cut.bytes(lamp);
    cut.bytes(lamp.left(20));
    const Case cases[] = {{"type 419", unknownType.data(), 1, "type code 419"},
                          {"cut record", cut.data(), 1, "at byte"},
                          {"cut count", good.left(6), 0, "ends early"}};
    for (const Case& c : cases) {
        screen(2).Objects.clear();
        writeClipboard(c.bytes);
        QString problem;
        EXPECT_EQ(project.Paste(2, &problem), ClipboardFile::Damaged) << c.name;
        EXPECT_EQ(int(screen(2).Objects.size()), c.pasted) << c.name;
        EXPECT_TRUE(problem.contains(QLatin1String(c.problem))) << c.name << ": " << problem.toStdString();
        EXPECT_TRUE(problem.contains(QLatin1String("Clipboard.dat"))) << c.name;
    }
}

} // namespace
