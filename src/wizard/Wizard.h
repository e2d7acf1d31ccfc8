#pragma once

#include "game/GameData.h"
#include "wizard/Layers.h"
#include "wizard/SectionStyle.h"
#include "wizard/Transitions.h"

#include <QObject>
#include <array>
#include <functional>

class ScriptBuffer;
class StartPage;
class StepPage;

// The wizard's controller: which screen the player sees (the layers, changed by the transition
// table) and what each Next writes (the step table). It knows the screens only as StepPage: the
// shell gives it a way to build each one, and a screen is built the first time it is shown or
// asked for.
class Wizard : public QObject
{
    Q_OBJECT
public:
    // Turns a command of the window on or off, as a transition says.
    using CommandSwitch = std::function<void(Command command, bool enabled)>;

    Wizard(ScriptBuffer &buffer, CommandSwitch setCommandEnabled, QObject *parent = nullptr);

    LayerStack &layers() const { return *m_layers; }
    // From a New until the script is saved or another one opened: New is then unavailable, and
    // the script is not safe anywhere yet.
    bool runInProgress() const { return m_runInProgress; }

    // How the start screen (0) or an option step's screen (1 to 9) is built. Its Next button
    // runs startWizard() or nextStep().
    void setScreen(int step, std::function<StepPage *()> build);
    StartPage *startPage() const;
    StepPage *stepPage(int step) const;
    // The screen of `step` when it has been built, else none.
    StepPage *builtPage(int step) const;
    // Builds every screen now.
    void buildAllScreens() const;

    // Lines read from the player's settings that no row carries: written in a section of
    // their own after the last step's lines, framed in the run's style. New drops them.
    using KeptSection = std::function<QStringList(SectionStyle)>;
    void setKeptSection(KeptSection section) { m_kept = std::move(section); }
    bool hasKeptSection() const { return bool(m_kept); }
    // Builds the first screen not built yet; false when there was none left.
    bool buildNextScreen();

    // The game every screen writes its lines for; chosen on the start screen.
    Game::Version gameVersion() const { return m_game; }
    // The commands as the transitions left them, in Command's order.
    const std::array<bool, commandCount> &commandsOn() const { return m_commandsOn; }
    // Puts back a screen and the commands as they were: the layers shown, bottom to top.
    void restoreScreen(const std::array<bool, layerCount> &shownLayers,
                       const std::array<bool, commandCount> &commandsOn);

public slots:
    // Carries out a trigger: the screen change and the commands turned on or off.
    void apply(Trigger trigger);
    // "Start...": the script header, then the Controls step.
    void startWizard();
    // An option step's Next (1 to 9): its lines, framed in the chosen section style, then its
    // screen change.
    void nextStep(int step);
    // An option step's "< Back" (2 to 9): takes out what the step before appended (its Next's
    // lines and its own appends), and shows that step's screen as the player left it.
    void backStep(int step);

    // Writes for `version` from now on: every screen follows, and so does the start screen's
    // choice.
    void setGameVersion(Game::Version version);

signals:
    // After every Next, and after a screen added lines of its own (Add Vsay, Add Say).
    void progressed();
    // After every trigger the wizard carried out.
    void applied(Trigger trigger);
    // The screen shown changed: by a trigger, or a restored run.
    void screenChanged();
    // The game was changed, on the start screen or by setGameVersion().
    void gameVersionChanged(Game::Version version);

private:
    void focusScriptView();
    // Gives the keyboard to the first field of the screen the player now sees.
    void focusScreen();

    ScriptBuffer &m_buffer;
    LayerStack *m_layers;
    CommandSwitch m_setCommandEnabled;
    bool m_runInProgress = false;
    Game::Version m_game = Game::Version::Et260b;
    std::array<bool, commandCount> m_commandsOn {};
    KeptSection m_kept;
};
