#pragma once

#include <QStringList>

// zd740 build PROJECT.lzd -o IMAGE.bin [--program-folder DIR] [--hex] [--lang N]:
// the panel's download image, with its size against the panel's limit.
int BuildCommand(const QStringList& args);
