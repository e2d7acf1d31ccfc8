#include "wizard/TextEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Windows-1252's characters for the bytes 0x80 to 0x9F. The five bytes it leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) are read as the control characters of the same number, as
// the bytes 0xA0 to 0xFF are read as the characters of the same number, so that each comes
// back as the byte it was.
constexpr char16_t upperControls[32]
        = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
           0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
           0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t fromWindows1252(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? upperControls[byte - 0x80] : char16_t(byte);
}

// The byte of a character in Windows-1252, or -1 when it has none.
int toWindows1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (upperControls[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString encodingName(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? QStringLiteral("UTF-8")
                                          : QStringLiteral("Windows-1252");
}

QString decodeText(const QByteArray &bytes, TextEncoding *encoding)
{
    // Stateless: a sequence cut off at the end is an error, not kept back for more input.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::ConvertInitialBom
                                | QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        *encoding = TextEncoding::Utf8;
        return text;
    }
    *encoding = TextEncoding::Windows1252;
    text.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(fromWindows1252(static_cast<unsigned char>(bytes[i])));
    return text;
}

std::optional<QByteArray> encodeText(const QString &text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8) {
        QStringEncoder utf8(QStringConverter::Utf8);
        QByteArray bytes = utf8.encode(text);
        return bytes;
    }
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = toWindows1252(text[i].unicode());
        if (byte < 0)
            return std::nullopt;
        bytes[i] = char(byte);
    }
    return bytes;
}
