#include "TFormmatinLCDNEW.h"

#include "ScaleDialog.h"

#include <QLabel>

TFormmatinLCDNEW::TFormmatinLCDNEW(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(Caption);
    auto* placeholder = new QLabel(this);
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
    resize(800, 600);
}

void TFormmatinLCDNEW::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    ScaleDialog(this);
}
