#pragma once

class QPainter;
class TLcdBitmap;
class TLcdKey;
class TLcdLight;

// Drawing of the objects shown as pictures: lamps and keys (pictures of the
// key and lamp pack, taken afresh on every drawing so that they follow the
// object's flags and live state) and bitmaps. A missing picture is not drawn.

// The lamp picture for its current state, stretched into its pixel rectangle.
void PaintLampBody(TLcdLight& object, QPainter& canvas);
// Sized 16 x 16 (32 x 32 with double size), kept inside the panel, drawn and marked.
void PaintLamp(TLcdLight& object, QPainter& canvas);

// The key on a scratch picture of 16 x 16 dots (32 x 16 with the hand beside
// it) at the object's zoom, white behind a reversed key and black otherwise,
// stretched into the key's rectangle; the key's size follows (16 x 16 when
// invisible, doubled with double size) and it is kept inside the panel.
void PaintKeyBody(TLcdKey& object, QPainter& canvas);
void PaintKey(TLcdKey& object, QPainter& canvas);

// The whole picture stretched into the object's pixel rectangle.
void PaintBitmapBody(const TLcdBitmap& object, QPainter& canvas);
void PaintBitmap(const TLcdBitmap& object, QPainter& canvas);
