#include "gui/focus_checks.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTabBar>
#include <QTimer>
#include <QWidget>

#include "frontend/field_checks.h"

namespace dossier {

FocusChecks::FocusChecks(QWidget* window, CharacterRecord& record, Dialogs& dialogs,
                         const std::array<QWidget*, kFieldCount>& controls)
    : QObject(window), window_(window), record_(record), dialogs_(dialogs), controls_(controls) {}

bool FocusChecks::InWindow(const QWidget* widget) const {
    return widget != nullptr && widget->window() == window_;
}

std::optional<Field> FocusChecks::CheckedFieldOf(const QWidget* widget) const {
    for (Field field : {Field::txtAge, Field::txtLevel}) {
        const QWidget* control = controls_[Index(field)];
        if (widget != nullptr && (widget == control || control->isAncestorOf(widget))) return field;
    }
    return std::nullopt;
}

bool FocusChecks::CheckLeaving(Field field) {
    if (checking_) return true;
    checking_ = true;
    const bool valid = field == Field::txtAge ? CheckAgeOnLeave(record_, dialogs_)
                                              : CheckLevelOnLeave(record_, dialogs_);
    checking_ = false;
    if (valid) return true;
    QWidget* control = controls_[Index(field)];
    // Focus is still moving when a check runs; take it back once the move is over. The
    // field that loses the focus to this is not checked: the user did not leave it.
    // The closed message box may leave no window active; the focus only shows in an active one.
    QTimer::singleShot(0, control, [this, control] {
        returningFocus_ = true;
        window_->activateWindow();
        control->setFocus(Qt::OtherFocusReason);
        returningFocus_ = false;
    });
    return false;
}

bool FocusChecks::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (widget == controls_[Index(Field::cboWeight)] &&
                reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                RollWeightOnLeave(record_);
            }
            const std::optional<Field> field = CheckedFieldOf(widget);
            if (field && widget == controls_[Index(*field)] && !returningFocus_ &&
                (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                 reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
                 reason == Qt::OtherFocusReason)) {
                // Qt moves the focus before the click reaches its widget: a click that took
                // the focus from a refused field does nothing else.
                if (!CheckLeaving(*field) && reason == Qt::MouseFocusReason) swallowPress_ = true;
            }
            break;
        }
        case QEvent::MouseButtonRelease:
            if (swallowRelease_ && InWindow(widget)) {
                swallowRelease_ = false;
                return true;
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            if (!InWindow(widget)) break;
            swallowRelease_ = false;
            if (swallowPress_) {
                swallowPress_ = false;
                swallowRelease_ = true;
                return true;
            }
            // A tab takes no focus of its own, so a click on one checks the field that keeps
            // the focus instead; a refused field stays on its page.
            if (qobject_cast<QTabBar*>(widget) == nullptr || checking_) break;
            // The window's own focus widget: the application's is none while no window is active.
            const std::optional<Field> focused = CheckedFieldOf(window_->focusWidget());
            if (focused && !CheckLeaving(*focused)) return true;
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace dossier
