#pragma once

#include <QString>
#include <exception>
#include <functional>

// The one place where exceptions that reach the message loop end up: the user
// sees the message in an "Error" box, except.txt gets a dated line with the
// class name and the message, and the program goes on running.
class ExceptionHandler
{
public:
    // Shows a message; the default opens a modal error box. Tests replace it so
    // they never block on a window.
    using Presenter = std::function<void(const QString& message)>;
    static void setPresenter(Presenter presenter);

    static void handle(const std::exception& e);
    static void handle(const QString& className, const QString& message);
};
