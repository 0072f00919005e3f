#pragma once

#include <QApplication>

// The application object: every exception thrown while an event is handled is
// caught here and passed to the ExceptionHandler, so one failing command never
// ends the program.
class DesignerApplication : public QApplication
{
    Q_OBJECT

public:
    DesignerApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
