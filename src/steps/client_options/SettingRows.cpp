#include "steps/client_options/SettingRows.h"

#include "widgets/PageKit.h"
#include "wizard/StepPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ClientOptions {

RowStyle rowStyle()
{
    RowStyle style;
    style.enablePlace = RowStyle::EnablePlace::AfterControl;
    style.enableCaption = QStringLiteral("Use?");
    style.rowHeight = rowHeight;
    style.fieldWidth = 130;
    return style;
}

void addGroupsAndNote(StepPage &page, QHBoxLayout *groups)
{
    page.body()->addLayout(groups);
    page.body()->addStretch(1);
    page.footerNotes()->addWidget(
            PageKit::note(QStringLiteral("All of these options are at the game options.")));
}

} // namespace ClientOptions
