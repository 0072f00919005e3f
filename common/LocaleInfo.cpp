#include "LocaleInfo.h"

#include <QLocale>

QChar DecimalSeparator()
{
    static const QChar separator = [] {
        const QString point = QLocale::system().decimalPoint();
        return point.isEmpty() ? QChar(u'.') : point.front();
    }();
    return separator;
}

QString RegionalDateTimeText(const QDateTime& when)
{
    const QLocale locale = QLocale::system();
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' + when.time().toString(u"HH:mm:ss");
}
