#pragma once

#include <QStringList>

// zd740 create PROJECT.json -o PROJECT.lzd: a project file from its JSON
// form; fields left out take the defaults of a new project.
int CreateCommand(const QStringList& args);
