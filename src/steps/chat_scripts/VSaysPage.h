#pragma once

#include "wizard/StepPage.h"

class ScriptBuffer;

// The Vsays and says step: its Add buttons append one bind line at each press; Next writes nothing.
class VSaysPage : public StepPage
{
    Q_OBJECT
public:
    explicit VSaysPage(ScriptBuffer &buffer, QWidget *parent = nullptr);

private:
    ScriptBuffer &m_buffer;
};
