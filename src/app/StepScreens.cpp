#include "app/StepScreens.h"

#include "steps/chat_scripts/Scripts1Page.h"
#include "steps/chat_scripts/Scripts2Page.h"
#include "steps/chat_scripts/VSaysPage.h"
#include "steps/client_options/GamePage.h"
#include "steps/client_options/MiscPage.h"
#include "steps/client_options/SystemPage.h"
#include "steps/client_options/ViewPage.h"
#include "steps/controls/ControlsPage.h"
#include "steps/keys/KeyCheck.h"
#include "steps/server_options/ServerPage.h"
#include "wizard/StartPage.h"
#include "wizard/Steps.h"
#include "wizard/Wizard.h"

KeyCheck *addStepScreens(Wizard &wizard, ScriptBuffer &buffer, ScriptCheck &check, Dialogs &dialogs,
                         QWidget *area, QAction *readSettings)
{
    // The screens with key fields share one check of their keys. It goes before the screens,
    // which are built later as children of the same area, and so goes away before them.
    auto *keys = new KeyCheck(check, area);
    wizard.setScreen(startScreen,
                     [area, readSettings] { return new StartPage(readSettings, area); });
    wizard.setScreen(1, [keys, area] { return new ControlsPage(*keys, area); });
    wizard.setScreen(2, [&buffer, keys, &dialogs, area] {
        return new VSaysPage(buffer, *keys, dialogs, area);
    });
    wizard.setScreen(3, [keys, area] { return new Scripts1Page(*keys, area); });
    wizard.setScreen(4, [keys, area] { return new Scripts2Page(*keys, area); });
    // The nick line is guarded by the start screen's name box too.
    wizard.setScreen(5, [&wizard, area] {
        return new GamePage([&wizard] { return wizard.startPage()->scriptNamed(); }, area);
    });
    wizard.setScreen(6, [area] { return new ViewPage(area); });
    wizard.setScreen(7, [area] { return new SystemPage(area); });
    wizard.setScreen(8, [area] { return new ServerPage(area); });
    wizard.setScreen(9, [keys, area] { return new MiscPage(*keys, area); });
    return keys;
}
