// Fuzz target: the ".das" catalogue file reader. Whatever the bytes, reading
// must end with a result, never a crash, a huge allocation or a hang; and a
// record the reader keeps must write back to bytes that read again to the
// same record.

#include "DasFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    TZd740drive record;
    const DasFile::ReadResult result = DasFile::parse(bytes, record, QStringLiteral("fuzz.das"));
    if (!result.kept())
        return 0;

    QRandomGenerator first(1);
    const QByteArray written = DasFile::encode(record, first);
    TZd740drive again;
    if (DasFile::parse(written, again, QStringLiteral("again.das")).outcome != DasFile::Outcome::Complete)
        std::abort();
    QRandomGenerator second(1);
    if (DasFile::encode(again, second) != written)
        std::abort();
    return 0;
}
