#pragma once

#include "wizard/Row.h"

#include <QString>
#include <QStringList>

#include <vector>

// The rows of the Controls screen. Each row is an enable box, a label and an input; when the box
// is checked the row writes one line built from the input's text. This table is the one place
// that knows the rows: the screen builds its widgets from it and writes its lines from it.
namespace BindingRows {

// A framed group of consecutive rows, in one of the screen's three columns. A row says its
// group by its place in groups() (Row::in).
struct Group
{
    const char *name;
    const char *caption;
    int column;
};

// All rows, in the order their lines are written: key fields, but for the mouse sensitivity,
// a combo box whose row writes a setting.
std::vector<Row> rows();

// The groups in row order: the first group holds the first rows, and so on.
const std::vector<Group> &groups();

} // namespace BindingRows
