#pragma once

#include "ProjectProgress.h"
#include "TObjectContext.h"
#include "TProgramObj.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

// Saving and opening project files (".lzd"), for the main window and the
// command line alike. A file is the 8-byte prefix, the project record and
// the trailer ("HMIVANTOFILE" and the file length before the last 8 bytes).
class ProjectFile
{
public:
    static constexpr int ProgramMajor = 2;
    static constexpr int ProgramMinor = 44;
    static constexpr int PrefixBytes = 8;

    // The text of a language key, empty when no language file is at hand.
    using LanguageText = std::function<QString(int key)>;
    // Asked when the file carries a password (its scrambled form); true lets
    // the open go on.
    using PasswordCheck = std::function<bool(const QByteArray& scrambledPassword)>;

    enum class Error
    {
        None,
        MissingFile,     // language key 295
        NotAProject,     // 285: bad magic, bad trailer, too short
        NewerVersion,    // 391..393: written by a newer program
        PasswordRefused, // the password was not given
        LoadFailed,      // 293, 294: the project record cannot be read
        WriteFailed,     // saving: the file could not be written
    };

    // The header check that runs before a file is read.
    struct Header
    {
        bool ok = false;
        int major = 0;
        int minor = 0;
        QByteArray password; // scrambled; empty when not protected
        QString problem;     // why ok is false, with the place
    };

    struct Result
    {
        Error error = Error::None;
        QString path;
        QString detail;    // the reader's own words: what and where (without the path)
        int fileMajor = 0; // NewerVersion: the version the file needs
        int fileMinor = 0;
        QByteArray prefix;                    // the file's first 8 bytes
        std::unique_ptr<TProgramObj> project; // set only on success

        bool ok() const { return error == Error::None; }
        // The message the user sees: the language file's texts where given,
        // else a plain sentence naming the file and what is wrong.
        QString message(const LanguageText& text = {}) const;
    };

    // The prefix Designer writes: program version 2.44, the versions of the
    // panel system program and picture library (times 10, 0 when unknown)
    // and the language number.
    static QByteArray makePrefix(int language, int systemVersion = 0, int libraryVersion = 0);

    // The whole file: prefix (cut or padded to 8 bytes), project, trailer.
    static QByteArray encode(TProgramObj& project, const QByteArray& prefix,
                             const ProjectProgress& progress = {});
    // Writes the file atomically: a failed save leaves the old file as it
    // was, the project still modified, and says why. On success the project
    // is unmodified and remembers the path.
    static Result save(TProgramObj& project, const QString& path, const QByteArray& prefix,
                       const ProjectProgress& progress = {});
    static Result save(TProgramObj& project, const QString& path, int language,
                       const ProjectProgress& progress = {});

    // The open sequence: existence, header, version, password, then the
    // project is read into a fresh object, returned only when all of it
    // was read.
    static Result open(const QString& path, const TObjectContext& context = {},
                       const PasswordCheck& password = {}, const ProjectProgress& progress = {});
    // The same on bytes already read; source names them in messages.
    static Result parse(const QByteArray& bytes, const QString& source, const TObjectContext& context = {},
                        const PasswordCheck& password = {}, const ProjectProgress& progress = {});

    static Header CheckProjectFile(const QString& path);
    static Header CheckProjectBytes(const QByteArray& bytes);
    static bool IsFileVersionSupported(int fileMajor, int fileMinor, int programMajor = ProgramMajor,
                                       int programMinor = ProgramMinor);
};
