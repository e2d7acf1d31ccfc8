#include "wizard/Layers.h"

#include <QWidget>

LayerStack::LayerStack(QObject *parent)
    : QObject(parent)
{ }

void LayerStack::setWidget(Layer layer, QWidget *widget)
{
    m_widgets[index(layer)] = widget;
    update();
}

void LayerStack::setBackground(QWidget *background)
{
    m_background = background;
    update();
}

void LayerStack::setFactory(Layer layer, std::function<QWidget *()> factory)
{
    m_factories[index(layer)] = std::move(factory);
}

QWidget *LayerStack::ensure(Layer layer)
{
    QWidget *&widget = m_widgets[index(layer)];
    if (!widget && m_factories[index(layer)]) {
        widget = m_factories[index(layer)]();
        widget->setVisible(false);
    }
    return widget;
}

void LayerStack::show(Layer layer)
{
    ensure(layer);
    m_shown[index(layer)] = true;
    update();
}

void LayerStack::hide(Layer layer)
{
    m_shown[index(layer)] = false;
    update();
}

void LayerStack::hideAll()
{
    m_shown.fill(false);
    update();
}

bool LayerStack::visibleLayer(Layer *layer) const
{
    for (int i = layerCount - 1; i >= 0; --i) {
        if (m_shown[i]) {
            if (layer)
                *layer = static_cast<Layer>(i);
            return true;
        }
    }
    return false;
}

void LayerStack::update()
{
    Layer top = Layer::VSays;
    const bool any = visibleLayer(&top);
    // Hide first, then show, so the focus never lands in a layer about to be hidden.
    for (int i = 0; i < layerCount; ++i) {
        if (m_widgets[i] && !(any && i == index(top)))
            m_widgets[i]->setVisible(false);
    }
    if (m_background)
        m_background->setVisible(!any);
    if (any && m_widgets[index(top)]) {
        m_widgets[index(top)]->setVisible(true);
        m_widgets[index(top)]->raise();
    }
}
