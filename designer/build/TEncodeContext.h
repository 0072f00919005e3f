#pragma once

#include <QString>

// What the record encoders need from the project beyond the object itself.
struct TEncodeContext
{
    int plcCode = 0;
    bool keyCodeVariant = false; // the first-keys marker: keys 0 and 1 send codes 3 and 4
    QString screen;              // how messages name the screen, e.g. "screen 3"
    bool packTraces = false;     // m_DebugPackCodeToFile.tmp: captions traced to PackCode%d.txt
};
