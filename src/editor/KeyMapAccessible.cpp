// The keyboard map as a list of accessible items, one per key, named as the map tells them.
#include "editor/KeyMapView.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {

class KeyItem : public QAccessibleInterface
{
public:
    KeyItem(KeyMapView *view, int index)
        : m_view(view)
        , m_index(index)
    { }

    bool isValid() const override { return m_view && m_index < m_view->placeCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_view.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        if (t == QAccessible::Name)
            return m_view->placeText(m_index);
        if (t == QAccessible::Description)
            return m_view->place(m_index).name;
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = m_view->placeRect(m_index);
        return QRect(m_view->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        const bool named = !m_view->place(m_index).name.isEmpty();
        s.focusable = named;
        s.selectable = named;
        s.disabled = !named;
        s.focused = m_view->hasFocus() && m_view->focusPlace() == m_index;
        s.selected = m_view->focusPlace() == m_index;
        return s;
    }

private:
    QPointer<KeyMapView> m_view;
    int m_index;
};

class KeyMapAccessible : public QAccessibleWidget
{
public:
    explicit KeyMapAccessible(KeyMapView *view)
        : QAccessibleWidget(view, QAccessible::List)
    { }
    ~KeyMapAccessible() override
    {
        for (const QAccessible::Id id : qAsConst(m_items))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return view()->placeCount(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (m_items.size() <= index)
            m_items.resize(childCount(), 0);
        if (!m_items[index]) {
            m_items[index] = QAccessible::registerAccessibleInterface(new KeyItem(view(), index));
        }
        return QAccessible::accessibleInterface(m_items[index]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < m_items.size(); ++i) {
            if (m_items[i] && QAccessible::accessibleInterface(m_items[i]) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        return view()->hasFocus() ? child(view()->focusPlace()) : nullptr;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint at = view()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            if (view()->placeRect(i).contains(at))
                return child(i);
        }
        return nullptr;
    }

private:
    KeyMapView *view() const { return static_cast<KeyMapView *>(widget()); }
    mutable QVector<QAccessible::Id> m_items;
};

} // namespace

QAccessibleInterface *keyMapAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("KeyMapView") && object && object->isWidgetType())
        return new KeyMapAccessible(static_cast<KeyMapView *>(object));
    return nullptr;
}
