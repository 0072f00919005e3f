#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

class Tpageobj;

// The object clipboard "Clipboard.dat" in the scratch folder: the number of
// the screen the objects came from, their count, then each object's type
// code and record. Copy and paste of one running program, or of two programs
// sharing the folder, meet there.
class ClipboardFile
{
public:
    // Paste results besides the number of objects pasted.
    static constexpr int NoClipboard = 0;
    static constexpr int DoesNotFit = -1;
    static constexpr int Damaged = -2;
    static constexpr int NoFreeKey = 412;
    static constexpr int ValueLimit = 1248;

    struct PasteResult
    {
        int code = NoClipboard; // the count pasted when all went in, else one of the codes above
        int pasted = 0;         // objects pasted, also when pasting stopped early
        QString problem;        // for Damaged: the file and the place
    };

    static QString path();

    // Writes the selected objects of the screen; with none selected, removes
    // the clipboard file and answers false.
    static bool Copy(const Tpageobj& screen);
    // The bytes Copy writes (null when nothing is selected).
    static QByteArray encode(const Tpageobj& screen);

    // Appends the clipboard's objects to the screen, selected; everything
    // else is deselected. Pasting onto the screen the objects came from
    // offsets them so they do not cover their originals.
    static PasteResult Paste(Tpageobj& screen);
    static PasteResult decode(Tpageobj& screen, const QByteArray& bytes, const QString& source);
};
