#pragma once

#include <QCursor>
#include <QString>
#include <array>

// The canvas's cursor shapes 1..15. They start as the system's own shapes
// (arrow; 4 cross; 5 help; 9..12 the sizing arrows NE-SW, N-S, NW-SE, W-E;
// 14 move) and are replaced by the pictures "CURA1".."CURA15" of
// lib/skinpak.rcc when that pack loads; a picture missing from the pack
// leaves its shape as it was.
class TCursorShapes
{
public:
    TCursorShapes();

    // Loads the pack (released again at once); false when it is missing or
    // does not load, in which case the system shapes stay.
    bool load(const QString& libFolder);

    // Shape n (1..15); the arrow for any other number.
    const QCursor& shape(int n) const;

private:
    std::array<QCursor, 15> shapes_;
};
