// Draws the program's SVG pictures into images while the program is built, so that the program
// itself needs no SVG renderer and its first frame only copies small images:
//   tarvex_render_pictures OUTDIR SVG:NAME:WIDTHxHEIGHT...
// writes OUTDIR/NAME.rgba at WIDTH x HEIGHT and OUTDIR/NAME@2x.rgba at twice that size, for
// screens with two device pixels to a pixel. An .rgba file is the width and the height (32-bit
// little-endian numbers), then the pixels row by row, each the bytes R, G, B, A, premultiplied:
// nothing to decode (widgets/Pictures.cpp reads it).
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool write(const QImage &image, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(image.width()) << quint32(image.height());
    for (int y = 0; y < image.height(); ++y)
        out.writeRawData(reinterpret_cast<const char *>(image.constScanLine(y)), image.width() * 4);
    return out.status() == QDataStream::Ok;
}

bool render(const QString &svg, const QString &path, const QSize &size)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tarvex_render_pictures: cannot read %s\n", qPrintable(svg));
        return false;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!write(image.convertToFormat(QImage::Format_RGBA8888_Premultiplied), path)) {
        std::fprintf(stderr, "tarvex_render_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // No screen is needed; the pictures' texts still need the fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: tarvex_render_pictures OUTDIR SVG:NAME:WIDTHxHEIGHT...\n");
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    for (const QString &arg : args.mid(2)) {
        const QStringList parts = arg.split(QLatin1Char(':'));
        const QStringList size = parts.value(2).split(QLatin1Char('x'));
        const QSize base(size.value(0).toInt(), size.value(1).toInt());
        if (parts.size() != 3 || base.isEmpty()) {
            std::fprintf(stderr, "tarvex_render_pictures: bad picture %s\n", qPrintable(arg));
            return 2;
        }
        const QString name = out.filePath(parts.at(1));
        if (!render(parts.at(0), name + QStringLiteral(".rgba"), base)
            || !render(parts.at(0), name + QStringLiteral("@2x.rgba"), base * 2))
            return 1;
    }
    return 0;
}
