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
    // `scriptNameEnabled` is the start screen's box that also guards the nick-name line.
    explicit GamePage(const QCheckBox *scriptNameEnabled, QWidget *parent = nullptr);
    ~GamePage() override;

    QStringList lines() const override;

private:
    const QCheckBox *m_scriptNameEnabled;
    QLineEdit *m_nick;
    QCheckBox *m_nickEnabled;
    std::unique_ptr<ClientOptions::SettingRows> m_settings;
};
