#include "shell/runic_menu_bar_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QPointer>
#include <memory>
#include <vector>

#include "shell/runic_menu_bar.h"

namespace kolvar {
namespace {

class MenuBarAccessible;

// One title of the bar. Not a QObject of its own: it lives as long as the
// bar's interface, which deletes it.
class MenuBarItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuBarItemAccessible(RunicMenuBar* bar, int index) : bar_(bar), index_(index) {}

    bool isValid() const override { return !bar_.isNull() && index_ < bar_->ItemCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(bar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? bar_->SpokenName(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = bar_->ItemRect(index_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        const MenuBarItem& item = bar_->Item(index_);
        s.disabled = !item.Enabled;
        s.focusable = item.Enabled;
        s.focused = bar_->SelectedItem() == index_;
        s.hasPopup = item.DropDown != nullptr;
        s.expanded = bar_->OpenItem() == index_;
        s.invisible = !bar_->isVisible();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override {
        if (!isValid()) return {};
        return {bar_->Item(index_).DropDown != nullptr ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (isValid() && actionNames().contains(name)) bar_->Activate(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<RunicMenuBar> bar_;
    int index_;
};

class MenuBarAccessible : public QAccessibleWidget {
public:
    explicit MenuBarAccessible(RunicMenuBar* bar) : QAccessibleWidget(bar, QAccessible::MenuBar) {}
    ~MenuBarAccessible() override {
        for (QAccessible::Id id : items_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Bar()->ItemCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        while (static_cast<int>(items_.size()) <= index) {
            auto* item = new MenuBarItemAccessible(Bar(), static_cast<int>(items_.size()));
            items_.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(items_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (QAccessible::accessibleInterface(items_[i]) == child) return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = Bar()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (Bar()->ItemRect(i).contains(p)) return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return Bar()->SelectedItem() >= 0 ? child(Bar()->SelectedItem()) : nullptr;
    }

private:
    RunicMenuBar* Bar() const { return static_cast<RunicMenuBar*>(widget()); }

    mutable std::vector<QAccessible::Id> items_;
};

QAccessibleInterface* MenuBarFactory(const QString&, QObject* object) {
    auto* bar = qobject_cast<RunicMenuBar*>(object);
    return bar != nullptr ? new MenuBarAccessible(bar) : nullptr;
}

}  // namespace

void InstallMenuBarAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MenuBarFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace kolvar
