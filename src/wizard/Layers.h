#pragma once

#include <QObject>
#include <array>
#include <functional>

class QWidget;

// The layers of the main window's client area, from bottom to top. This order is fixed:
// showing or hiding a layer never changes it, and the player sees the topmost shown layer.
enum class Layer {
    VSays, // step 2
    Scripts1, // step 3
    Scripts2, // step 4
    Game, // step 5
    View, // step 6
    System, // step 7
    Server, // step 8
    Editor, // the script view
    Controls, // step 1
    Misc, // step 9
    Start, // the start screen
};

constexpr int layerCount = 11;

// Shown flags for the eleven layers and the widgets that stand for them. Only the visible layer
// (the topmost shown one) is a visible widget; the background shows when no layer is shown.
class LayerStack : public QObject
{
    Q_OBJECT
public:
    explicit LayerStack(QObject *parent = nullptr);

    void setWidget(Layer layer, QWidget *widget);
    // Builds the layer's widget the first time it is needed (shown, or asked for with ensure()),
    // so the window starts without building screens nobody has seen yet.
    void setFactory(Layer layer, std::function<QWidget *()> factory);
    QWidget *ensure(Layer layer);
    void setBackground(QWidget *background);
    QWidget *widget(Layer layer) const { return m_widgets[index(layer)]; }

    void show(Layer layer);
    void hide(Layer layer);
    void hideAll();
    bool isShown(Layer layer) const { return m_shown[index(layer)]; }

    // The topmost shown layer; false when none is shown.
    bool visibleLayer(Layer *layer) const;

private:
    static int index(Layer layer) { return static_cast<int>(layer); }
    void update();

    std::array<bool, layerCount> m_shown {};
    std::array<QWidget *, layerCount> m_widgets {};
    std::array<std::function<QWidget *()>, layerCount> m_factories {};
    QWidget *m_background = nullptr;
};
