#pragma once

#include <QByteArray>
#include <QFont>
#include <optional>

// The fonts the panel's texts are drawn with.

// One 8 x 16 glyph of lib/DZ_EN.LIS (16 bytes), or nothing when the file is
// missing or cannot be read there. The file is opened for every lookup.
std::optional<QByteArray> LoadGlyphEn(unsigned char byte);
// One 16 x 16 glyph of lib/DZ_CH.LIS (32 bytes) for a GB2312 character, or
// nothing for a pair outside GB2312, a missing file or a read error.
std::optional<QByteArray> LoadGlyphCh(unsigned char b1, unsigned char b2);

// The family used where the panel's characters are drawn with a font: the
// language layer may choose another; the default is a CJK font from the
// system (WenQuanYi Zen Hei on Debian).
QString PanelFontFamily();
void SetPanelFontFamily(const QString& family);

// The display font of the font-drawn languages (every language but 1),
// measured at one pixel per dot; drawn without antialiasing.
QFont LcdFont();
void SetLcdFont(const QFont& font);

// A font for fixed cells: character height cellHeight pixels, characters
// squeezed or stretched so an average one is cellWidth wide; no antialiasing.
QFont FixedCellFont(int cellWidth, int cellHeight, int weight);
