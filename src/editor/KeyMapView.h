#pragma once

#include "editor/KeyMapDrawing.h"

#include <QWidget>

// The keyboard map on screen. Hovering a key shows its binding in a tool tip and tells it as
// the key's hint; a click on a key, or Enter or Space on the key with the focus, activates it.
// The arrow keys move the focus from key to key; each key is an accessible item of its own.
class KeyMapView : public QWidget
{
    Q_OBJECT
public:
    explicit KeyMapView(const KeyMapModel &model, QWidget *parent = nullptr);

    // Lays the keys out again for the model's game version and repaints.
    void refresh();

    const KeyMapDrawing &drawing() const { return m_drawing; }
    int placeCount() const { return int(m_places.size()); }
    const KeyPlace &place(int index) const { return m_places[index]; }
    // What a place shows as an accessible item: "F5: vsay Medic (line 62)", "F9: free".
    QString placeText(int index) const;
    QRect placeRect(int index) const;
    // The place with the focus among the keys, or -1.
    int focusPlace() const { return m_focus; }
    void setFocusPlace(int index);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    // A key with a name was clicked or pressed: its name on the map.
    void keyActivated(const QString &key);
    // The pointer went over a key: its description; empty when it left the keys.
    void keyHovered(const QString &description);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    int nextPlace(int key) const;

    const KeyMapModel &m_model;
    QVector<KeyPlace> m_places;
    KeyMapDrawing m_drawing;
    Game::Version m_version;
    int m_focus = 0;
    int m_hover = -1;
};
