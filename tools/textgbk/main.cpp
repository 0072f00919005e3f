// textgbk: turns a UTF-8 text file into the GBK form with CR LF line breaks
// that the program's language and option files use. Fails, naming the line,
// when a character cannot be written in GBK, so no text is lost silently.
//
//   textgbk INPUT.txt OUTPUT.dat

#include "AtomicFile.h"
#include "GbkCodec.h"

#include <QFile>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: textgbk INPUT OUTPUT\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "textgbk: %s: %s\n", argv[1], qPrintable(in.errorString()));
        return 1;
    }
    const QString text = QString::fromUtf8(in.readAll());
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();

    QByteArray out;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        QString missing;
        out += GbkCodec::fromUnicode(line, &missing) + "\r\n";
        if (!missing.isEmpty()) {
            std::fprintf(stderr, "%s:%d: GBK cannot hold \"%s\"\n", argv[1], i + 1, qPrintable(missing));
            return 1;
        }
    }
    QString error;
    if (!WriteFileAtomically(QString::fromLocal8Bit(argv[2]), out, &error)) {
        std::fprintf(stderr, "textgbk: %s: %s\n", argv[2], qPrintable(error));
        return 1;
    }
    return 0;
}
