#include "DasFile.h"

#include "AtomicFile.h"
#include "DasCursor.h"
#include "GbkCodec.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>

namespace {

// Bytes a type takes at least: the head (80 plus the name's text) and its tail.
constexpr qint64 HeadSize = 80;
constexpr qint64 BitTypeMinSize = HeadSize + 23;
constexpr qint64 WordTypeMinSize = HeadSize + 48;
constexpr int CaptionCount = 3;

// ---- reading ----

void readPart(DasCursor& in, Tdrivepart& p)
{
    p.Editable = in.number<quint8>("Editable");
    p.Visible = in.number<quint8>("Visible");
    p.MinValue = in.number<quint32>("MinValue");
    p.MaxValue = in.number<quint32>("MaxValue");
    p.DefValue = in.number<quint32>("DefValue");
    p.Radix = in.number<quint8>("Radix");
}

void readHead(DasCursor& in, const QString& prefix, Tdriveitem& t)
{
    t.Name = in.text("Name");
    t.Code = in.number<quint16>("Code");
    t.CodeIsIndex = in.number<quint8>("CodeIsIndex");
    for (size_t i = 0; i < t.Parts.size(); ++i) {
        in.setPrefix(prefix + QStringLiteral("Parts[%1].").arg(i));
        readPart(in, t.Parts[i]);
    }
    in.setPrefix(prefix);
    t.AddrFormat = in.number<qint32>("AddrFormat");
    const QByteArray storePos = in.bytes(4, "StorePos");
    std::copy(storePos.begin(), storePos.end(), t.StorePos.begin());
    t.PackMode = in.number<quint8>("PackMode");
    t.FactorA = in.number<double>("FactorA");
    t.FactorB = in.number<double>("FactorB");
    t.OffsetC = in.number<qint32>("OffsetC");
}

TdrivevalueL readBitType(DasCursor& in, const QString& prefix)
{
    TdrivevalueL t;
    in.setPrefix(prefix);
    readHead(in, prefix, t);
    t.AlarmMaxMode = in.number<qint32>("AlarmMaxMode");
    t.AlarmMaxRows = in.number<qint32>("AlarmMaxRows");
    t.MaxAdd[0] = in.number<quint32>("MaxAdd[0]");
    t.MaxAdd[1] = in.number<quint32>("MaxAdd[1]");
    t.MaxAdd[2] = in.number<quint32>("MaxAdd[2]");
    t.ForLamp = in.number<quint8>("ForLamp");
    t.ForKey = in.number<quint8>("ForKey");
    t.ForAlarm = in.number<quint8>("ForAlarm");
    return t;
}

TdrivevalueD readWordType(DasCursor& in, const QString& prefix)
{
    TdrivevalueD t;
    in.setPrefix(prefix);
    readHead(in, prefix, t);
    t.CountEditable = in.number<quint8>("CountEditable");
    t.CountVisible = in.number<quint8>("CountVisible");
    t.CountMin = in.number<quint8>("CountMin");
    t.CountMax = in.number<quint8>("CountMax");
    t.CountDefault = in.number<quint8>("CountDefault");
    t.DataBits = in.number<qint32>("DataBits");
    t.LimitEnabled = in.number<quint8>("LimitEnabled");
    t.LimitAddress = in.number<quint32>("LimitAddress");
    t.LimitCount = in.number<qint32>("LimitCount");
    t.ValueEditable = in.number<quint8>("ValueEditable");
    t.ValueSpare = in.number<quint8>("ValueSpare");
    t.ValueMin = in.number<qint64>("ValueMin");
    t.ValueMax = in.number<qint64>("ValueMax");
    t.ValueDefault = in.number<qint64>("ValueDefault");
    t.ForKey = in.number<quint8>("ForKey");
    t.ForDText = in.number<quint8>("ForDText");
    t.ForRegister = in.number<quint8>("ForRegister");
    t.ForGraph = in.number<quint8>("ForGraph");
    return t;
}

// Everything after the two filler blocks, in file order. Each field is
// assigned only once it has been read whole, so a Stop leaves the rest at
// their defaults.
void readBody(DasCursor& in, TZd740drive& r)
{
    r.Password = in.text("Password");
    r.Reserved = in.number<double>("Reserved");
    const qint64 countAt = in.offset();
    const qint32 captions = in.number<qint32>("caption count");
    if (captions != CaptionCount)
        in.stop(DasCursor::Problem::Damaged, countAt, "caption count",
                QStringLiteral("the count is %1, not 3").arg(captions));
    static constexpr const char* captionNames[CaptionCount] = {"Captions[0]", "Captions[1]", "Captions[2]"};
    for (int i = 0; i < CaptionCount; ++i)
        r.Captions[size_t(i)] = in.text(captionNames[i]);
    r.PlcID = in.number<qint32>("PlcID");
    r.BasedOnOther = in.number<quint8>("BasedOnOther");
    r.BaseID = in.number<qint32>("BaseID");
    r.StationEditable = in.number<quint8>("StationEditable");
    r.StationUsed = in.number<quint8>("StationUsed");
    r.StationMin = in.number<quint8>("StationMin");
    r.StationMax = in.number<quint8>("StationMax");
    r.StationDefault = in.number<quint8>("StationDefault");
    r.StationRadix = in.number<quint8>("StationRadix");

    const qint32 bitCount = in.count("BitTypes count", BitTypeMinSize);
    r.BitTypes.clear();
    for (qint32 i = 0; i < bitCount; ++i)
        r.BitTypes.push_back(readBitType(in, QStringLiteral("BitTypes[%1].").arg(i)));
    in.setPrefix({});

    r.BaudRate = in.number<qint32>("BaudRate");
    r.DataBits = in.number<quint8>("DataBits");
    r.Parity = in.number<quint8>("Parity");
    r.StopBits = in.number<quint8>("StopBits");
    r.CommExtra = in.number<quint8>("CommExtra");

    const qint32 wordCount = in.count("WordTypes count", WordTypeMinSize);
    r.WordTypes.clear();
    for (qint32 i = 0; i < wordCount; ++i)
        r.WordTypes.push_back(readWordType(in, QStringLiteral("WordTypes[%1].").arg(i)));
    in.setPrefix({});

    r.History.Version = in.number<double>("History.Version");
    r.History.Editor = in.text("History.Editor");
    r.History.EditTime = in.text("History.EditTime");
    r.History.Notes = in.text("History.Notes");
    r.PlcIndex = in.number<qint32>("PlcIndex");
    const QByteArray spare = in.bytes(qint64(r.SpareTable.size()), "SpareTable");
    std::copy(spare.begin(), spare.end(), r.SpareTable.begin());
}

// The rest of the file once the first filler count is known to be good.
void readAfterFirstCount(DasCursor& in, qint32 f1, TZd740drive& r)
{
    in.skip(qint64(f1) + 1, "filler 1");
    r.PassProtect = in.number<quint8>("PassProtect");
    const qint64 f2At = in.offset();
    const qint32 f2 = in.number<qint32>("filler count F2");
    if (f2 < 0)
        in.stop(DasCursor::Problem::Damaged, f2At, "filler count F2",
                QStringLiteral("the count %1 is negative").arg(f2));
    in.skip((qint64(f2) + 1) * 4, "filler 2");
    readBody(in, r);
}

QString placeText(const QString& name, qint64 offset, const QString& field, const QString& detail)
{
    return QStringLiteral("%1: byte %2, %3: %4").arg(name).arg(offset).arg(field, detail);
}

DasFile::ReadResult unreadResult(const QString& name, qint32 f1)
{
    DasFile::ReadResult result;
    result.outcome = DasFile::Outcome::Unread;
    result.field = QStringLiteral("filler count F1");
    result.message = placeText(
        name, 0, result.field,
        QStringLiteral("%1 is not within 100 to 499; nothing is read, the record keeps its defaults")
            .arg(f1));
    return result;
}

DasFile::ReadResult stoppedResult(const QString& name, const DasCursor::Stop& stop)
{
    const bool early = stop.problem == DasCursor::Problem::EndsEarly;
    DasFile::ReadResult result;
    result.outcome = early ? DasFile::Outcome::EndsEarly : DasFile::Outcome::Damaged;
    result.offset = stop.offset;
    result.field = stop.field;
    const QString what =
        early ? QStringLiteral("the file ends early (%1); this and every later field keep their defaults")
                    .arg(stop.detail)
              : QStringLiteral("damaged: %1").arg(stop.detail);
    result.message = placeText(name, stop.offset, stop.field, what);
    return result;
}

// ---- writing ----

constexpr qsizetype MaxTextSize = 0xFFFF;

// The first text of r that is too long to be stored, empty when all fit.
QString tooLongText(const TZd740drive& r)
{
    const auto tooLong = [](const QByteArray& text) {
        return text.size() > MaxTextSize;
    };
    if (tooLong(r.Password))
        return QStringLiteral("Password");
    for (size_t i = 0; i < r.Captions.size(); ++i)
        if (tooLong(r.Captions[i]))
            return QStringLiteral("Captions[%1]").arg(i);
    for (size_t i = 0; i < r.BitTypes.size(); ++i)
        if (tooLong(r.BitTypes[i].Name))
            return QStringLiteral("BitTypes[%1].Name").arg(i);
    for (size_t i = 0; i < r.WordTypes.size(); ++i)
        if (tooLong(r.WordTypes[i].Name))
            return QStringLiteral("WordTypes[%1].Name").arg(i);
    if (tooLong(r.History.Editor))
        return QStringLiteral("History.Editor");
    if (tooLong(r.History.EditTime))
        return QStringLiteral("History.EditTime");
    if (tooLong(r.History.Notes))
        return QStringLiteral("History.Notes");
    return {};
}

void writeText(QDataStream& out, const QByteArray& text)
{
    out << quint16(text.size());
    out.writeRawData(text.constData(), int(text.size()));
    out << quint8(0);
}

void writeHead(QDataStream& out, const Tdriveitem& t)
{
    writeText(out, t.Name);
    out << quint16(t.Code) << quint8(t.CodeIsIndex);
    for (const Tdrivepart& p : t.Parts)
        out << p.Editable << p.Visible << p.MinValue << p.MaxValue << p.DefValue << p.Radix;
    out << qint32(t.AddrFormat);
    for (std::uint8_t pos : t.StorePos)
        out << pos;
    out << t.PackMode << t.FactorA << t.FactorB << qint32(t.OffsetC);
}

void writeBitType(QDataStream& out, const TdrivevalueL& t)
{
    writeHead(out, t);
    out << qint32(t.AlarmMaxMode) << qint32(t.AlarmMaxRows);
    for (std::uint32_t m : t.MaxAdd)
        out << m;
    out << t.ForLamp << t.ForKey << t.ForAlarm;
}

void writeWordType(QDataStream& out, const TdrivevalueD& t)
{
    writeHead(out, t);
    out << t.CountEditable << t.CountVisible << t.CountMin << t.CountMax << t.CountDefault;
    out << qint32(t.DataBits) << t.LimitEnabled << t.LimitAddress << qint32(t.LimitCount);
    out << t.ValueEditable << t.ValueSpare << qint64(t.ValueMin) << qint64(t.ValueMax)
        << qint64(t.ValueDefault);
    out << t.ForKey << t.ForDText << t.ForRegister << t.ForGraph;
}

void writeFiller(QDataStream& out, QRandomGenerator& random, std::uint8_t passProtect)
{
    const qint32 f1 = qint32(random.bounded(100, 490));
    out << f1;
    for (qint32 i = 0; i <= f1; ++i)
        out << quint8(random.bounded(256));
    out << passProtect;
    const qint32 f2 = qint32(random.bounded(100, 200));
    out << f2;
    for (qint32 i = 0; i <= f2; ++i)
        out << qint32(random.bounded(500));
}

void writeRecord(QDataStream& out, const TZd740drive& r, QRandomGenerator& random)
{
    writeFiller(out, random, r.PassProtect);
    writeText(out, r.Password);
    out << r.Reserved << qint32(r.Captions.size());
    for (const QByteArray& caption : r.Captions)
        writeText(out, caption);
    out << qint32(r.PlcID) << r.BasedOnOther << qint32(r.BaseID);
    out << r.StationEditable << r.StationUsed << r.StationMin << r.StationMax << r.StationDefault
        << r.StationRadix;
    out << qint32(r.BitTypes.size());
    for (const TdrivevalueL& t : r.BitTypes)
        writeBitType(out, t);
    out << qint32(r.BaudRate) << r.DataBits << r.Parity << r.StopBits << r.CommExtra;
    out << qint32(r.WordTypes.size());
    for (const TdrivevalueD& t : r.WordTypes)
        writeWordType(out, t);
    out << r.History.Version;
    writeText(out, r.History.Editor);
    writeText(out, r.History.EditTime);
    writeText(out, r.History.Notes);
    out << qint32(r.PlcIndex);
    out.writeRawData(reinterpret_cast<const char*>(r.SpareTable.data()), int(r.SpareTable.size()));
}

} // namespace

DasFile::ReadResult DasFile::read(const QString& path, TZd740drive& record)
{
    ReadResult result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.outcome = Outcome::Missing;
        result.message = QStringLiteral("%1: no such file").arg(path);
        return result;
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.outcome = Outcome::OpenFailed;
        result.message = QStringLiteral("%1: cannot be opened: %2")
                             .arg(path, info.isDir() ? QStringLiteral("it is a folder") : file.errorString());
        return result;
    }
    // A size check first; the read is capped too, for files whose size the
    // system does not know in advance.
    const QByteArray bytes = file.size() > MaxFileSize ? QByteArray() : file.read(MaxFileSize + 1);
    if (file.size() > MaxFileSize || bytes.size() > MaxFileSize) {
        result.outcome = Outcome::OpenFailed;
        result.message = QStringLiteral("%1: more than %2 bytes, far more than a catalogue file holds")
                             .arg(path)
                             .arg(MaxFileSize);
        return result;
    }
    TZd740drive read = record;
    read.FilePath = info.absoluteFilePath();
    read.DriveFile = GbkCodec::fromUnicode(info.completeBaseName());
    result = parse(bytes, read, path);
    if (result.kept())
        record = std::move(read);
    return result;
}

DasFile::ReadResult DasFile::parse(const QByteArray& bytes, TZd740drive& record, const QString& name)
{
    ReadResult result;
    TZd740drive read = record;
    read.Modified = 0;
    DasCursor in(bytes);
    try {
        const qint32 f1 = in.number<qint32>("filler count F1");
        if (f1 < 100 || f1 > 499)
            result = unreadResult(name, f1);
        else
            readAfterFirstCount(in, f1, read);
    } catch (const DasCursor::Stop& stop) {
        result = stoppedResult(name, stop);
    }
    if (result.kept())
        record = std::move(read);
    return result;
}

QByteArray DasFile::encode(const TZd740drive& record, QRandomGenerator& random, QString* error)
{
    const QString tooLong = tooLongText(record);
    if (!tooLong.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1 is longer than the %2 bytes a stored text can hold")
                         .arg(tooLong)
                         .arg(MaxTextSize);
        return {};
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.setFloatingPointPrecision(QDataStream::DoublePrecision);
    writeRecord(out, record, random);
    return bytes;
}

DasFile::WriteResult DasFile::write(TZd740drive& record, const QString& path)
{
    WriteResult result;
    TZd740drive stamped = record;
    stamped.Reserved = 1.0;
    stamped.History.EditTime = TZd740drive::editTimeNow();
    QString error;
    const QByteArray bytes = encode(stamped, *QRandomGenerator::global(), &error);
    if (bytes.isEmpty()) {
        result.error = QStringLiteral("%1: %2").arg(path, error);
        return result;
    }
    QString why;
    if (!WriteFileAtomically(path, bytes, &why)) {
        result.error = QStringLiteral("%1: cannot be written: %2").arg(path, why);
        return result;
    }
    record.Reserved = stamped.Reserved;
    record.History.EditTime = stamped.History.EditTime;
    record.Modified = 0;
    result.ok = true;
    return result;
}
