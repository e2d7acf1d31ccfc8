#pragma once

#include "steps/client_options/SettingRows.h"
#include "wizard/StepPage.h"

#include <memory>

// The View options step: six display settings.
class ViewPage : public StepPage
{
    Q_OBJECT
public:
    explicit ViewPage(QWidget *parent = nullptr);
    ~ViewPage() override;

    QStringList lines() const override;

private:
    std::unique_ptr<ClientOptions::SettingRows> m_settings;
};
