#pragma once

#include <QByteArray>
#include <vector>

// One character of a text as the panel sees it, with its dot pattern.
struct TDotRecord
{
    int Position = 0; // 1-based byte position in the text
    int Class = 1;    // 1 single byte (DZ_EN.LIS), 2 GB2312 (DZ_CH.LIS), 3 no pattern
    QByteArray Bytes;
    QByteArray Pattern; // 16 or 32 bytes when Found
    bool Found = false;
};

// Cuts a GBK text into character records and loads their patterns:
// bytes 0..128 are single-byte characters; 129..160 start a record of class 3
// with the next byte; 161 and up start a pair that is class 2 when both bytes
// lie in 0xA1..0xFE, else class 3; a lone last byte is class 3.
std::vector<TDotRecord> CutText(const QByteArray& text);

// The records of the last text cut, kept for the image builder.
const std::vector<TDotRecord>& DotRecords();
