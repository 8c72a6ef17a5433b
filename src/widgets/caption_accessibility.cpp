#include "widgets/caption_accessibility.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "widgets/script_text.h"

namespace kolvar {
namespace {

// A menu item whose caption the program draws in runes: the same item as
// Qt presents it, but named by its plain Hungarian.
class CaptionedMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit CaptionedMenuItem(QAction* action) : action_(action) {}

    bool isValid() const override { return !action_.isNull(); }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        QMenu* menu = Menu();
        return menu != nullptr ? menu->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(Menu()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (action_.isNull()) return {};
        if (t == QAccessible::Name) return action_->property(CaptionAccessibleNameProperty).toString();
        if (t == QAccessible::Accelerator) {
            const QString text = action_->text();
            const qsizetype tab = text.indexOf(QLatin1Char('\t'));
            return tab < 0 ? action_->shortcut().toString() : text.mid(tab + 1);
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        QMenu* menu = Menu();
        if (menu == nullptr || action_.isNull()) return {};
        const QRect r = menu->actionGeometry(action_);
        return QRect(menu->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override {
        return action_ && action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (action_.isNull()) return s;
        QMenu* menu = Menu();
        s.invisible = menu == nullptr || !menu->isVisible() || !action_->isVisible();
        s.disabled = !action_->isEnabled();
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        s.focused = menu != nullptr && menu->activeAction() == action_;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && action_ && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* Menu() const {
        if (action_.isNull()) return nullptr;
        for (QObject* o : action_->associatedObjects())
            if (auto* menu = qobject_cast<QMenu*>(o)) return menu;
        return nullptr;
    }

    QPointer<QAction> action_;
};

QAccessibleInterface* CaptionedItemFactory(const QString&, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (action == nullptr || !action->property(CaptionAccessibleNameProperty).isValid()) return nullptr;
    return new CaptionedMenuItem(action);
}

}  // namespace

void InstallCaptionAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(CaptionedItemFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace kolvar
