#pragma once

#include "TObjectContext.h"
#include "TProgramObj.h"

#include <QByteArray>
#include <QJsonObject>
#include <memory>

// A whole project file as JSON (zd740 info --json and create, test
// fixtures, the example projects): every stored field under its own name,
// texts as UTF-8, fixed blocks and spare bytes as hex strings, objects
// through their own WriteJson/ReadJson.
//
// Top level: "FilePrefix" (the 8 bytes before the project: ProgramMajor,
// ProgramMinor, SystemVersion, LibraryVersion, Language), the project's
// settings (PlcCode, InitialScreen, ... JumpDelay), "ReservedBlock",
// "FilePassword" (hex of its scrambled form), "Link" (the serial block with
// its spares Spare0, Spare8, Spare21), "Jumps", "BitJumps", "Alarms" and
// "Screens", each screen with its "Objects". A text whose bytes are not
// clean GBK is written as {"Hex": "..."} so that it survives unchanged.
//
// Reading: fields left out take the defaults of a new project for its
// PlcCode (and of a new object or screen); unknown fields, values of the
// wrong kind or outside their field's range, texts GBK cannot hold and
// duplicate screen numbers raise EReadError naming the field
// ("Screens[1].Objects[0].X: ...").
class ProjectJson
{
public:
    static QJsonObject toJson(const TProgramObj& project, const QByteArray& prefix);

    struct Made
    {
        std::unique_ptr<TProgramObj> project;
        QByteArray prefix;
    };
    static Made fromJson(const QJsonObject& json, const TObjectContext& context = {});
};
