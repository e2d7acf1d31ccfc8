#pragma once

#include "game/GameData.h"
#include "wizard/RowSet.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

namespace Game {
class ScriptRun;
}
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// One screen of the wizard: a title bar across the top, the screen's own controls in the body,
// and its Next button at the lower right. A step's Next reads the controls through lines(); the
// wizard frames them with the step heading and footer and appends them.
class StepPage : public QWidget
{
    Q_OBJECT
public:
    StepPage(const QString &objectName, const QString &titleBar, QWidget *parent = nullptr);

    ~StepPage() override;

    // The step's own lines, built from the controls as they are now, in the order they are
    // written for the game version chosen: by default those of its rows. Steps whose Next
    // writes nothing return none.
    virtual QStringList lines() const;

    // The rows of the screen, each set as it was added: a reader of scripts walks them to find
    // the row of a setting or a command.
    const std::vector<std::unique_ptr<RowSet>> &rowSets() const { return m_rowSets; }
    // Called at Next before the step's lines are written: the screen may still ask the player
    // something. False keeps the player on the screen, and nothing is written.
    virtual bool beforeNext() { return true; }

    // Starting from the player's own settings. A screen whose Next does not write its rows
    // lists the binding of `key` to `text` that its key row `keyRow` of `rows` would write, and
    // returns the lines it will write for it (none when it does not take it).
    virtual QStringList listBinding(const RowSet &rows, int keyRow, const QString &key,
                                    const QString &text);
    // A control that is not a row takes its value from the settings `read` leaves set.
    virtual void takeSettings(const Game::ScriptRun &read);

    // The game the lines are written for (the player's choice on the start screen).
    Game::Version gameVersion() const { return m_game; }
    void setGameVersion(Game::Version version);

    // The Next button of the start screen (0) or of an option step (1 to 9), named, captioned
    // and hinted as the step table says. It takes no keyboard focus, so that the player's typing
    // stays in the fields; its mnemonic (Alt+S, Alt+N) presses it from the keyboard.
    QPushButton *setNextButton(int step);
    QPushButton *nextButton() const { return m_next; }
    // A button of the same look left of the Next button, set up as setNextButton() sets its own.
    QPushButton *addButtonBesideNext(const char *name, const QString &caption, const QString &hint);

    // The "< Back" button beside Next, on steps 2 to 9; Alt+B presses it.
    QPushButton *setBackButton(int step);
    QPushButton *backButton() const { return m_back; }

    // Gives the keyboard focus to the first control of the screen that takes it.
    void focusFirstField();

    // Where the screen lays out its controls, between the title bar and the button row.
    QVBoxLayout *body() const { return m_body; }
    // The row at the bottom, left of the Next button (notes, warnings).
    QVBoxLayout *footerNotes() const { return m_footerNotes; }

signals:
    void nextClicked();
    // The screen appended lines of its own to the script (not at its Next).
    void linesAdded();
    void backClicked();

protected:
    // Builds the widgets of `rows` into `grids`, laid out in `style`; the page keeps them.
    RowSet &addRows(std::vector<Row> rows, const std::vector<RowSet::Grid> &grids,
                    const RowStyle &style);

    // The game version changed: a screen whose rows differ between the games shows which rows
    // the game chosen reads.
    virtual void showGameVersion() { }

private:
    std::vector<std::unique_ptr<RowSet>> m_rowSets;
    QVBoxLayout *m_body;
    QVBoxLayout *m_footerNotes;
    QPushButton *m_next = nullptr;
    QPushButton *m_back = nullptr;
    QHBoxLayout *m_bottom = nullptr;
    Game::Version m_game = Game::Version::Et260b;
};
