#pragma once

#include <QMainWindow>

// The main window. Its caption is "ZD740": a second instance looks for a
// window of exactly that caption.
class TFormmatinLCDNEW : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFormmatinLCDNEW(QWidget* parent = nullptr);

    static inline const QString Caption = QStringLiteral("ZD740");

protected:
    void resizeEvent(QResizeEvent* event) override;
};
