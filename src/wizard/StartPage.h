#pragma once

#include "wizard/SectionStyle.h"
#include "wizard/StepPage.h"

class QButtonGroup;
class QAction;
class QCheckBox;
class QFrame;
class QLineEdit;
class QRadioButton;

// The start screen: the comment lines that open the script, "unbindall", and the section style
// that frames every later step. "Start..." writes the script header.
class StartPage : public StepPage
{
    Q_OBJECT
public:
    // `readSettings` is the command that reads the player's settings: a button beside
    // "Start..." triggers it and is on while it is.
    explicit StartPage(QAction *readSettings, QWidget *parent = nullptr);

    // The script header, the same under every section style.
    QStringList lines() const override;

    // Read afresh by every step when its Next is pressed.
    SectionStyle sectionStyle() const;

    // Whether the script's name is written; this also guards the Game options step's nick line.
    bool scriptNamed() const;

    // The script's name in the header, as read from a file: its name without the extension.
    void takeScriptName(const QString &name);

signals:
    // The player picked the game to write for.
    void gameChosen(Game::Version version);

protected:
    void showGameVersion() override;

private:
    QFrame *addGeneral();
    QFrame *addOrganizer();
    QFrame *addGame();

    QCheckBox *m_scriptNameEnabled;
    QLineEdit *m_scriptName;
    QCheckBox *m_authorEnabled;
    QLineEdit *m_author;
    QCheckBox *m_copyrightEnabled;
    QLineEdit *m_copyright;
    QCheckBox *m_unbindAll;
    QCheckBox *m_notesEnabled;
    QLineEdit *m_notes;
    QRadioButton *m_noStyle;
    QRadioButton *m_style1;
    QRadioButton *m_style2;
    QButtonGroup *m_games = nullptr; // ids are Game::Version values
};
