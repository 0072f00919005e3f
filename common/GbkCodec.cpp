#include "GbkCodec.h"

#include <iconv.h>
#include <string>

namespace {

// One converter per direction and thread, reset before every use.
class Converter
{
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts one unit; false when it cannot be converted.
    bool convert(const char* in, size_t inLen, std::string& out)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* src = const_cast<char*>(in);
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        if (iconv(cd_, &src, &inLen, &dst, &dstLeft) == static_cast<size_t>(-1) || inLen != 0)
            return false;
        if (iconv(cd_, nullptr, nullptr, &dst, &dstLeft) == static_cast<size_t>(-1))
            return false;
        out.assign(buffer, dst);
        return true;
    }

private:
    iconv_t cd_;
};

Converter& decoder()
{
    thread_local Converter c("UTF-8", "GBK");
    return c;
}

Converter& encoder()
{
    thread_local Converter c("GBK", "UTF-8");
    return c;
}

} // namespace

QString GbkCodec::toUnicode(const QByteArray& gbk)
{
    QString result;
    result.reserve(gbk.size());
    std::string utf8;
    for (qsizetype i = 0; i < gbk.size();) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        if (b < 0x80) {
            result += QChar(b);
            ++i;
            continue;
        }
        const qsizetype len = isLeadByte(b) && i + 1 < gbk.size() ? 2 : 1;
        if (decoder().convert(gbk.constData() + i, size_t(len), utf8)) {
            result += QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
            i += len;
        } else {
            result += QChar(QChar::ReplacementCharacter);
            ++i;
        }
    }
    return result;
}

QByteArray GbkCodec::fromUnicode(const QString& text, QString* unencodable)
{
    QByteArray result;
    result.reserve(text.size() * 2);
    std::string gbk;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString unit = text.mid(i, len);
        i += len;
        if (unit.size() == 1 && unit[0].unicode() < 0x80) {
            result += char(unit[0].unicode());
            continue;
        }
        const QByteArray utf8 = unit.toUtf8();
        if (encoder().convert(utf8.constData(), size_t(utf8.size()), gbk)) {
            result.append(gbk.data(), qsizetype(gbk.size()));
        } else {
            result += '?';
            if (unencodable && !unencodable->contains(unit))
                *unencodable += unit;
        }
    }
    return result;
}

QString GbkCodec::unencodableChars(const QString& text)
{
    QString missing;
    fromUnicode(text, &missing);
    return missing;
}

int GbkCodec::byteCount(const QString& text)
{
    return int(fromUnicode(text).size());
}

QByteArray GbkCodec::cutToBytes(const QByteArray& gbk, int maxBytes)
{
    qsizetype end = 0;
    while (end < gbk.size()) {
        const qsizetype len =
            isLeadByte(static_cast<unsigned char>(gbk[end])) && end + 1 < gbk.size() ? 2 : 1;
        if (end + len > maxBytes)
            break;
        end += len;
    }
    return gbk.left(end);
}
