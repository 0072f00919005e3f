#include "TCursorShapes.h"

#include "TPicturePack.h"

#include <QPixmap>

namespace {

Qt::CursorShape systemShape(int n)
{
    switch (n) {
    case 4:
        return Qt::CrossCursor;
    case 5:
        return Qt::WhatsThisCursor;
    case 9:
        return Qt::SizeBDiagCursor;
    case 10:
        return Qt::SizeVerCursor;
    case 11:
        return Qt::SizeFDiagCursor;
    case 12:
        return Qt::SizeHorCursor;
    case 14:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// Arrows point with their top-left corner; the other shapes with their middle.
QPoint hotSpot(int n, const QImage& picture)
{
    if (systemShape(n) == Qt::ArrowCursor)
        return {1, 1};
    return {picture.width() / 2, picture.height() / 2};
}

} // namespace

TCursorShapes::TCursorShapes()
{
    for (int n = 1; n <= 15; ++n)
        shapes_[size_t(n - 1)] = QCursor(systemShape(n));
}

bool TCursorShapes::load(const QString& libFolder)
{
    TPicturePack pack(QStringLiteral("skinpak"));
    if (!pack.load(libFolder + QStringLiteral("skinpak.rcc")))
        return false;
    for (int n = 1; n <= 15; ++n) {
        const QImage picture = pack.picture(QStringLiteral("CURA%1").arg(n));
        if (!picture.isNull()) {
            const QPoint hot = hotSpot(n, picture);
            shapes_[size_t(n - 1)] = QCursor(QPixmap::fromImage(picture), hot.x(), hot.y());
        }
    }
    return true;
}

const QCursor& TCursorShapes::shape(int n) const
{
    return shapes_[size_t(n >= 1 && n <= 15 ? n - 1 : 0)];
}
