#pragma once

#include <QByteArray>
#include <QImage>

// The panel's dot image: a run-length picture it can show without a decoder.
//
//   u16 total length (big-endian, including itself), u8 run count (including
//   the terminator), then runs: row, column, height (8, or 1..7 for the last
//   band), width w, and w column bytes whose bit k is the dot in row top + k.
//   The terminator repeats the last run's row and column with height and
//   width 0.
struct TDotImage
{
    QByteArray bytes; // empty when nothing could be rendered
    int runCount = 0;
};

// Packs the top-left min(width, 192) x min(height, 64) dots of bitmap. A dot is
// lit when round(0.3 R + 0.59 G + 0.11 B) > 128. With wholeBands each band of
// eight rows is one run over all columns; otherwise trailing zero columns are
// dropped and four or more zero columns in a row split a run.
//
// The run count is one byte: a picture that would need more than 255 runs is
// packed with whole bands instead, which shows the same dots.
TDotImage PackDotImage(const QImage& bitmap, int width, int height, int originColumn, int originRow,
                       bool wholeBands);
