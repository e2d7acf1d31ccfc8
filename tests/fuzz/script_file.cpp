// Reading a file the player opens, on any bytes: it is refused with a message, or its lines
// go through the script view unchanged; a file of UTF-8 text is then saved back byte for byte,
// with CR LF line ends.
#include "FuzzSupport.h"

#include "wizard/ScriptBuffer.h"
#include "wizard/ScriptFile.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fuzz::fail("cannot read back a file written", path);
    return file.readAll();
}

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::needApplication();
    static QTemporaryDir folder;
    static QPlainTextEdit *editor = new QPlainTextEdit;
    static ScriptBuffer *buffer = new ScriptBuffer(editor);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = folder.filePath(QStringLiteral("opened.cfg"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || file.write(bytes) != bytes.size())
            Fuzz::fail("cannot write the file to open", path);
    }

    const ScriptFileContents contents = readScriptFile(path);
    if (!contents.failure.isEmpty()) {
        FUZZ_CHECK(contents.lines.isEmpty(), contents.failure);
        FUZZ_CHECK(contents.failure.startsWith(QStringLiteral("Cannot open file \"")),
                   contents.failure);
        FUZZ_CHECK(contents.failure.endsWith(QLatin1Char('.')), contents.failure);
        return 0;
    }
    // One line more than line ends, whichever kind they are.
    QByteArray normalised = bytes;
    normalised.replace("\r\n", "\n").replace('\r', '\n');
    FUZZ_CHECK(contents.lines.size() == normalised.count('\n') + 1, contents.lines.join('|'));

    const QString text = contents.lines.join(QStringLiteral("\r\n"));
    buffer->replace(contents.lines);
    FUZZ_CHECK(buffer->text() == text, text);

    if (isUtf8(bytes)) {
        const QString saved = folder.filePath(QStringLiteral("saved.cfg"));
        FUZZ_CHECK(writeScriptFile(saved, buffer->text()).isEmpty(), saved);
        FUZZ_CHECK(readAll(saved) == normalised.replace("\n", "\r\n"), text);
    }
    return 0;
}
