#include "AtomicFile.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    // The explicit flush matters: QSaveFile::commit() (Qt 6.4) reports success
    // even when its own flush failed, e.g. on a full disk, and would then
    // replace the old file with a cut one.
    errno = 0;
    const bool complete =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    const int writeErrno = errno;
    if (complete && file.commit())
        return true;
    if (error) {
        *error = file.error() == QFileDevice::WriteError && writeErrno != 0
                     ? QString::fromLocal8Bit(std::strerror(writeErrno))
                     : file.errorString();
    }
    file.cancelWriting();
    return false;
}
