#include "ScreenPicture.h"

#include "RenderTestSupport.h"
#include "TLcdBZTU.h"
#include "TLcdText.h"
#include "Tpageobj.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ScreenPictures : public WithRenderer
{
protected:
    void SetUp() override
    {
        WithRenderer::SetUp();
        screen_ = std::make_unique<Tpageobj>(std::make_shared<const TObjectContext>(context()));
        auto* text = static_cast<TLcdText*>(screen_->AddObject(413, 10, 10));
        text->SetTypedText("ABC");
        bar_ = screen_->AddObject(416, 100, 8);
        bar_->Selected = true;
    }

    std::unique_ptr<Tpageobj> screen_;
    TLCDBlockObj* bar_ = nullptr;
};

} // namespace

TEST_F(ScreenPictures, SwappedColoursWithABlackFrame)
{
    const QImage picture = ScreenPicture(*screen_, true);
    ASSERT_EQ(picture.size(), QSize(432, 144));
    // Only black and white: lit dots black on white, selection marks left out.
    EXPECT_EQ(countOf(picture, Qt::black) + countOf(picture, Qt::white), 432 * 144);
    EXPECT_EQ(screen_->CountSelected(), 2); // the new text is selected too; both stay so
    for (int x = 0; x < 432; ++x)
        ASSERT_TRUE(isColour(picture, x, 0, Qt::black) && isColour(picture, x, 143, Qt::black)) << x;
    for (int y = 0; y < 144; ++y)
        ASSERT_TRUE(isColour(picture, 0, y, Qt::black) && isColour(picture, 431, y, Qt::black)) << y;
    EXPECT_TRUE(isColour(picture, 1, 1, Qt::white));

    // Inside the frame it is the editor's drawing with its colours swapped.
    QImage editor = blackCanvas();
    {
        screen_->SelectAll(false);
        QPainter p(&editor);
        screen_->Paint(p);
    }
    const QRect inside(1, 1, 430, 142);
    int differing = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            differing += isColour(editor, x, y, Qt::black) != isColour(picture, x, y, Qt::white);
    EXPECT_EQ(differing, 0);
    EXPECT_GT(countOf(editor, Qt::white), 0);
}

TEST_F(ScreenPictures, SavedAsBmpWithoutTheFrame)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen.bmp"));
    QString error;
    ASSERT_TRUE(SaveScreenPicture(screen_.get(), path, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(2) == "BM");
    const QImage saved(path, "BMP");
    ASSERT_EQ(saved.size(), QSize(432, 144));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), ScreenPicture(*screen_, false));
    EXPECT_TRUE(isColour(saved, 0, 0, Qt::white));

    // No screen, nothing written; a folder that does not exist is an error.
    const QString none = dir.filePath(QStringLiteral("none.bmp"));
    EXPECT_TRUE(SaveScreenPicture(nullptr, none));
    EXPECT_FALSE(QFile::exists(none));
    EXPECT_FALSE(
        SaveScreenPicture(screen_.get(), dir.filePath(QStringLiteral("missing/screen.bmp")), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(ScreenPictures, CopiedToTheClipboardFramed)
{
    CopyScreenPicture(nullptr); // nothing to copy, nothing happens
    CopyScreenPicture(screen_.get());
    const QImage copied = QGuiApplication::clipboard()->image();
    if (copied.isNull())
        GTEST_SKIP() << "this platform keeps no clipboard";
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), ScreenPicture(*screen_, true));
}
