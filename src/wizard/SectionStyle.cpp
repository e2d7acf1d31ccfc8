#include "wizard/SectionStyle.h"

namespace Section {

QStringList heading(SectionStyle style, const QString &title)
{
    switch (style) {
    case SectionStyle::Style1:
        return {title, blank};
    case SectionStyle::Style2:
        return {blank, style2Rule};
    case SectionStyle::None:
        break;
    }
    return {};
}

QStringList footer(SectionStyle style)
{
    switch (style) {
    case SectionStyle::Style1:
        return {blank, style1Rule, blank};
    case SectionStyle::Style2:
        return {blank, style2Rule};
    case SectionStyle::None:
        break;
    }
    return {};
}

QStringList framed(SectionStyle style, const QString &title, const QStringList &lines)
{
    return heading(style, title) + lines + footer(style);
}

} // namespace Section
