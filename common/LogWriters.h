#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <exception>

// The program's log files. Each call opens the file, appends one line (GBK,
// CR LF) and closes it again, so a crash never loses a line already written.
// Dated lines read "[" date time "]  " text.

// "[" date time "]  " text, the line every dated log uses.
QString DatedLogLine(const QString& text, const QDateTime& when = QDateTime::currentDateTime());

// except.txt: one line per exception that reached the message loop: the dated
// prefix, then the class name and the message run together.
void AppendExceptionLog(const QString& className, const QString& message);
// The class name of an exception as the log shows it ("EConvertError").
QString ExceptionClassName(const std::exception& e);

// debug.txt: download and system update lines, when debug.sys was present at
// start-up (MarkerFiles::flags().debugLog); otherwise nothing happens.
void AppendDownloadLog(const QString& text);

// ztsinf123.txt: the canvas and property trace, while debug.flg exists.
void AppendDebugLog(const QString& text);

// Pack traces in the scratch folder, by kind: 0 CommRS%d.txt, 1 PackCode%d.txt,
// 2 blockCode%d.txt, 4 AlrmCode%d.txt, any other temp%d.txt, %d being the
// trace number. Callers call it only while pack traces are on. Returns false
// when the line could not be written.
bool AppendTrace(int kind, const QString& line);
QString TraceFileName(int kind);

// The trace number of the pack-trace file names: the tick count taken at
// start-up and again at the start of every download.
std::uint32_t TraceNumber();
void TakeTraceNumber();
void SetTraceNumber(std::uint32_t number);

// Each byte as two upper-case hex digits between prefix and suffix
// (" %0.2X" is prefix " "; the serial trace uses suffix " ").
QString HexBytesText(const QByteArray& bytes, const QString& prefix = QStringLiteral(" "),
                     const QString& suffix = QString());
