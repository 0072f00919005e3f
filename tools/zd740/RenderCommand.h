#pragma once

#include <QStringList>

// zd740 render PROJECT.lzd [--screen N | --all] -o OUT.png [--lang N]: the
// editor's picture of a screen (432 x 144), without a display.
int RenderCommand(const QStringList& args);
