#pragma once

#include <QByteArray>
#include <cstdint>
#include <memory>

class QPainter;
class TLcdDText;
class TLcdFText;
class TLcdTimepiece;

// Drawing of the objects shown with the register digit glyphs: registers and
// time displays. Without the digit pictures the glyphs are not drawn; sizes
// and selection marks are.

// What a register shows in the editor: its placeholder, or "HH:MM:SS" for a
// clock register of the function-block models (PLC codes 26 and 27, Addr2 0,
// address type 4 or below).
QByteArray RegisterEditorText(const TLcdFText& object);

// The live value as the register shows it: decimal formats v x 0.1^Decimals
// as a general number, HEX/BCD v in hexadecimal with at least 2 digits.
QByteArray RegisterValueText(const TLcdFText& object, std::int64_t value);

// The state text that shows a register's unit texts as captions 0..2 (values
// "1".."3"), styled like the register and sized from its captions, placed
// just right of the register's digits. The image builder encodes it too.
std::unique_ptr<TLcdDText> MakeRegisterUnits(const TLcdFText& object);

// The register sized 8 dots per character by 16 (twice with double size),
// widened by its unit texts, kept inside the panel, drawn and marked.
void PaintRegister(TLcdFText& object, QPainter& canvas);
// The live value, with the cells that the previous, longer value used
// cleared; returns the length drawn, to be handed back the next time.
int PaintRegisterValue(TLcdFText& object, QPainter& canvas, std::int64_t value, int previousLength);

// The time display's Text cut to its last CharCount characters, or padded
// with blanks in front to CharCount.
QByteArray TimeDisplayText(const TLcdTimepiece& object);
// Sized 8 dots per shown character by 16 (twice with double size), kept
// inside the panel, drawn and marked.
void PaintTimeDisplay(TLcdTimepiece& object, QPainter& canvas);
