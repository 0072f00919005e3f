#pragma once

#include "PackDotImage.h"

#include <QByteArray>

class TLcdBitmap;
class TLcdBZTU;
class TLcdFText;
class TLcdLightDtext;
class TLcdText;
class Tlcdqushitu;

// The dot images the object records carry, one function per use. Each packs
// at origin (0, 0): the record holds the object's position. When a picture
// cannot be made the result is empty (no bytes, run count 0) and the record
// goes without a dot image. An empty text packs to the 7-byte image without
// runs.
//
// Texts follow their object's language (its context), double size and
// reverse.

// A text in a text object's style: its Windows font with UseWinFont, else the
// panel's characters. Static texts (their Text) and state captions.
TDotImage TextDotImage(const TLcdText& object, const QByteArray& text);
// One of a register's unit texts: always the panel's characters, with the
// register's double size and reverse.
TDotImage UnitTextDotImage(const TLcdFText& object, const QByteArray& unitText);
// An alarm text: the panel's characters at normal size, never reversed.
TDotImage AlarmTextDotImage(const QByteArray& text, int language);
// A message display's caption in its Windows font, in a box of the object's
// Width x Height, packed in whole bands so the box clears what was shown before.
TDotImage MessageCaptionDotImage(const TLcdLightDtext& object, const QByteArray& caption);
// The top left Width x Height of the bitmap's picture; what the picture does
// not cover is unlit. Empty without a picture or without area.
TDotImage BitmapDotImage(const TLcdBitmap& object);
// The bar graph's scale for its direction, without a value, in whole bands.
TDotImage BarScaleDotImage(const TLcdBZTU& object);
// The trend chart's axes and ticks, without samples.
TDotImage TrendFrameDotImage(const Tlcdqushitu& object);
