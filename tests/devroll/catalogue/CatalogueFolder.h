#pragma once

#include "DasFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A temporary "plcdrives" folder that tests fill with catalogue files.
class CatalogueFolder
{
public:
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

    // A model written by the writer as file name + ".das".
    TZd740drive writeModel(const QString& name, int id, int index, const QByteArray& caption) const
    {
        TZd740drive r;
        r.PlcID = id;
        r.PlcIndex = index;
        r.Captions = {caption, caption, caption};
        EXPECT_TRUE(DasFile::write(r, file(name + ".das")).ok);
        return r;
    }

    void writeBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray readBytes(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QStringList files() const { return QDir(path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }

private:
    QTemporaryDir dir_;
};
