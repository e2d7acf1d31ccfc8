#pragma once

#include "wizard/StepPage.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class ScriptBuffer;

// The Vsays and says step: its Add buttons append one bind line at each press; Next writes nothing.
class VSaysPage : public StepPage
{
    Q_OBJECT
public:
    explicit VSaysPage(ScriptBuffer &buffer, QWidget *parent = nullptr);

    // The quick-chat messages offered, in the order the list shows them.
    static const QStringList &vsayItems();

public slots:
    // bind KEY "vsay MESSAGE", with the combo box's text as it stands.
    void addVsay();
    // bind KEY "say TEXT".
    void addSay();

private:
    ScriptBuffer &m_buffer;
    QLineEdit *m_vsayKey = nullptr;
    QComboBox *m_vsayMessage = nullptr;
    QLineEdit *m_sayKey = nullptr;
    QLineEdit *m_sayText = nullptr;
};
