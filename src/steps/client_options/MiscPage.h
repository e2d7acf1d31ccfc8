#pragma once

#include "steps/client_options/SettingRows.h"
#include "wizard/StepPage.h"

#include <memory>

class KeyCheck;

// The Miscellaneous options step, the last of the wizard: client settings and the ready keys.
class MiscPage : public StepPage
{
    Q_OBJECT
public:
    explicit MiscPage(KeyCheck &keys, QWidget *parent = nullptr);
    ~MiscPage() override;

    QStringList lines() const override;

private:
    std::unique_ptr<ClientOptions::SettingRows> m_settings;
};
