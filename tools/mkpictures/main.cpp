// mkpictures: draws the editor's pictures of panel keys, lamps and register
// digits, and writes them as PNG files with a Qt resource list, ready for rcc.
//
//   mkpictures DZ_EN.LIS OUTPUT_FOLDER
//
// OUTPUT_FOLDER/kelvo/ gets the key and lamp pictures ("mKeyleft0",
// "mlihgt10", ...) and kelvo.qrc; OUTPUT_FOLDER/glyphbin/ gets the digit
// glyphs "mftext<double><reverse><glyph>" and glyphbin.qrc;
// OUTPUT_FOLDER/skinpak/ the editor's cursor shapes "CURA1".."CURA15". The digits are
// the panel's own 8 x 16 characters at 2.25 pixels per dot, so the editor
// shows registers exactly as the panel does.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor Transparent(0, 128, 128); // the digit pictures' transparent colour
constexpr int KeyPixels = 36;          // 16 dots at 2.25 pixels per dot

class Pack
{
public:
    Pack(const QString& folder, const QString& name) : folder_(folder + u'/' + name + u'/'), name_(name)
    {
        QDir().mkpath(folder_);
    }

    bool add(const QString& picture, const QImage& image)
    {
        if (!image.save(folder_ + picture + QStringLiteral(".png")))
            return false;
        entries_ << picture;
        return true;
    }

    bool writeList() const
    {
        QFile qrc(folder_ + name_ + QStringLiteral(".qrc"));
        if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        QByteArray text = "<RCC>\n  <qresource prefix=\"/" + name_.toLatin1() + "\">\n";
        for (const QString& e : entries_)
            text += "    <file>" + e.toLatin1() + ".png</file>\n";
        text += "  </qresource>\n</RCC>\n";
        return qrc.write(text) == text.size();
    }

private:
    QString folder_;
    QString name_;
    QStringList entries_;
};

QImage blank(int w, int h, const QColor& fill)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// The label of each key picture: a symbol drawn as a shape or a short text.
struct KeyFace
{
    const char* name;
    const char* label; // text, or empty for an arrow
    int arrow;         // 0 none, 1 left, 2 right, 3 up, 4 down
};

const KeyFace keyFaces[] = {
    {"mKeyleft", "", 1},   {"mKeyright", "", 2},  {"mKeyup", "", 3},     {"mKeydown", "", 4},
    {"mKeynum0", "0", 0},  {"mKeynum1", "1", 0},  {"mKeynum2", "2", 0},  {"mKeynum3", "3", 0},
    {"mKeynum4", "4", 0},  {"mKeynum5", "5", 0},  {"mKeynum6", "6", 0},  {"mKeynum7", "7", 0},
    {"mKeynum8", "8", 0},  {"mKeynum9", "9", 0},  {"mKeyclr", "CLR", 0}, {"mKeyjiajiang", "+/-", 0},
    {"mKeyesc", "ESC", 0}, {"mKeyset", "SET", 0}, {"mKeyent", "ENT", 0}, {"mKeyalm", "ALM", 0},
    {"mKeyusb", "USB", 0},
};

void drawArrow(QPainter& p, int arrow, const QRectF& r)
{
    const QPointF c = r.center();
    const qreal s = r.width() / 4;
    QPolygonF tri;
    switch (arrow) {
    case 1:
        tri << QPointF(c.x() - s, c.y()) << QPointF(c.x() + s, c.y() - s) << QPointF(c.x() + s, c.y() + s);
        break;
    case 2:
        tri << QPointF(c.x() + s, c.y()) << QPointF(c.x() - s, c.y() - s) << QPointF(c.x() - s, c.y() + s);
        break;
    case 3:
        tri << QPointF(c.x(), c.y() - s) << QPointF(c.x() - s, c.y() + s) << QPointF(c.x() + s, c.y() + s);
        break;
    default:
        tri << QPointF(c.x(), c.y() + s) << QPointF(c.x() - s, c.y() - s) << QPointF(c.x() + s, c.y() - s);
        break;
    }
    p.setBrush(p.pen().color());
    p.drawPolygon(tri);
}

// variant 0 white on black, 1 (reverse) black on white, 2 (invisible) a grey
// dashed outline.
QImage keyPicture(const KeyFace& face, int variant, int size)
{
    const QColor background = variant == 1 ? Qt::white : Qt::black;
    const QColor ink = variant == 1 ? Qt::black : variant == 2 ? QColor(128, 128, 128) : Qt::white;
    QImage image = blank(size, size, background);
    QPainter p(&image);
    p.setPen(QPen(ink, std::max(1, size / 18), variant == 2 ? Qt::DashLine : Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    const QRectF frame(1, 1, size - 3, size - 3);
    p.drawRoundedRect(frame, size / 6.0, size / 6.0);
    if (face.arrow) {
        drawArrow(p, face.arrow, frame);
    } else {
        QFont font(QStringLiteral("WenQuanYi Zen Hei"));
        const int chars = int(qstrlen(face.label));
        font.setPixelSize(chars == 1 ? size / 2 : size * 3 / (chars * 5 + 1));
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        p.setFont(font);
        p.drawText(frame, Qt::AlignCenter, QString::fromLatin1(face.label));
    }
    return image;
}

// The hand beside a key: a pointing finger towards the key on its right.
QImage handPicture(bool reverse)
{
    const QColor background = reverse ? Qt::white : Qt::black;
    const QColor ink = reverse ? Qt::black : Qt::white;
    QImage image = blank(KeyPixels, KeyPixels, background);
    QPainter p(&image);
    p.setPen(QPen(ink, 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath hand;
    hand.moveTo(4, 14);
    hand.lineTo(30, 14);
    hand.lineTo(30, 19);
    hand.lineTo(18, 19);
    hand.lineTo(18, 28);
    hand.lineTo(6, 28);
    hand.lineTo(4, 22);
    hand.closeSubpath();
    p.drawPath(hand);
    return image;
}

QImage lampPicture(bool square, bool lit)
{
    QImage image = blank(KeyPixels, KeyPixels, Qt::black);
    QPainter p(&image);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(lit ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    const QRect r(3, 3, KeyPixels - 7, KeyPixels - 7);
    if (square)
        p.drawRect(r);
    else
        p.drawEllipse(r);
    return image;
}

// Glyph numbers of the register digits and the characters they show.
const char glyphChars[] = "0123456789ABCDEF+-.:HMS YWK";

QImage digitPicture(const QByteArray& font, char ch, bool reverse, bool doubleSize)
{
    const int scale = doubleSize ? 2 : 1;
    const int w = 18 * scale;
    const int h = 36 * scale;
    QImage image = blank(w, h, reverse ? Qt::white : Transparent);
    const auto value = static_cast<unsigned char>(ch);
    if (font.size() < (value + 1) * 16)
        return image;
    QPainter p(&image);
    for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < 8; ++col) {
            if (!(static_cast<unsigned char>(font[value * 16 + row]) & (0x80 >> col)))
                continue;
            // Dot (col, row) covers the pixels round(col x 2.25) .. round((col + 1) x 2.25).
            const int x0 = int(col * 2.25 * scale + 0.5);
            const int x1 = int((col + 1) * 2.25 * scale + 0.5);
            const int y0 = int(row * 2.25 * scale + 0.5);
            const int y1 = int((row + 1) * 2.25 * scale + 0.5);
            p.fillRect(x0, y0, x1 - x0, y1 - y0, reverse ? Qt::black : Qt::white);
        }
    }
    return image;
}

bool writeKelvo(const QString& folder)
{
    Pack pack(folder, QStringLiteral("kelvo"));
    for (const KeyFace& face : keyFaces) {
        for (int variant = 0; variant < 3; ++variant) {
            const QString name = QString::fromLatin1(face.name) + QString::number(variant);
            if (!pack.add(name, keyPicture(face, variant, KeyPixels)) ||
                !pack.add(name + QStringLiteral("16"), keyPicture(face, variant, 16)) ||
                !pack.add(name + QStringLiteral("32"), keyPicture(face, variant, 32)))
                return false;
        }
    }
    for (int reverse = 0; reverse < 2; ++reverse)
        if (!pack.add(QStringLiteral("mkeysou%1").arg(reverse), handPicture(reverse)))
            return false;
    for (int square = 0; square < 2; ++square)
        for (int lit = 0; lit < 2; ++lit)
            if (!pack.add(QStringLiteral("mlihgt%1%2").arg(square).arg(lit), lampPicture(square, lit)))
                return false;
    return pack.writeList();
}

bool writeGlyphbin(const QString& folder, const QByteArray& font)
{
    Pack pack(folder, QStringLiteral("glyphbin"));
    for (int doubleSize = 0; doubleSize < 2; ++doubleSize)
        for (int reverse = 0; reverse < 2; ++reverse)
            for (int glyph = 0; glyph < int(sizeof glyphChars) - 1; ++glyph)
                if (!pack.add(QStringLiteral("mftext%1%2%3").arg(doubleSize).arg(reverse).arg(glyph),
                              digitPicture(font, glyphChars[glyph], reverse, doubleSize)))
                    return false;
    return pack.writeList();
}

// The cursor shapes of the canvas, 32 x 32 with a transparent background:
// 1 the select arrow, 4 a cross for placing objects, 9..12 the sizing
// arrows (NE-SW, N-S, NW-SE, W-E), 14 the four-way move arrow; the others
// are arrows too.
QImage cursorPicture(int shape)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 3));
    auto doubleArrow = [&](QPointF a, QPointF b) {
        p.setPen(QPen(Qt::white, 4));
        p.drawLine(a, b);
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(a, b);
        const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
        const QPointF n(-d.y(), d.x());
        for (const auto& [tip, dir] : {std::pair{a, d}, std::pair{b, -d}}) {
            QPolygonF head;
            head << tip << tip + dir * 7 + n * 5 << tip + dir * 7 - n * 5;
            p.setPen(QPen(Qt::white, 1));
            p.setBrush(Qt::black);
            p.drawPolygon(head);
        }
    };
    switch (shape) {
    case 4:
        p.setPen(QPen(Qt::white, 3));
        p.drawLine(16, 2, 16, 30);
        p.drawLine(2, 16, 30, 16);
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(16, 2, 16, 30);
        p.drawLine(2, 16, 30, 16);
        break;
    case 9:
        doubleArrow({6, 26}, {26, 6});
        break;
    case 10:
        doubleArrow({16, 3}, {16, 29});
        break;
    case 11:
        doubleArrow({6, 6}, {26, 26});
        break;
    case 12:
        doubleArrow({3, 16}, {29, 16});
        break;
    case 14:
        doubleArrow({16, 3}, {16, 29});
        doubleArrow({3, 16}, {29, 16});
        break;
    default: {
        QPolygonF arrow;
        arrow << QPointF(1, 1) << QPointF(1, 22) << QPointF(6, 17) << QPointF(10, 26) << QPointF(13, 25)
              << QPointF(9, 16) << QPointF(16, 16);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(Qt::black);
        p.drawPolygon(arrow);
        break;
    }
    }
    return image;
}

bool writeSkinpak(const QString& folder)
{
    Pack pack(folder, QStringLiteral("skinpak"));
    for (int shape = 1; shape <= 15; ++shape)
        if (!pack.add(QStringLiteral("CURA%1").arg(shape), cursorPicture(shape)))
            return false;
    return pack.writeList();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkpictures DZ_EN.LIS OUTPUT_FOLDER\n");
        return 2;
    }
    QFile fontFile(QString::fromLocal8Bit(argv[1]));
    if (!fontFile.open(QIODevice::ReadOnly) || fontFile.size() != 256 * 16) {
        std::fprintf(stderr, "mkpictures: %s: not a panel font file\n", argv[1]);
        return 1;
    }
    const QByteArray font = fontFile.readAll();
    const QString folder = QString::fromLocal8Bit(argv[2]);
    if (!writeKelvo(folder) || !writeGlyphbin(folder, font) || !writeSkinpak(folder)) {
        std::fprintf(stderr, "mkpictures: cannot write the pictures into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
