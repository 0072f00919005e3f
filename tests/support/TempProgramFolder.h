#pragma once

#include "AppPaths.h"
#include "MarkerFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A fresh, empty program folder for one test; the real one is restored after.
class TempProgramFolder
{
public:
    TempProgramFolder()
    {
        AppPaths::setProgramFolder(dir_.path());
        MarkerFiles::setFlags({});
    }
    ~TempProgramFolder()
    {
        AppPaths::setProgramFolder({});
        MarkerFiles::setFlags({});
    }
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    QString path(const QString& name = {}) const { return AppPaths::programFolder() + name; }

    void touch(const QString& name) const
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
    }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }

    QByteArray read(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
};
