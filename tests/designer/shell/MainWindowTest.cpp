#include "DesignerApplication.h"
#include "EConvertError.h"
#include "ExceptionHandler.h"
#include "GbkCodec.h"
#include "TFormmatinLCDNEW.h"
#include "TempProgramFolder.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(MainWindow, CaptionIsZD740)
{
    TFormmatinLCDNEW window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "ZD740");
}

TEST(ExceptionHandling, AFailingCommandShowsItsMessageOnceAndLogsOneLine)
{
    TempProgramFolder folder;
    QStringList shown;
    ExceptionHandler::setPresenter([&](const QString& message) { shown << message; });

    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked,
                     [] { throw EConvertError("'abc' is not a valid integer value"); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton); // the program is still usable

    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], "'abc' is not a valid integer value");
    const QStringList log = GbkCodec::toUnicode(folder.read("except.txt")).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(log.size(), 2);
    EXPECT_TRUE(log[0].startsWith(u'['));
    EXPECT_TRUE(log[0].endsWith("]  EConvertError'abc' is not a valid integer value"))
        << log[0].toStdString();
    ExceptionHandler::setPresenter({});
}
