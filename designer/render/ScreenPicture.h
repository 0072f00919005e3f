#pragma once

#include <QImage>
#include <QString>

class Tpageobj;

// Pictures of a whole screen as the editor draws it (432 x 144 pixels),
// printed-page style: the lit dots black on white. Selection marks are left
// out: the picture shows the screen, not the editing state.

// The screen as the editor shows it: lit dots white on black.
QImage EditorPicture(const Tpageobj& screen);

// The screen drawn on black, its colours swapped (black becomes white, every
// other colour black) and, when framed, a one-pixel black frame along the
// picture's edges.
QImage ScreenPicture(const Tpageobj& screen, bool framed);

// The framed picture on the system clipboard. Nothing happens for a missing
// screen or without a GUI application.
void CopyScreenPicture(const Tpageobj* screen);

// The picture without the frame, written as a BMP file (atomically). A missing
// screen writes nothing and succeeds; a failed write returns false with the
// reason in *error.
bool SaveScreenPicture(const Tpageobj* screen, const QString& path, QString* error = nullptr);
