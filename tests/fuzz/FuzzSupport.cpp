#include "FuzzSupport.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

QString text(const uint8_t *data, size_t size)
{
    QString out;
    size_t start = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != 0xff)
            continue;
        out += QString::fromUtf8(reinterpret_cast<const char *>(data + start),
                                 qsizetype(i - start));
        if (i + 2 < size) {
            out += QChar(char16_t(data[i + 1] << 8 | data[i + 2]));
            i += 2;
        }
        start = i + 1;
    }
    if (start < size)
        out += QString::fromUtf8(reinterpret_cast<const char *>(data + start),
                                 qsizetype(size - start));
    return out;
}

void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    if (!detail.isEmpty()) {
        // Escaped, so that line ends, NULs and separators show.
        QString shown;
        for (const QChar c : detail) {
            if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
                shown += c;
            else
                shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
        std::fprintf(stderr, "on: %s\n", shown.toUtf8().constData());
    }
    std::abort();
}

void needApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tarvex_fuzz";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

} // namespace Fuzz
