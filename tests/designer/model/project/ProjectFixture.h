#pragma once

#include "GbkCodec.h"
#include "TLcdBitmap.h"
#include "TLcdDText.h"
#include "TLcdFText.h"
#include "TLcdKey.h"
#include "TLcdLightDtext.h"
#include "TLcdText.h"
#include "TLcdTimepiece.h"
#include "TProgramObj.h"

#include <QImage>
#include <memory>

// A project that uses every stored part of the file: every object type, a
// text in a Windows font, a bitmap, alarms, value jumps and bit jumps, a
// file password, Chinese texts and spare bytes that are not zero.
inline std::unique_ptr<TProgramObj> FullProject()
{
    auto p = std::make_unique<TProgramObj>();
    p->ApplyPlcDefaults(0);
    p->FilePassword = QByteArray::fromHex("9c9d9e");
    p->Link.Spare8 = QByteArray::fromHex("0102030405060708090a");
    p->InitialScreen = 2;
    p->SaverWait = 10;
    p->Alarms.push_back({1, 1, 100, 0, 0, 0, GbkCodec::fromUnicode(QStringLiteral("温度过高")), 1});
    p->Alarms.push_back({2, 1, 101, 2, 0, 1, "Pump stopped", 0});
    p->BitJumps.push_back({1, 1, 20, 0, 0, 0, "to 2", 2});
    p->Jumps.push_back({7, 2});
    p->Jumps.push_back({8, 1});

    Tpageobj& main = *p->FirstScreen();
    main.Description = GbkCodec::fromUnicode(QStringLiteral("主画面"));
    for (int type : {411, 412, 413, 414, 415, 416, 417, 418, 420, 421})
        main.AddObject(type, 8, 8);
    auto& font = dynamic_cast<TLcdText&>(*main.AddObject(413, 0, 40));
    font.UseWinFont = true;
    font.Font.Name = "Courier New";
    font.Font.Size = 12;
    font.Font.Style = TFontRecord::Bold | TFontRecord::Italic;
    font.Font.Color = 0x0000FF;
    font.Font.Charset = 134;
    font.SetText("Font");
    QImage picture(24, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int i = 0; i < 10; ++i)
        picture.setPixel(i, i, qRgb(0, 0, 0));
    dynamic_cast<TLcdBitmap&>(*main.AddObject(418, 100, 30)).SetPicture(picture);
    dynamic_cast<TLcdDText&>(*main.Objects[3]).SetCaption(1, "Run");
    dynamic_cast<TLcdTimepiece&>(*main.Objects[9]).SetWeekMode(true);
    main.SelectAll(false);

    p->AddScreen(2, "second", 3, 1);
    p->FindScreen(2)->AddObject(415, 10, 10)->Selected = false;
    p->AddScreen(300, {}, 0, 0);
    return p;
}
