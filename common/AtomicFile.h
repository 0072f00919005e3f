#pragma once

#include <QByteArray>
#include <QString>

// Writes a user file so that a failure never leaves it cut or half written:
// the bytes go to a temporary file in the same folder, are flushed and synced,
// and only then replace the old file. The folder must exist.
// Returns false, with the reason in *error when given, and the old file as it
// was, when anything fails.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);
