#pragma once

#include "wizard/StepPage.h"

class AddedBindings;
class Dialogs;
class KeyCheck;
class QPushButton;
class ScriptBuffer;

// The Vsays and says step: its Add buttons append one bind line at each press, listed under its
// box; Next writes nothing of its own, but asks about a key and text typed and not added.
class VSaysPage : public StepPage
{
    Q_OBJECT
public:
    VSaysPage(ScriptBuffer &buffer, KeyCheck &keys, Dialogs &dialogs, QWidget *parent = nullptr);

    // The quick-chat messages offered, in the order the list shows them.
    static const QStringList &vsayItems();

    // Next writes nothing: the rows are written by their Add buttons.
    QStringList lines() const override;
    bool beforeNext() override;
    // Lists a binding of the player's settings as its Add button would, to be written at Next.
    QStringList listBinding(const RowSet &rows, int keyRow, const QString &key,
                            const QString &text) override;
    // A new script from New starts with nothing listed, the bindings listed that way included.
    void forgetListed();

    // The rows, in the order of the page's RowSet.
    enum RowIndex { VsayKey, VsayMessage, SayKey, SayText };

public slots:
    // bind KEY "vsay MESSAGE", with the combo box's text as it stands.
    void addVsay();
    // bind KEY "say TEXT".
    void addSay();

private:
    // Marks a box as edited when the player types in its fields or picks a message.
    void watchEdits();
    // Adds the row of a key (VsayKey or SayKey) and its text.
    void add(int keyRow);
    // Asks whether a key and text typed since the last Add are to be added; false on Cancel.
    bool askToAdd(int keyRow);

    Dialogs &m_dialogs;
    RowSet *m_rows = nullptr;
    AddedBindings *m_added = nullptr;
    // The player changed the fields of a box since its last Add (or Skip).
    bool m_edited[SayKey + 1] = {};
};
