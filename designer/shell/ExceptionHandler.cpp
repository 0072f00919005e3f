#include "ExceptionHandler.h"

#include "LogWriters.h"

#include <QMessageBox>

namespace {

void showErrorBox(const QString& message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Error"), message);
}

ExceptionHandler::Presenter& presenter()
{
    static ExceptionHandler::Presenter p = showErrorBox;
    return p;
}

} // namespace

void ExceptionHandler::setPresenter(Presenter p)
{
    presenter() = p ? std::move(p) : Presenter(showErrorBox);
}

void ExceptionHandler::handle(const std::exception& e)
{
    handle(ExceptionClassName(e), QString::fromLocal8Bit(e.what()));
}

void ExceptionHandler::handle(const QString& className, const QString& message)
{
    presenter()(message);
    AppendExceptionLog(className, message);
}
