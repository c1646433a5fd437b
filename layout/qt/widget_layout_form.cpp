// A window's frame, client area and controls collection for the layout scaler.
#include "layout/qt/widget_layout_form.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <memory>

#include "layout/qt/menu_entry_control.h"
#include "layout/qt/widget_layout_control.h"
#include "layout/qt/widget_twips.h"

namespace {

/** Qt names the inner parts of its composite widgets "qt_...": they are no controls of ours. */
bool isControlName(const QString& name) {
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

QMenuBar* menuBarOf(QWidget* window) {
    if (auto* main = qobject_cast<QMainWindow*>(window)) {
        return qobject_cast<QMenuBar*>(main->menuWidget());
    }
    return window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
}

/** Where the controls live: a main window's central widget, otherwise the window itself. */
QWidget* clientArea(QWidget* window) {
    if (auto* main = qobject_cast<QMainWindow*>(window)) return main->centralWidget();
    return window;
}

void addWidgets(QObject* parent, LayoutForm::Controls& controls) {
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        // Windows of their own (dialogs, menus popping up) and the menu bar are not in the
        // client area.
        if (!widget || widget->isWindow() || qobject_cast<QMenuBar*>(widget)) continue;
        if (isControlName(widget->objectName())) {
            controls.push_back(std::make_shared<WidgetLayoutControl>(widget));
        }
        addWidgets(widget, controls);
    }
}

void addMenuEntries(const QList<QAction*>& actions, LayoutForm::Controls& controls) {
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        if (QMenu* menu = action->menu()) {
            if (isControlName(menu->objectName())) {
                controls.push_back(std::make_shared<MenuEntryControl>(menu));
            }
            addMenuEntries(menu->actions(), controls);
        } else if (isControlName(action->objectName())) {
            controls.push_back(std::make_shared<MenuEntryControl>(action));
        }
    }
}

}  // namespace

std::optional<PropertyValue> WidgetLayoutForm::property(std::string_view name) const {
    if (!m_window) return std::nullopt;
    if (name == "Name") return m_window->objectName().toStdString();
    if (name == "Visible") return m_window->isVisible();
    if (name == "MDIChild") return false;

    const QRect frame = m_window->frameGeometry();
    if (name == "Top") return WidgetTwips::fromPixels(frame.y());
    if (name == "Left") return WidgetTwips::fromPixels(frame.x());
    if (name == "Height") return WidgetTwips::fromPixels(frame.height());
    if (name == "Width") return WidgetTwips::fromPixels(frame.width());
    // The inside is the area the controls live in, which need not follow the window's size: a
    // window stretched from outside around a client area of fixed size keeps its controls' places.
    const QWidget* area = clientArea(m_window);
    if (!area) return std::nullopt;
    if (name == "ScaleWidth") return WidgetTwips::fromPixels(area->width());
    if (name == "ScaleHeight") {
        int height = area->height();
        const QMenuBar* bar = menuBarOf(m_window);
        if (area == m_window && bar && !bar->isHidden()) height -= bar->height();
        return WidgetTwips::fromPixels(height);
    }
    return std::nullopt;
}

bool WidgetLayoutForm::setProperty(std::string_view name, const PropertyValue& value) {
    if (!m_window) return false;
    if (name == "Visible") {
        const bool* visible = std::get_if<bool>(&value);
        if (!visible) return false;
        m_window->setVisible(*visible);
        return true;
    }
    if (name != "Height" && name != "Width") return false;
    const double* twips = std::get_if<double>(&value);
    const std::optional<int> pixels = twips ? WidgetTwips::toPixels(*twips) : std::nullopt;
    if (!pixels) return false;
    // Height and Width count the frame; the window is resized by its inside.
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
    QSize inside = m_window->size();
    if (name == "Height") {
        inside.setHeight(*pixels - frame.height());
    } else {
        inside.setWidth(*pixels - frame.width());
    }
    if (inside.width() < 0 || inside.height() < 0) return false;
    m_window->resize(inside);
    return true;
}

std::optional<LayoutForm::Controls> WidgetLayoutForm::controls() {
    if (!m_window) return std::nullopt;
    Controls controls;
    if (QWidget* client = clientArea(m_window)) addWidgets(client, controls);
    if (QMenuBar* bar = menuBarOf(m_window)) addMenuEntries(bar->actions(), controls);
    return controls;
}
