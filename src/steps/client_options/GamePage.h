#pragma once

#include "wizard/Row.h"
#include "wizard/StepPage.h"

#include <functional>

class QCheckBox;
class QLineEdit;

// The Game options step: nick name and seven game settings.
class GamePage : public StepPage
{
    Q_OBJECT
public:
    // `scriptNamed` says whether the start screen names the script, which also guards the
    // nick-name line.
    explicit GamePage(std::function<bool()> scriptNamed, QWidget *parent = nullptr);

    QStringList lines() const override;
    // The nick the player's settings give, its box on; off when they give none.
    void takeSettings(const Game::ScriptRun &read) override;

private:
    void addNick(QGridLayout *grid);

    std::function<bool()> m_scriptNamed;
    Row m_nickRow;
    QLineEdit *m_nick;
    QCheckBox *m_nickEnabled;
};
