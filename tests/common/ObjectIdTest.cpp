#include "ObjectId.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

TEST(ObjectId, FieldsAreFourHexDigitsAndTheTickEight)
{
    const QDateTime when(QDate(2010, 3, 14), QTime(15, 9, 26, 535));
    EXPECT_EQ(FormatObjectId(when, 255), "07da_0003_000e_000f_0009_001a_0217_000000ff");
    EXPECT_EQ(FormatObjectId(when, 0xFFFFFFFFu).right(8), "ffffffff");
}

TEST(ObjectId, IdentitiesMadeInOneMillisecondStillDiffer)
{
    static const QRegularExpression shape(QStringLiteral("^([0-9a-f]{4}_){7}[0-9a-f]{8}$"));
    QSet<QString> seen;
    for (int i = 0; i < 5000; ++i) {
        const QString id = MakeObjectId();
        ASSERT_TRUE(shape.match(id).hasMatch()) << id.toStdString();
        ASSERT_FALSE(seen.contains(id)) << id.toStdString();
        seen.insert(id);
    }
}
