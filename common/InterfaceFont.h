#pragma once

#include <QString>

// The user-interface font that every window uses, chosen by the language
// layer when a language is loaded, and the text character set of the screen.

// The family of the interface font; the system's general font until the
// language layer sets another.
QString InterfaceFontName();
void SetInterfaceFontName(const QString& family);

// The character set number fonts are created with. Fonts on this platform
// carry no character set, so this is always the default set (1).
int ScreenCharset();
