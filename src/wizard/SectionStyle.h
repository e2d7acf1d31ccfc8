#pragma once

#include <QString>
#include <QStringList>

// How the lines of each step are framed in the script, chosen on the start screen.
enum class SectionStyle {
    None, // "Do not organize CFG"
    Style1, // "Use organized Style 1": a title comment, a blank line, a hyphen rule at the end
    Style2, // "Use organized Style 2": an equals rule before and after, no title
};

namespace Section {
// A line holding one blank: the spacer every framing uses.
inline const QString blank = QStringLiteral(" ");
// Two slashes and 47 hyphens.
inline const QString style1Rule = QStringLiteral("//") + QString(47, QLatin1Char('-'));
// Two slashes and 34 equals signs.
inline const QString style2Rule = QStringLiteral("//") + QString(34, QLatin1Char('='));

QStringList heading(SectionStyle style, const QString &title);
QStringList footer(SectionStyle style);
// A step's own lines framed by its heading and footer.
QStringList framed(SectionStyle style, const QString &title, const QStringList &lines);
} // namespace Section

// A check box's state as a setting value: "1" when checked, "0" when not.
inline QString flagText(bool checked)
{
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}
