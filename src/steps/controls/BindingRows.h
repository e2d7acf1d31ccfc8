#pragma once

#include <QString>
#include <QStringList>

// The rows of the Controls screen. Each row is a check box, a label and an input; when the box
// is checked the row writes one line built from the input's text. This table is the one place
// that knows the rows: the screen builds its widgets from it and writes its lines from it.
namespace BindingRows {

enum class Form {
    Bind, // bind {key} "{command}"
    Seta, // seta {command} {text}, the value quoted when the game needs it to be
};

struct Row
{
    const char *label; // shown left of the input; also names the check box
    const char *box; // objectName of the check box
    const char *input; // objectName of the key field (or the combo box)
    const char *text; // what the input holds at start
    const char *inputHint;
    const char *boxHint; // empty for most rows
    const char *command;
    Form form;
};

// A framed group of consecutive rows, in one of the screen's three columns.
struct Group
{
    const char *name;
    const char *caption;
    int column;
    int rowCount;
};

// All rows, in the order their lines are written.
const Row *rows();
int rowCount();

// The groups in row order: the first group holds the first rows, and so on.
const Group *groups();
int groupCount();

// The one row whose input is a combo box rather than a key field, and that box's list.
inline const QLatin1String sensitivityInput("cbSensitivity");
QStringList sensitivityItems();

// The line a checked row writes for the text its input holds: none for a key the game cannot
// bind.
QStringList lines(const Row &row, const QString &text);

} // namespace BindingRows
