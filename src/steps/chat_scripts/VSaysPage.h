#pragma once

#include "wizard/StepPage.h"

class KeyCheck;
class QPushButton;
class ScriptBuffer;

// The Vsays and says step: its Add buttons append one bind line at each press; Next writes nothing.
class VSaysPage : public StepPage
{
    Q_OBJECT
public:
    VSaysPage(ScriptBuffer &buffer, KeyCheck &keys, QWidget *parent = nullptr);

    // The quick-chat messages offered, in the order the list shows them.
    static const QStringList &vsayItems();

    // Next writes nothing: the rows are written by their Add buttons.
    QStringList lines() const override;

    // The rows, in the order of the page's RowSet.
    enum RowIndex { VsayKey, VsayMessage, SayKey, SayText };

public slots:
    // bind KEY "vsay MESSAGE", with the combo box's text as it stands.
    void addVsay();
    // bind KEY "say TEXT".
    void addSay();

private:
    ScriptBuffer &m_buffer;
    RowSet *m_rows = nullptr;
};
