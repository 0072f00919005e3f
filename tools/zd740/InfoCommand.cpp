#include "InfoCommand.h"

#include "CommandLine.h"
#include "GbkCodec.h"
#include "ProjectFile.h"
#include "ProjectJson.h"

#include <QJsonDocument>
#include <map>

namespace {

constexpr const char* UsageLine = "info PROJECT.lzd [--json]";

QString typeName(int typeCode)
{
    static const std::map<int, const char*> names{
        {411, "lamp"},        {412, "function key"}, {413, "static text"},
        {414, "state text"},  {415, "register"},     {416, "bar graph"},
        {417, "trend chart"}, {418, "bitmap"},       {420, "message display"},
        {421, "time display"}};
    const auto it = names.find(typeCode);
    return it == names.end() ? QStringLiteral("type %1").arg(typeCode) : QLatin1String(it->second);
}

QString saverText(int wait)
{
    if (wait == 254)
        return QStringLiteral("backlight always off");
    if (wait == 255)
        return QStringLiteral("never");
    return QStringLiteral("after %1 min").arg(wait);
}

QString objectSummary(const Tpageobj& screen)
{
    std::map<int, int> byType;
    for (const auto& o : screen.Objects)
        ++byType[o->TypeCode];
    QStringList parts;
    for (const auto& [type, count] : byType)
        parts << QStringLiteral("%1 %2").arg(count).arg(typeName(type));
    return parts.isEmpty()
               ? QStringLiteral("no objects")
               : QStringLiteral("%1 objects: %2").arg(screen.Objects.size()).arg(parts.join(u", "));
}

void printSummary(const ProjectFile::Result& opened)
{
    const TProgramObj& p = *opened.project;
    const auto byte = [&opened](int i) {
        return int(std::uint8_t(opened.prefix[i]));
    };
    using CommandLine::printLine;
    printLine(stdout, QStringLiteral("%1: project file of program version %2.%3, format %4")
                          .arg(opened.path)
                          .arg(byte(0))
                          .arg(byte(1))
                          .arg(p.FormatVersion));
    printLine(stdout,
              QStringLiteral("PLC code %1; %2 screens, %3 objects; %4 alarms, %5 value jumps, %6 bit jumps")
                  .arg(p.PlcCode)
                  .arg(p.ScreenCount())
                  .arg(p.TotalObjectCount())
                  .arg(p.Alarms.size())
                  .arg(p.Jumps.size())
                  .arg(p.BitJumps.size()));
    printLine(stdout, QStringLiteral("Initial screen %1; screen saver %2; file password %3")
                          .arg(p.InitialScreen)
                          .arg(saverText(p.SaverWait))
                          .arg(p.FilePassword.isEmpty() ? QStringLiteral("none") : QStringLiteral("set")));
    printLine(stdout, QStringLiteral("Serial %1 baud, %2 data bits, parity %3, %4 stop bits")
                          .arg(p.Link.BaudRate)
                          .arg(p.Link.DataBits)
                          .arg(p.Link.Parity)
                          .arg(p.Link.StopBits));
    for (const auto& s : p.Screens) {
        printLine(stdout, QStringLiteral("Screen %1 \"%2\": up %3, down %4, %5")
                              .arg(s->ScreenNo)
                              .arg(GbkCodec::toUnicode(s->Description))
                              .arg(s->UpScreen)
                              .arg(s->DownScreen)
                              .arg(objectSummary(*s)));
    }
}

} // namespace

int InfoCommand(const QStringList& args)
{
    const bool json = args.size() == 2 && args[1] == u"--json";
    if (args.isEmpty() || args.size() > 2 || (args.size() == 2 && !json) || args[0].startsWith(u'-'))
        return CommandLine::usage(UsageLine);

    const ProjectFile::Result opened = ProjectFile::open(args[0]);
    if (!opened.ok())
        return CommandLine::error(opened.message());
    if (json)
        std::fputs(QJsonDocument(ProjectJson::toJson(*opened.project, opened.prefix))
                       .toJson(QJsonDocument::Indented)
                       .constData(),
                   stdout);
    else
        printSummary(opened);
    return CommandLine::Ok;
}
