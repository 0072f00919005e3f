#pragma once

#include "GbkCodec.h"

#include <QByteArray>

// What a display object needs to know about its surroundings when it is
// created or refits itself: the project's PLC code (defaults come from devroll
// for that model), the language (text measuring, default texts) and the key
// code variant of the maintenance markers.
struct TObjectContext
{
    int plcCode = 0;
    int language = 1;
    QByteArray staticTextDefault = GbkCodec::fromUnicode(QStringLiteral("文本串"));   // language key 145
    QByteArray dynamicTextDefault = GbkCodec::fromUnicode(QStringLiteral("动态文本")); // language key 146
    bool keyCodeVariant = false; // keys 0 and 1 use codes 3 and 4
};
