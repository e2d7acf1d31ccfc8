#pragma once

#include "wizard/Layers.h"

#include <functional>
#include <vector>

// What starts a screen change.
enum class Trigger {
    ProgramStart,
    ToolbarNew, // the tool bar's New
    MenuNew, // the File menu's New CFG
    Start, // "Start..."
    Step1Next,
    Step2Next,
    Step3Next,
    Step4Next,
    Step5Next,
    Step6Next,
    Step7Next,
    Step8Next,
    Step9Next,
    Step2Back, // "< Back" on step 2: step 1 shows again
    Step3Back,
    Step4Back,
    Step5Back,
    Step6Back,
    Step7Back,
    Step8Back,
    Step9Back,
    Save, // both Save commands, once the dialog is done (confirmed or cancelled)
    Open, // a script read from a file (File > Open..., Recent Scripts, a dropped file)
};

// The commands whose enabled state the wizard changes.
enum class Command {
    ToolbarNew, // tbNew: its enabled state is "New available"
    MenuNew, // NewCFG1
    ToolbarSave, // tbSave
    MenuSave, // SaveCFG1
    MenuPrint, // Print1
    EditMenu, // Edit1
};

constexpr int commandCount = 6;

struct Effect
{
    enum Kind { Show, Hide, HideAll, Enable, Disable } kind;
    Layer layer = Layer::Start;
    Command command = Command::ToolbarNew;
};

// The effects of a trigger, in the order in which they happen.
const std::vector<Effect> &transition(Trigger trigger);

// Carries out a trigger's effects on the layers and on the commands.
void applyTransition(Trigger trigger, LayerStack &layers,
                     const std::function<void(Command, bool)> &setEnabled);
