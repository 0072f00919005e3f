#include "ScreenPicture.h"

#include "AtomicFile.h"
#include "DrawHelpers.h"
#include "Rounding.h"
#include "Tpageobj.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <vector>

namespace {

constexpr double CanvasZoom = 2.25;

// Paints the screen with every selection mark hidden, then shows them again.
void paintUnselected(const Tpageobj& screen, QPainter& canvas)
{
    std::vector<TLCDBlockObj*> selected;
    for (const auto& object : screen.Objects) {
        if (object && object->Selected) {
            selected.push_back(object.get());
            object->Selected = false;
        }
    }
    screen.Paint(canvas);
    for (TLCDBlockObj* object : selected)
        object->Selected = true;
}

} // namespace

QImage EditorPicture(const Tpageobj& screen)
{
    QImage picture(RoundInt(Tpageobj::PanelWidth * CanvasZoom), RoundInt(Tpageobj::PanelHeight * CanvasZoom),
                   QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter canvas(&picture);
    paintUnselected(screen, canvas);
    return picture;
}

QImage ScreenPicture(const Tpageobj& screen, bool framed)
{
    QImage picture = EditorPicture(screen);
    SwapColours(picture, Qt::black, Qt::white);
    if (framed) {
        QPainter canvas(&picture);
        canvas.setPen(QPen(Qt::black, 0));
        canvas.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    }
    return picture;
}

void CopyScreenPicture(const Tpageobj* screen)
{
    if (!screen || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    QGuiApplication::clipboard()->setImage(ScreenPicture(*screen, true));
}

bool SaveScreenPicture(const Tpageobj* screen, const QString& path, QString* error)
{
    if (!screen)
        return true;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!ScreenPicture(*screen, false).save(&buffer, "BMP")) {
        if (error)
            *error = QStringLiteral("the picture of the screen could not be made into a BMP file");
        return false;
    }
    return WriteFileAtomically(path, bytes, error);
}
