#pragma once

#include "EJsonField.h"
#include "TZd740drive.h"

#include <QJsonObject>
#include <QString>

// A catalogue record as JSON, for catalogue authors: every stored field under
// its own name, texts as UTF-8 (GBK in the record), SpareTable as a hex
// string, non-finite floats as "nan", "inf" or "-inf". Parts, StorePos, MaxAdd
// and Captions are arrays; BitTypes and WordTypes arrays of objects.
class DriveJson
{
public:
    // Thrown by fromJson, naming the field ("BitTypes[0].Parts[1].MaxValue: ...").
    using Error = EJsonField;

    // DriveFile is added for information; it is not stored in the file.
    static QJsonObject toJson(const TZd740drive& record);

    // A record from JSON: fields left out keep the defaults of a new record
    // (or, inside a type, of a new type at that position). Unknown fields,
    // wrong kinds of value, values outside their field's range and texts GBK
    // cannot hold are errors. DriveFile is accepted and ignored.
    static TZd740drive fromJson(const QJsonObject& json);
};
