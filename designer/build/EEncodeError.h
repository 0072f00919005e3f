#pragma once

#include <QString>
#include <stdexcept>

// An object that cannot become a record the panel would read correctly: an
// address that does not fit the record, a value out of range, a value text
// that is not a number. The message names the screen and the object; the
// build stops instead of downloading a wrong record.
class EEncodeError : public std::runtime_error
{
public:
    explicit EEncodeError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};
