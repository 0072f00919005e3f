#include "TPicturePack.h"

#include <QFileInfo>
#include <QResource>
#include <atomic>

TPicturePack::TPicturePack(QString name) : name_(std::move(name)) {}

TPicturePack::~TPicturePack()
{
    unload();
}

bool TPicturePack::load(const QString& path)
{
    unload();
    if (!QFileInfo(path).isFile())
        return false;
    // Each loaded pack gets a root of its own, so two packs never shadow each other.
    static std::atomic<int> counter{0};
    const QString root = QStringLiteral("/zd740pack%1").arg(++counter);
    if (!QResource::registerResource(path, root))
        return false;
    path_ = path;
    root_ = root;
    return true;
}

void TPicturePack::unload()
{
    if (!path_.isEmpty())
        QResource::unregisterResource(path_, root_);
    path_.clear();
    root_.clear();
}

QImage TPicturePack::picture(const QString& pictureName) const
{
    if (!isLoaded())
        return {};
    return QImage(u':' + root_ + u'/' + name_ + u'/' + pictureName + QStringLiteral(".png"));
}
