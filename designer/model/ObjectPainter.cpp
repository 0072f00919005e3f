#include "ObjectPainter.h"

namespace {

ObjectPainter*& installed()
{
    static ObjectPainter* painter = nullptr;
    return painter;
}

} // namespace

ObjectPainter* ObjectPainter::current()
{
    return installed();
}

void ObjectPainter::setCurrent(ObjectPainter* painter)
{
    installed() = painter;
}
