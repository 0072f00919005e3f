#include "DesignerApplication.h"

#include "ExceptionHandler.h"
#include "Version.h"

DesignerApplication::DesignerApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("designer"));
    setApplicationDisplayName(QStringLiteral("ZD-740 Designer"));
    setApplicationVersion(QStringLiteral(ZD740_VERSION));
    setOrganizationName(QStringLiteral("zd740-designer"));
}

bool DesignerApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ExceptionHandler::handle(e);
    } catch (...) {
        ExceptionHandler::handle(QStringLiteral("Exception"), QStringLiteral("unknown exception"));
    }
    return false;
}
