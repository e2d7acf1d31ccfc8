#pragma once

#include "steps/client_options/SettingRows.h"
#include "wizard/StepPage.h"

#include <memory>

class QCheckBox;
class QLineEdit;

// The Game options step: nick name and seven game settings.
class GamePage : public StepPage
{
    Q_OBJECT
public:
    // `chkName` is the start screen's box that also guards the nick-name line.
    explicit GamePage(const QCheckBox *chkName, QWidget *parent = nullptr);
    ~GamePage() override;

    QStringList lines() const override;

private:
    const QCheckBox *m_chkName;
    QLineEdit *m_edNick;
    QCheckBox *m_CheckBox1;
    std::unique_ptr<ClientOptions::SettingRows> m_settings;
};
