#pragma once

#include <QImage>
#include <QString>

// A pack of named pictures in lib/ (kelvo.rcc: keys and lamps, glyphbin.rcc:
// register digits), loaded once at start-up and kept until the program ends.
// A pack that is missing or does not load leaves its pictures empty: the
// objects that need them are drawn without them.
class TPicturePack
{
public:
    // name is the pack's own name ("kelvo", "glyphbin"), which is also the
    // folder its pictures live under inside the file.
    explicit TPicturePack(QString name);
    ~TPicturePack();
    TPicturePack(const TPicturePack&) = delete;
    TPicturePack& operator=(const TPicturePack&) = delete;

    bool load(const QString& path);
    void unload();
    bool isLoaded() const { return !path_.isEmpty(); }
    const QString& name() const { return name_; }

    // The picture of that name, or a null image.
    QImage picture(const QString& pictureName) const;

private:
    QString name_;
    QString path_;
    QString root_;
};
