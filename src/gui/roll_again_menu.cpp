#include "gui/roll_again_menu.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "frontend/field_checks.h"

namespace dossier {

namespace {

constexpr const char* kCaption = "Roll Again";

// The whole word, as a menu entry says it: "Roll Again: Cover".
QString Entry(const RerollTarget& target) {
    QString word =
        QString::fromUtf8(target.word.data(), static_cast<qsizetype>(target.word.size()));
    word[0] = word[0].toUpper();
    return QString(kCaption) + ": " + word;
}

}  // namespace

RollAgainMenu::RollAgainMenu(QWidget* window, CharacterRecord& record, FileMenu& files,
                             Dialogs& dialogs, Dice& dice, Dice& nameDice, Dice& profileDice)
    : QObject(window),
      record_(record),
      files_(files),
      dialogs_(dialogs),
      dice_(dice),
      nameDice_(nameDice),
      profileDice_(profileDice) {}

void RollAgainMenu::Offer(Field field, QWidget* control) {
    const RerollTarget* target = RerollTargetOf(field);
    auto* line = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control)) line = combo->lineEdit();
    if (target == nullptr || line == nullptr) return;
    line->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(line, &QWidget::customContextMenuRequested, this, [this, line, target](QPoint at) {
        // The box's own editing actions stay, below it.
        QMenu* menu = line->createStandardContextMenu();
        menu->setObjectName("mnuRollAgain");
        QAction* again = new QAction(kCaption, menu);
        again->setObjectName("mnuRollAgainValue");
        menu->insertAction(menu->actions().value(0), again);
        menu->insertSeparator(menu->actions().value(1));
        connect(again, &QAction::triggered, this, [this, target] { RollAgain(*target); });
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(line->mapToGlobal(at));
    });
}

void RollAgainMenu::Offer(QLabel* label, std::vector<const RerollTarget*> targets) {
    label->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(label, &QWidget::customContextMenuRequested, this, [this, label, targets](QPoint at) {
        auto* menu = new QMenu(label);
        menu->setObjectName("mnuRollAgain");
        for (const RerollTarget* target : targets)
            connect(menu->addAction(Entry(*target)), &QAction::triggered, this,
                    [this, target] { RollAgain(*target); });
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(label->mapToGlobal(at));
    });
}

void RollAgainMenu::RollAgain(const RerollTarget& target) {
    const SavedCharacter* current = files_.current();
    if (current == nullptr) {
        files_.Replace(std::nullopt, kCaption);  // says that there is no character yet
        return;
    }
    // The character as the window shows it: what the user typed since counts.
    SavedCharacter shown = *current;
    for (const FieldInfo& info : kFields)
        shown.fields[Index(info.field)] = record_.Text(info.field);
    shown.heightClass = record_.working.heightClass;
    shown.weightClass = record_.working.weightClass;
    ReadMoment(record_, shown.moment);
    const RerollTarget* targets[] = {&target};
    try {
        if (!reroller_) reroller_.emplace(dice_, nameDice_, profileDice_);
        SavedCharacter rolled = reroller_->Reroll(shown, targets);
        if (files_.Replace(rolled, kCaption)) TypeInto(record_, rolled);
    } catch (const FieldValueError& error) {  // a trait or level typed that is not a number
        const UserMessage message = MessageFor(error);
        dialogs_.Message(message.text, message.title);
    }
}

}  // namespace dossier
