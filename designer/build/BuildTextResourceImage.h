#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class TProgramObj;

// The built-in text resource image, made from a resource project (a built-in
// menu text set), not from the open project. It is loaded at panel address
// 0xF200: a table of 100 big-endian panel addresses (0 for an empty slot),
// then each entry's dot image. A screen whose ScreenSpare is 2 gives one entry
// per static text; any other screen one entry of its bitmaps and static texts
// drawn on a whole 192 x 64 canvas.
struct TTextResourceImage
{
    static constexpr int LoadAddress = 0xF200;
    static constexpr int Slots = 100;
    // The panel's address space ends at 0xFFFF: the image must fit below.
    static constexpr int MaxBytes = 0x10000 - LoadAddress;

    QByteArray bytes;
    QString error; // why no image was made
    bool ok() const { return error.isEmpty(); }
};

TTextResourceImage BuildTextResourceImage(const TProgramObj& resourceProject);
