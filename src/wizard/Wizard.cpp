#include "wizard/Wizard.h"

#include "wizard/ScriptBuffer.h"
#include "wizard/SectionStyle.h"
#include "wizard/StartPage.h"
#include "wizard/Steps.h"

#include <QLayout>
#include <QWidget>

Wizard::Wizard(ScriptBuffer &buffer, CommandSwitch setCommandEnabled, QObject *parent)
    : QObject(parent)
    , m_buffer(buffer)
    , m_layers(new LayerStack(this))
    , m_setCommandEnabled(
              [this, change = std::move(setCommandEnabled)](Command command, bool enabled) {
                  m_commandsOn[static_cast<int>(command)] = enabled;
                  // The tool bar's New is on exactly while no run is in progress.
                  if (command == Command::ToolbarNew)
                      m_runInProgress = !enabled;
                  change(command, enabled);
              })
{ }

void Wizard::setScreen(int step, std::function<StepPage *()> build)
{
    m_layers->setFactory(stepInfo(step).layer, [this, step, build = std::move(build)] {
        StepPage *page = build();
        page->setGameVersion(m_game);
        if (step == startScreen) {
            connect(page, &StepPage::nextClicked, this, &Wizard::startWizard);
            connect(static_cast<StartPage *>(page), &StartPage::gameChosen, this,
                    &Wizard::setGameVersion);
        } else {
            connect(page, &StepPage::nextClicked, this, [this, step] { nextStep(step); });
        }
        connect(page, &StepPage::linesAdded, this, &Wizard::progressed);
        connect(page, &StepPage::backClicked, this, [this, step] { backStep(step); });
        return static_cast<QWidget *>(page);
    });
}

StartPage *Wizard::startPage() const
{
    return static_cast<StartPage *>(m_layers->ensure(Layer::Start));
}

StepPage *Wizard::stepPage(int step) const
{
    return static_cast<StepPage *>(m_layers->ensure(stepInfo(step).layer));
}

StepPage *Wizard::builtPage(int step) const
{
    return static_cast<StepPage *>(m_layers->widget(stepInfo(step).layer));
}

void Wizard::buildAllScreens() const
{
    for (int step = startScreen; step <= lastStep; ++step)
        stepPage(step);
}

bool Wizard::buildNextScreen()
{
    for (int step = startScreen; step <= lastStep; ++step) {
        if (!m_layers->widget(stepInfo(step).layer)) {
            // Polished and laid out while the player reads the screen before: showing it at
            // Next is then only a paint.
            StepPage *page = stepPage(step);
            page->ensurePolished();
            if (QLayout *layout = page->layout())
                layout->activate();
            return true;
        }
    }
    return false;
}

void Wizard::apply(Trigger trigger)
{
    // A new run starts from the rows alone.
    if (trigger == Trigger::ToolbarNew || trigger == Trigger::MenuNew)
        m_kept = nullptr;
    applyTransition(trigger, *m_layers, m_setCommandEnabled);
    focusScriptView();
    emit applied(trigger);
    emit screenChanged();
}

void Wizard::focusScriptView()
{
    // The script view, once it is what the player sees, takes the keyboard.
    Layer top;
    if (m_layers->visibleLayer(&top) && top == Layer::Editor)
        m_layers->widget(Layer::Editor)->setFocus();
}

void Wizard::restoreScreen(const std::array<bool, layerCount> &shownLayers,
                           const std::array<bool, commandCount> &commandsOn)
{
    m_layers->hideAll();
    for (int i = 0; i < layerCount; ++i) {
        if (shownLayers[i])
            m_layers->show(static_cast<Layer>(i));
    }
    for (int i = 0; i < commandCount; ++i)
        m_setCommandEnabled(static_cast<Command>(i), commandsOn[i]);
    focusScriptView();
    emit screenChanged();
}

void Wizard::focusScreen()
{
    Layer top;
    if (!m_layers->visibleLayer(&top))
        return;
    for (int step = startScreen; step <= lastStep; ++step) {
        if (stepInfo(step).layer == top)
            stepPage(step)->focusFirstField();
    }
}

void Wizard::startWizard()
{
    // Each run keeps its own record of what its steps appended, for their Back buttons.
    m_buffer.forgetSteps();
    m_buffer.beginStep(startScreen);
    m_buffer.append(startPage()->lines());
    m_buffer.beginStep(firstStep);
    apply(stepInfo(startScreen).next);
    emit progressed();
    focusScreen();
}

void Wizard::nextStep(int step)
{
    const StepInfo &info = stepInfo(step);
    StepPage *page = stepPage(step);
    if (!page->beforeNext())
        return;
    if (info.writesLines)
        m_buffer.append(Section::framed(startPage()->sectionStyle(), info.title, page->lines()));
    if (step == lastStep && m_kept)
        m_buffer.append(m_kept(startPage()->sectionStyle()));
    // The script view takes over after the last step: the record ends with the run.
    if (step == lastStep)
        m_buffer.forgetSteps();
    else
        m_buffer.beginStep(step + 1);
    apply(info.next);
    emit progressed();
    focusScreen();
}

void Wizard::backStep(int step)
{
    m_buffer.removeFromStep(step - 1);
    m_buffer.beginStep(step - 1);
    apply(stepInfo(step).back);
    emit progressed();
    focusScreen();
}

void Wizard::setGameVersion(Game::Version version)
{
    if (version == m_game)
        return;
    m_game = version;
    for (int step = startScreen; step <= lastStep; ++step) {
        if (StepPage *built = builtPage(step))
            built->setGameVersion(version);
    }
    emit gameVersionChanged(version);
}
