#include "app/KeyMapShell.h"

#include "app/MainWindow.h"
#include "editor/CheckTools.h"
#include "editor/EditorTools.h"
#include "editor/KeyMapWindow.h"
#include "platform/Messages.h"
#include "steps/keys/KeyCheck.h"

#include <QLayout>
#include <QPushButton>

KeyMapWindow *keyMapWindow(MainWindow &window, KeyCheck &keys, Services services)
{
    if (auto *map = window.findChild<KeyMapWindow *>(QString(), Qt::FindDirectChildrenOnly))
        return map;
    auto *map = new KeyMapWindow(*window.checkTools().check(), window.editor(), &window);
    map->setSource(&keys);
    QObject::connect(&keys, &KeyCheck::rechecked, map, &KeyMapWindow::refresh);
    auto *print = new QPushButton(QStringLiteral("Print"), map);
    print->setObjectName(QStringLiteral("btnPrintMap"));
    print->setStatusTip(QStringLiteral("Print the keyboard map on one page"));
    map->layout()->addWidget(print);
    QObject::connect(print, &QPushButton::clicked, map, [&window, map, services] {
        if (!map->print(window.editorTools().printer())) {
            services.dialogs->error(map, applicationTitle,
                                    QStringLiteral("The printer could not print the keyboard "
                                                   "map. Choose a printer or a file to print "
                                                   "into in Print Setup."));
        }
    });
    return map;
}
