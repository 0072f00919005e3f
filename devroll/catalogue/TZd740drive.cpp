#include "TZd740drive.h"

#include "ObjectKinds.h"

#include <QDateTime>

namespace {

bool bitUsable(const TdrivevalueL& t, int kind)
{
    switch (kind) {
    case ObjectKind::Lamp:
        return t.ForLamp == 1;
    case ObjectKind::Key:
        return t.ForKey == 1;
    case ObjectKind::AlarmList:
        return t.ForAlarm == 1;
    default:
        return false;
    }
}

bool wordUsable(const TdrivevalueD& t, int kind)
{
    switch (kind) {
    case ObjectKind::Key:
        return t.ForKey == 1;
    case ObjectKind::DynamicText:
        return t.ForDText == 1;
    case ObjectKind::Register:
        return t.ForRegister == 1;
    case ObjectKind::BarGraph:
    case ObjectKind::TrendChart:
        return t.ForGraph == 1;
    default:
        return false;
    }
}

template <typename T, typename Usable>
const T* nthUsable(const std::vector<T>& types, int kind, int typeIndex, Usable usable)
{
    if (typeIndex < 0)
        return nullptr;
    int seen = 0;
    for (const T& t : types)
        if (usable(t, kind) && seen++ == typeIndex)
            return &t;
    return nullptr;
}

template <typename T, typename Usable> int countUsable(const std::vector<T>& types, int kind, Usable usable)
{
    int n = 0;
    for (const T& t : types)
        n += usable(t, kind) ? 1 : 0;
    return n;
}

} // namespace

TZd740drive::TZd740drive()
{
    for (int i = 0; i < int(SpareTable.size()); ++i)
        SpareTable[size_t(i)] = std::uint8_t(i);
    Captions.fill("Unknow PLC");
    BitTypes.push_back(newBitType("M", 0));
    WordTypes.push_back(newWordType("D", 0));
    History.EditTime = editTimeNow();
}

const QByteArray& TZd740drive::caption(int lang) const
{
    return Captions[lang == 1 ? 0 : lang == 2 ? 1 : 2];
}

TdrivevalueL TZd740drive::newBitType(const QByteArray& name, int index)
{
    TdrivevalueL t;
    t.Name = name;
    t.Code = std::uint16_t(index);
    t.Parts[1] = t.Parts[2] = Tdrivepart{0, 0, 0, 15, 0, 0};
    return t;
}

TdrivevalueD TZd740drive::newWordType(const QByteArray& name, int index)
{
    TdrivevalueD t;
    t.Name = name;
    t.Code = std::uint16_t(index);
    t.Parts[1] = t.Parts[2] = Tdrivepart{0, 0, 0, 15, 0, 0};
    return t;
}

bool TZd740drive::getBitType(int i, TdrivevalueL& out) const
{
    if (i < 0 || i >= int(BitTypes.size()))
        return false;
    out = BitTypes[size_t(i)];
    return true;
}

void TZd740drive::replaceBitType(int i, const TdrivevalueL& value)
{
    if (i < 0 || i >= int(BitTypes.size()))
        return;
    BitTypes[size_t(i)] = value;
    Modified = 1;
}

void TZd740drive::appendBitType(const QByteArray& name)
{
    BitTypes.push_back(newBitType(name, int(BitTypes.size())));
}

void TZd740drive::deleteBitType(int i)
{
    if (i < 0 || i >= int(BitTypes.size()))
        return;
    BitTypes.erase(BitTypes.begin() + i);
    Modified = 1;
}

bool TZd740drive::getWordType(int i, TdrivevalueD& out) const
{
    if (i < 0 || i >= int(WordTypes.size()))
        return false;
    out = WordTypes[size_t(i)];
    return true;
}

void TZd740drive::replaceWordType(int i, const TdrivevalueD& value)
{
    if (i < 0 || i >= int(WordTypes.size()))
        return;
    WordTypes[size_t(i)] = value;
    Modified = 1;
}

void TZd740drive::appendWordType(const QByteArray& name)
{
    WordTypes.push_back(newWordType(name, int(WordTypes.size())));
}

void TZd740drive::deleteWordType(int i)
{
    if (i < 0 || i >= int(WordTypes.size()))
        return;
    WordTypes.erase(WordTypes.begin() + i);
    Modified = 1;
}

int TZd740drive::bitTypeCount(int kind) const
{
    return countUsable(BitTypes, kind, bitUsable);
}

const TdrivevalueL* TZd740drive::bitType(int kind, int typeIndex) const
{
    return nthUsable(BitTypes, kind, typeIndex, bitUsable);
}

int TZd740drive::wordTypeCount(int kind) const
{
    return countUsable(WordTypes, kind, wordUsable);
}

const TdrivevalueD* TZd740drive::wordType(int kind, int typeIndex) const
{
    return nthUsable(WordTypes, kind, typeIndex, wordUsable);
}

QByteArray TZd740drive::editTimeNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(d.year())
        .arg(d.month())
        .arg(d.day())
        .arg(t.hour())
        .arg(t.minute())
        .arg(t.second())
        .toLatin1();
}
