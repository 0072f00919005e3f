#include "LogWriters.h"

#include "AppPaths.h"
#include "GbkCodec.h"
#include "LocaleInfo.h"
#include "MarkerFiles.h"
#include "TickCount.h"

#include <QFile>
#include <atomic>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {

std::atomic<std::uint32_t> traceNumber{0};

bool appendLine(const QString& path, const QString& line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = GbkCodec::fromUnicode(line) + "\r\n";
    return file.write(bytes) == bytes.size();
}

} // namespace

QString DatedLogLine(const QString& text, const QDateTime& when)
{
    return u'[' + RegionalDateTimeText(when) + QStringLiteral("]  ") + text;
}

void AppendExceptionLog(const QString& className, const QString& message)
{
    appendLine(AppPaths::exceptionLogFile(), DatedLogLine(className + message));
}

QString ExceptionClassName(const std::exception& e)
{
    const char* mangled = typeid(e).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    QString name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
    const int scope = name.lastIndexOf(QStringLiteral("::"));
    return scope < 0 ? name : name.mid(scope + 2);
}

void AppendDownloadLog(const QString& text)
{
    if (MarkerFiles::flags().debugLog)
        appendLine(AppPaths::debugLogFile(), DatedLogLine(text));
}

void AppendDebugLog(const QString& text)
{
    if (MarkerFiles::traceLogOn())
        appendLine(AppPaths::traceLogFile(), DatedLogLine(text));
}

QString TraceFileName(int kind)
{
    const char* pattern = "temp%1.txt";
    switch (kind) {
    case 0:
        pattern = "CommRS%1.txt";
        break;
    case 1:
        pattern = "PackCode%1.txt";
        break;
    case 2:
        pattern = "blockCode%1.txt";
        break;
    case 4:
        pattern = "AlrmCode%1.txt";
        break;
    }
    return QString::fromLatin1(pattern).arg(TraceNumber());
}

bool AppendTrace(int kind, const QString& line)
{
    return appendLine(AppPaths::scratchFolder() + TraceFileName(kind), line);
}

std::uint32_t TraceNumber()
{
    return traceNumber.load();
}

void TakeTraceNumber()
{
    traceNumber = GetTickCount();
}

void SetTraceNumber(std::uint32_t number)
{
    traceNumber = number;
}

QString HexBytesText(const QByteArray& bytes, const QString& prefix, const QString& suffix)
{
    QString text;
    text.reserve(bytes.size() * (2 + prefix.size() + suffix.size()));
    for (char b : bytes)
        text += prefix +
                QStringLiteral("%1").arg(static_cast<unsigned char>(b), 2, 16, QLatin1Char('0')).toUpper() +
                suffix;
    return text;
}
