#include "wizard/Transitions.h"

#include <map>

namespace {

Effect show(Layer layer)
{
    return {Effect::Show, layer, Command::ToolbarNew};
}
Effect hide(Layer layer)
{
    return {Effect::Hide, layer, Command::ToolbarNew};
}
Effect hideAll()
{
    return {Effect::HideAll, Layer::Start, Command::ToolbarNew};
}
Effect on(Command command)
{
    return {Effect::Enable, Layer::Start, command};
}
Effect off(Command command)
{
    return {Effect::Disable, Layer::Start, command};
}

// Every screen change of the program. New hides whatever a previous run left shown, so every
// step's screen is the one the player sees in later runs too.
const std::map<Trigger, std::vector<Effect>> &table()
{
    static const std::map<Trigger, std::vector<Effect>> effects = {
            {Trigger::ProgramStart,
             {hideAll(), on(Command::ToolbarNew), on(Command::MenuNew), on(Command::ToolbarSave),
              off(Command::MenuSave), off(Command::MenuPrint), off(Command::EditMenu)}},
            {Trigger::ToolbarNew, {hideAll(), off(Command::ToolbarNew), show(Layer::Start)}},
            {Trigger::MenuNew,
             {hideAll(), show(Layer::Start), off(Command::ToolbarNew), off(Command::MenuNew)}},
            {Trigger::Start,
             {hide(Layer::Start), off(Command::ToolbarNew), off(Command::MenuNew),
              show(Layer::Controls)}},
            {Trigger::Step1Next, {hide(Layer::Controls), show(Layer::VSays)}},
            {Trigger::Step2Next, {hide(Layer::VSays), show(Layer::Scripts1)}},
            {Trigger::Step3Next, {hide(Layer::Scripts1), show(Layer::Scripts2)}},
            {Trigger::Step4Next, {hide(Layer::Scripts2), show(Layer::Game)}},
            {Trigger::Step5Next, {hide(Layer::Game), show(Layer::View)}},
            {Trigger::Step6Next, {hide(Layer::View), hide(Layer::System), show(Layer::System)}},
            // The System screen stays shown beneath the later screens.
            {Trigger::Step7Next, {show(Layer::Server)}},
            {Trigger::Step8Next, {show(Layer::Misc), hide(Layer::Server)}},
            {Trigger::Step9Next,
             {hide(Layer::Misc), show(Layer::Editor), on(Command::ToolbarSave),
              on(Command::MenuSave), on(Command::MenuPrint), on(Command::EditMenu)}},
            // Back undoes the Next before it: the steps' screens show as the Next found them.
            {Trigger::Step2Back, {hide(Layer::VSays), show(Layer::Controls)}},
            {Trigger::Step3Back, {hide(Layer::Scripts1), show(Layer::VSays)}},
            {Trigger::Step4Back, {hide(Layer::Scripts2), show(Layer::Scripts1)}},
            {Trigger::Step5Back, {hide(Layer::Game), show(Layer::Scripts2)}},
            {Trigger::Step6Back, {hide(Layer::View), show(Layer::Game)}},
            {Trigger::Step7Back, {hide(Layer::System), show(Layer::View)}},
            {Trigger::Step8Back, {hide(Layer::Server)}},
            {Trigger::Step9Back, {hide(Layer::Misc), show(Layer::Server)}},
            {Trigger::Save, {on(Command::ToolbarNew)}},
            // An opened script is shown as if a run had just ended on it, and is saved as it is.
            {Trigger::Open,
             {hideAll(), show(Layer::Editor), on(Command::ToolbarSave), on(Command::MenuSave),
              on(Command::MenuPrint), on(Command::EditMenu), on(Command::ToolbarNew)}},
    };
    return effects;
}

} // namespace

const std::vector<Effect> &transition(Trigger trigger)
{
    return table().at(trigger);
}

void applyTransition(Trigger trigger, LayerStack &layers,
                     const std::function<void(Command, bool)> &setEnabled)
{
    for (const Effect &effect : transition(trigger)) {
        switch (effect.kind) {
        case Effect::Show:
            layers.show(effect.layer);
            break;
        case Effect::Hide:
            layers.hide(effect.layer);
            break;
        case Effect::HideAll:
            layers.hideAll();
            break;
        case Effect::Enable:
            setEnabled(effect.command, true);
            break;
        case Effect::Disable:
            setEnabled(effect.command, false);
            break;
        }
    }
}
