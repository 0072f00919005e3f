#pragma once

// The panel's character metrics of the current language, read from the
// options file section "Font%d" whenever the language is set. Program-wide,
// like the language itself.
struct TCharMetrics
{
    int LcdCharWidth = 8;         // dots per byte of text on the panel
    int LcdCharHeight = 16;       // dots per text line on the panel
    int DrawCharWidth = 18;       // editor pixels per byte of text
    int DrawCharHeight = 36;      // editor pixels per text line
    int DrawCharWidthDouble = 36; // the same at double size
    int DrawCharHeightDouble = 72;
    int PackFromLib = 0; // handed to the image builder: how text is packed
};

// The metrics in force.
TCharMetrics& CharMetrics();

// Reads section "Font<language>" of config.ini into CharMetrics(); missing
// keys and values below 1 take their defaults (PackFromLib: 0).
void LoadCharMetrics(int language);
