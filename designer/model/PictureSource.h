#pragma once

#include <QImage>
#include <QString>

// Hands out the named pictures of keys and lamps ("mKeyleft0", "mlihgt01",
// ...). They live in the render layer's resource pack, which installs a
// source once it is loaded; until then, and when a name is unknown, objects
// get a null picture and nothing is drawn for them.
class PictureSource
{
public:
    virtual ~PictureSource() = default;

    virtual QImage Picture(const QString& name) const = 0;

    // The installed source, or null.
    static const PictureSource* current();
    // Installs a source (not owned); null removes it.
    static void setCurrent(const PictureSource* source);
    // The picture of that name from the installed source; null without one.
    static QImage Find(const QString& name);
};
