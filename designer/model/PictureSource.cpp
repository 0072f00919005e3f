#include "PictureSource.h"

namespace {

const PictureSource*& installed()
{
    static const PictureSource* source = nullptr;
    return source;
}

} // namespace

const PictureSource* PictureSource::current()
{
    return installed();
}

void PictureSource::setCurrent(const PictureSource* source)
{
    installed() = source;
}

QImage PictureSource::Find(const QString& name)
{
    const PictureSource* source = installed();
    return source && !name.isEmpty() ? source->Picture(name) : QImage();
}
