#include "CreateCommand.h"

#include "CommandLine.h"
#include "EReadError.h"
#include "ProjectFile.h"
#include "ProjectJson.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

namespace {

constexpr const char* UsageLine = "create PROJECT.json -o PROJECT.lzd";

} // namespace

int CreateCommand(const QStringList& args)
{
    if (args.size() != 3 || args[1] != u"-o")
        return CommandLine::usage(UsageLine);
    const QString& jsonPath = args[0];
    const QString& outPath = args[2];

    QFile in(jsonPath);
    if (!in.open(QIODevice::ReadOnly))
        return CommandLine::error(QStringLiteral("%1: %2").arg(jsonPath, in.errorString()));
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(in.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return CommandLine::error(QStringLiteral("%1: byte %2: %3")
                                      .arg(jsonPath)
                                      .arg(parseError.offset)
                                      .arg(parseError.errorString()));
    if (!json.isObject())
        return CommandLine::error(QStringLiteral("%1: expected an object holding one project").arg(jsonPath));

    ProjectJson::Made made;
    try {
        made = ProjectJson::fromJson(json.object());
    } catch (const EReadError& e) {
        return CommandLine::error(jsonPath + QStringLiteral(": ") + QString::fromStdString(e.what()));
    }
    const ProjectFile::Result saved = ProjectFile::save(*made.project, outPath, made.prefix);
    if (!saved.ok())
        return CommandLine::error(saved.message());
    return CommandLine::Ok;
}
