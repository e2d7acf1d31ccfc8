#include "wizard/RecoveryState.h"

#include <QStringList>

// A recovery file is UTF-8 text: a header line with the format's version, then records, each a
// line "NAME LENGTH" followed by LENGTH bytes of value and a line break, and last an "end"
// record. A file without its "end" was cut short. Names this version does not know are skipped,
// so that a later version may add records without changing the format's number.

namespace {

const QByteArray header = QByteArrayLiteral("Tarvex recovery ");

void record(QByteArray &out, const char *name, const QByteArray &value)
{
    out += name;
    out += ' ';
    out += QByteArray::number(value.size());
    out += '\n';
    out += value;
    out += '\n';
}

template<std::size_t N> QByteArray flags(const std::array<bool, N> &on)
{
    QByteArray text(static_cast<qsizetype>(N), '0');
    for (std::size_t i = 0; i < N; ++i)
        text[qsizetype(i)] = on[i] ? '1' : '0';
    return text;
}

template<std::size_t N> bool readFlags(const QByteArray &text, std::array<bool, N> *on)
{
    if (text.size() != qsizetype(N))
        return false;
    for (std::size_t i = 0; i < N; ++i) {
        const char c = text[qsizetype(i)];
        if (c != '0' && c != '1')
            return false;
        (*on)[i] = c == '1';
    }
    return true;
}

bool readCaret(const QByteArray &text, RecoveryState *state)
{
    const QList<QByteArray> parts = text.split(' ');
    bool anchorOk = false;
    bool positionOk = false;
    if (parts.size() != 2)
        return false;
    state->caretAnchor = parts[0].toInt(&anchorOk);
    state->caretPosition = parts[1].toInt(&positionOk);
    return anchorOk && positionOk && state->caretAnchor >= 0 && state->caretPosition >= 0;
}

bool readField(const QByteArray &text, RecoveryState *state)
{
    const qsizetype split = text.indexOf('\n');
    if (split < 0)
        return false;
    state->fields.append(
            {QString::fromUtf8(text.left(split)), QString::fromUtf8(text.mid(split + 1))});
    return true;
}

// Takes in one record's value; false when the value does not fit its name.
bool readRecord(const QByteArray &name, const QByteArray &value, RecoveryState *state)
{
    if (name == "written") {
        state->written = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
        return state->written.isValid();
    }
    if (name == "file")
        state->fileName = QString::fromUtf8(value);
    else if (name == "game")
        state->game = QString::fromUtf8(value);
    else if (name == "style")
        state->sectionStyle = QString::fromUtf8(value);
    else if (name == "layers")
        return readFlags(value, &state->shownLayers);
    else if (name == "commands")
        return readFlags(value, &state->commandsOn);
    else if (name == "caret")
        return readCaret(value, state);
    else if (name == "script")
        state->script = QString::fromUtf8(value);
    else if (name == "field")
        return readField(value, state);
    return true;
}

} // namespace

QByteArray Recovery::encode(const RecoveryState &state)
{
    const QByteArray script = state.script.toUtf8();
    QByteArray out;
    out.reserve(script.size() + 4096);
    out += header + QByteArray::number(formatVersion) + '\n';
    record(out, "written", state.written.toString(Qt::ISODateWithMs).toLatin1());
    record(out, "file", state.fileName.toUtf8());
    record(out, "game", state.game.toUtf8());
    record(out, "style", state.sectionStyle.toUtf8());
    record(out, "layers", flags(state.shownLayers));
    record(out, "commands", flags(state.commandsOn));
    record(out, "caret",
           QByteArray::number(state.caretAnchor) + ' ' + QByteArray::number(state.caretPosition));
    for (const FieldValue &field : state.fields)
        record(out, "field", field.key.toUtf8() + '\n' + field.value.toUtf8());
    record(out, "script", script);
    record(out, "end", QByteArray());
    return out;
}

bool Recovery::decode(const QByteArray &bytes, RecoveryState *state, QString *why)
{
    const qsizetype headerEnd = bytes.indexOf('\n');
    bool versionOk = false;
    const int version = headerEnd < 0 || !bytes.startsWith(header)
            ? 0
            : bytes.mid(header.size(), headerEnd - header.size()).toInt(&versionOk);
    if (!versionOk || version < 1) {
        *why = QStringLiteral("it is not a Tarvex recovery file");
        return false;
    }
    if (version > formatVersion) {
        *why = QStringLiteral("it was written by a newer version of Tarvex");
        return false;
    }
    RecoveryState read;
    qsizetype at = headerEnd + 1;
    while (at < bytes.size()) {
        const qsizetype lineEnd = bytes.indexOf('\n', at);
        const qsizetype blank = lineEnd < 0 ? -1 : bytes.lastIndexOf(' ', lineEnd);
        if (blank < at)
            break;
        const QByteArray name = bytes.mid(at, blank - at);
        bool lengthOk = false;
        const qsizetype length = bytes.mid(blank + 1, lineEnd - blank - 1).toLongLong(&lengthOk);
        const qsizetype valueEnd = lineEnd + 1 + length;
        // The value and its line break must both be there.
        if (!lengthOk || length < 0 || length > bytes.size() - lineEnd - 2
            || bytes[valueEnd] != '\n')
            break;
        if (name == "end" && read.written.isValid()) {
            *state = std::move(read);
            return true;
        }
        if (!readRecord(name, bytes.mid(lineEnd + 1, length), &read)) {
            *why = QStringLiteral("its %1 is damaged").arg(QString::fromLatin1(name));
            return false;
        }
        at = valueEnd + 1;
    }
    *why = QStringLiteral("it was cut short");
    return false;
}
