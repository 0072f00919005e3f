#pragma once

#include "TRect.h"

#include <QByteArray>
#include <QImage>
#include <vector>

// Draws a dot image record (block type 3: type, length, top, left, dot image)
// onto a 192 x 64 canvas: each run's dots white where lit, black where not.
// Dots off the canvas and a damaged image are left out.
void DrawDotRecord(QImage& canvas, const QByteArray& record);

// One dot image record of the box of the panel showing all records drawn on
// black: block type 3, length, top and left of the box, the picture packed at
// origin (0, 0). Empty when the box has no area on the panel.
QByteArray MergeDotRecords(const std::vector<QByteArray>& records, const TRect& box);
