#pragma once

#include <QString>
#include <cstdio>

// What every zd740 command shares: exit codes and message output.
namespace CommandLine {

constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;

inline void printLine(FILE* to, const QString& text)
{
    std::fprintf(to, "%s\n", text.toUtf8().constData());
}

// "zd740: " and the message on stderr; returns Failed.
inline int error(const QString& text)
{
    printLine(stderr, QStringLiteral("zd740: ") + text);
    return Failed;
}

// The command's usage line on stderr; returns Usage.
inline int usage(const char* line)
{
    std::fprintf(stderr, "Usage: zd740 %s\n", line);
    return Usage;
}

} // namespace CommandLine
