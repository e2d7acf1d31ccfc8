#pragma once

#include "wizard/StepPage.h"

class KeyCheck;
class KeyField;
class QComboBox;
class QLineEdit;
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

public slots:
    // bind KEY "vsay MESSAGE", with the combo box's text as it stands.
    void addVsay();
    // bind KEY "say TEXT".
    void addSay();

private:
    // What each key is bound to: the message as it is written.
    QString vsayCommand() const;
    QString sayCommand() const;

    ScriptBuffer &m_buffer;
    KeyField *m_vsayKey = nullptr;
    QComboBox *m_vsayMessage = nullptr;
    KeyField *m_sayKey = nullptr;
    QLineEdit *m_sayText = nullptr;
};
