#include "InterfaceFont.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace {
QString chosenFamily;
}

QString InterfaceFontName()
{
    if (!chosenFamily.isEmpty())
        return chosenFamily;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return QStringLiteral("WenQuanYi Zen Hei");
}

void SetInterfaceFontName(const QString& family)
{
    chosenFamily = family;
}

int ScreenCharset()
{
    return 1;
}
