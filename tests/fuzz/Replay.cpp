// The ordinary build's stand-in for libFuzzer: runs a target on every file of the folders (or
// files) named on its command line, so that the kept corpus is a test of its own without clang.
#include "FuzzSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString place = QString::fromLocal8Bit(argv[i]);
        QStringList files;
        if (QFileInfo(place).isDir()) {
            QDirIterator it(place, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
        } else {
            files << place;
        }
        files.sort();
        for (const QString &path : qAsConst(files)) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            std::fprintf(stderr, "%s\n", qPrintable(path));
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                   size_t(bytes.size()));
            ++inputs;
        }
    }
    std::printf("%d inputs read without a fault\n", inputs);
    // A corpus that went missing tests nothing.
    return inputs > 0 ? 0 : 1;
}
