#pragma once

#include "editor/KeyMapModel.h"

#include <QDialog>
#include <QStringList>

class Dialogs;
class KeyMapView;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QTreeWidget;
class ScriptCheck;

// The Keyboard Map window, beside the main window: the map of the keys the script binds, kept
// up to date as the script changes, a list of the same keys sortable by key or by binding, and
// a hint line. Activating a bound key puts the caret on its line in the script view (during the
// wizard it tells the step instead); a free key goes into the key field that has the focus.
class KeyMapWindow : public QDialog
{
    Q_OBJECT
public:
    KeyMapWindow(ScriptCheck &check, QPlainTextEdit *editor, QWidget *parent = nullptr);

    // The wizard's part; none at first.
    void setSource(KeyMapSource *source);

    const KeyMapModel &model() const { return m_model; }
    KeyMapView *view() const { return m_view; }

    // Shows the window beside its main window and brings it to the front.
    void showBeside();
    // Export Keyboard Map: saves the map as drawn now, as a PNG image of the map's size or an
    // SVG drawing, to a file the player chooses.
    void exportMap(Dialogs &dialogs);
    // Prints the map on one page; false when the printer could not.
    bool print(QPrinter &printer);

public slots:
    // Reads the bindings again now when the window shows, else when it shows next.
    void refresh();
    void activateKey(const QString &key);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillList();
    void showHint(const QString &text);
    bool writePicture(const QString &path);

    KeyMapModel m_model;
    KeyMapSource *m_source = nullptr;
    QPlainTextEdit *m_editor;
    KeyMapView *m_view;
    QTreeWidget *m_list;
    QLabel *m_hint;
    bool m_stale = true;
    QStringList m_listed; // what the list shows, to tell whether it changed
};
