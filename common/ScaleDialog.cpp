#include "ScaleDialog.h"

#include "InterfaceFont.h"

#include <QFont>
#include <QWidget>

void ScaleDialog(QWidget* form)
{
    if (!form)
        return;
    // Scale only once per window: a repeated call must not grow it again.
    const int dpi = form->logicalDpiX();
    if (dpi > 0 && dpi != 96 && !form->property("zd740Scaled").toBool()) {
        form->resize(form->width() * dpi / 96, form->height() * dpi / 96);
        form->setProperty("zd740Scaled", true);
    }
    QFont font(InterfaceFontName());
    font.setPointSize(9);
    form->setFont(font);
    const QSize needed = form->minimumSizeHint();
    if (needed.isValid() && (form->width() < needed.width() || form->height() < needed.height()))
        form->resize(std::max(form->width(), needed.width() + 2),
                     std::max(form->height(), needed.height() + 2));
}
