#pragma once

#include <QStringList>

// zd740 info PROJECT.lzd [--json]: a readable summary of a project file, or
// with --json the whole project as JSON (the form zd740 create reads).
int InfoCommand(const QStringList& args);
