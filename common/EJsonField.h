#pragma once

#include "EReadError.h"

#include <QString>

// A JSON field that cannot be read: the wrong kind of value, a number outside
// its range, a text GBK cannot hold, a field nothing knows. what() is
// "path: message", the path naming the field ("Screens[0].ScreenNo").
class EJsonField : public EReadError
{
public:
    EJsonField(const QString& path, const QString& message)
        : EReadError((path + QStringLiteral(": ") + message).toStdString()), path_(path), message_(message)
    {}

    const QString& path() const { return path_; }
    const QString& message() const { return message_; }

private:
    QString path_;
    QString message_;
};
