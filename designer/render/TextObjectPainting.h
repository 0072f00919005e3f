#pragma once

#include <QByteArray>
#include <QSize>

class QPainter;
class TLcdDText;
class TLcdLightDtext;
class TLcdText;

// Drawing of the objects that show a text: static texts, state texts and
// message displays. A text is drawn in the object's style: with its Windows
// font, with the panel's fixed cells (language 1) or with the language's
// display font, white on black or black on white with Reverse, stretched by
// the zoom (twice with double size) at the object's pixel position.

// The size in dots a text takes in the object's style (0 x 0 when empty).
QSize TextDotSize(const TLcdText& object, const QByteArray& text);
// Draws a text in the object's style at the object's pixel position; the
// object's size is left alone.
void DrawObjectText(const TLcdText& object, const QByteArray& text, QPainter& canvas);

// A static text takes the size of what it draws (2 x 16 when empty, drawing
// only the selection marks), is kept inside the panel, drawn and marked.
void PaintStaticText(TLcdText& object, QPainter& canvas);
// The object's rectangle filled black, then its text; the size stays.
void PaintStaticTextBody(TLcdText& object, QPainter& canvas);

// The caption the editor shows becomes Text; the object is sized from all
// its captions, so that every state fits; then drawn as a static text.
void PaintStateText(TLcdDText& object, QPainter& canvas);
// The caption of the simulator's current value on a black rectangle.
void PaintStateTextBody(TLcdDText& object, QPainter& canvas);

// Both captions are cut to the panel width and stored back; the text shown
// is the OFF caption, else the ON caption, else "ON/OFF" (the captions then
// become "ON" and "OFF"); the object takes the size of the larger caption.
void PaintMessageDisplay(TLcdLightDtext& object, QPainter& canvas);
