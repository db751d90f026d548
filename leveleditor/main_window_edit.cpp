// Selection, typed values, the arrows, the kind chooser and the mouse in the view.
#include "engine/engine.hpp"
#include "leveleditor/arrow_label.hpp"
#include "leveleditor/dialogs.hpp"
#include "leveleditor/main_window.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace leveleditor {

QLineEdit* MainWindow::fieldEdit(Field field) const {
    return fieldEdits_[static_cast<std::size_t>(field)];
}

void MainWindow::onMapChosen(int index) {
    if (index < 0) {
        return;
    }
    document_.level.map = static_cast<std::int16_t>(index + 1);
    check1_->setEnabled(true);
    fieldEdit(Field::x)->setEnabled(true);
    fieldEdit(Field::y)->setEnabled(true);
    if (list1_->count() == 0) {
        list1_->addItem(text(language_, Text::flyItem));
    }
    selectItem(0);
    document_.changed = true;
}

void MainWindow::selectItem(int item) {
    {
        const QSignalBlocker blocker(list1_);
        list1_->setCurrentRow(item);
    }
    showSelection();
}

void MainWindow::showSelection() {
    const int item = list1_->currentRow();
    for (Field field : {Field::x, Field::y, Field::angle}) {
        showFieldValue(field);
    }
    fieldEdit(Field::angle)->setEnabled(item >= 1 && !chooserShown());
}

void MainWindow::showFieldValue(Field field) {
    const int value = fieldValue(document_.level, list1_->currentRow(), field);
    fieldEdit(field)->setText(QString::number(value));
}

void MainWindow::checkField(Field field) {
    QLineEdit* edit = fieldEdit(field);
    // A field of an empty document, or one being disabled, holds nothing to check.
    if (checkingField_ || !running_ || !edit->isEnabled() || document_.level.map == 0) {
        return;
    }
    checkingField_ = true;
    const FieldCheck check = leveleditor::checkField(field, edit->text().toStdString());
    if (check.verdict == FieldVerdict::accepted) {
        applyField(document_.level, list1_->currentRow(), field, check.value);
    } else {
        // The field shows the object's value again before the notice, so nothing refused stays.
        showFieldValue(field);
        const Text message = check.verdict == FieldVerdict::notNumber ? Text::onlyNumbers
                             : field == Field::x                      ? Text::axisXRange
                             : field == Field::y                      ? Text::axisYRange
                                                                      : Text::angleRange;
        inform(message);
    }
    checkingField_ = false;
}

void MainWindow::pressArrow(ArrowRepeat::Arrow arrow) {
    // The arrows step only while a map is chosen.
    if (document_.level.map == 0) {
        return;
    }
    arrows_.press(arrow);
    document_.changed = true;
}

void MainWindow::releaseArrow(ArrowRepeat::Arrow arrow) {
    arrows_.release(arrow, engine_ ? engine_->tick() : 0);
}

void MainWindow::runArrowSteps() {
    const auto due = arrows_.due(engine_->tick());
    for (ArrowRepeat::Arrow arrow : due) {
        switch (arrow) {
        case ArrowRepeat::bubblesUp:
            stepBubblesUp(document_.level);
            break;
        case ArrowRepeat::bubblesDown:
            stepBubblesDown(document_.level);
            break;
        case ArrowRepeat::timeUp:
            stepTimeUp(document_.level);
            break;
        case ArrowRepeat::timeDown:
            stepTimeDown(document_.level);
            break;
        case ArrowRepeat::arrowCount:
            break;
        }
    }
    if (!due.empty()) {
        showBubblesAndTime();
    }
}

void MainWindow::showBubblesAndTime() {
    label5_->setText(twoDigits(document_.level.bubbles));
    label6_->setText(timeText(document_.level.minutes, document_.level.seconds));
}

bool MainWindow::chooserShown() const {
    return !chooser_->isHidden();
}

void MainWindow::openKindChooser() {
    if (document_.level.map == 0) {
        inform(Text::selectMapFirst);
        return;
    }
    if (document_.level.enemyCount >= common::kMaxEnemies) {
        inform(Text::noMoreEnemies);
        return;
    }
    chooser_->show();
    chooser_->raise();
    list2_->show();
    command8_->show();
    command9_->show();
    if (list2_->currentRow() < 0) {
        list2_->setCurrentRow(0);
    }
    list2_->setFocus(Qt::OtherFocusReason);
    for (QWidget* control :
         std::initializer_list<QWidget*>{combo1_, fieldEdits_[0], fieldEdits_[1], fieldEdits_[2],
                                         check1_, list1_, option1_, option2_, command1_, command2_,
                                         command3_, command4_, command5_, command6_, command7_}) {
        control->setEnabled(false);
    }
    for (ArrowLabel* arrow : arrowLabels_) {
        arrow->setEnabled(false);
    }
    placement_.releaseAll();
}

void MainWindow::closeKindChooser(bool add) {
    const int row = list2_->currentRow();
    if (add && row < 0) {
        return; // no kind highlighted: the chooser waits for one
    }
    list2_->hide();
    command8_->hide();
    command9_->hide();
    chooser_->hide();
    for (QWidget* control : std::initializer_list<QWidget*>{
             combo1_, fieldEdits_[0], fieldEdits_[1], check1_, list1_, option1_, option2_,
             command1_, command4_, command5_, command6_, command7_}) {
        control->setEnabled(true);
    }
    for (ArrowLabel* arrow : arrowLabels_) {
        arrow->setEnabled(true);
    }
    command2_->setEnabled(mayDeleteOpenFile());
    command3_->setEnabled(canSave(document_.level));
    if (add && appendEnemy(document_.level, row + 1)) {
        const int number = document_.level.enemyCount;
        list1_->addItem(QString::number(number) + QStringLiteral(". ") + list2_->item(row)->text());
        selectItem(number);
        document_.changed = true;
    } else {
        showSelection();
    }
}

void MainWindow::deleteSelectedEnemy() {
    const int item = list1_->currentRow();
    if (item == 0) {
        inform(Text::cannotDeleteFly);
        return;
    }
    if (item < 0 || item > document_.level.enemyCount) {
        inform(Text::cannotDeleteUnselected);
        return;
    }
    deleteEnemy(document_.level, item);
    delete list1_->takeItem(item);
    for (int row = 1; row < list1_->count(); ++row) {
        const int kind = document_.level.enemies[static_cast<std::size_t>(row - 1)].kind;
        list1_->item(row)->setText(enemyItem(language_, row, kind));
    }
    selectItem(0);
    document_.changed = true;
}

void MainWindow::fillEnemyList() {
    const QSignalBlocker blocker(list1_);
    list1_->clear();
    list1_->addItem(text(language_, Text::flyItem));
    for (int number = 1; number <= document_.level.enemyCount; ++number) {
        const int kind = document_.level.enemies[static_cast<std::size_t>(number - 1)].kind;
        list1_->addItem(enemyItem(language_, number, kind));
    }
}

void MainWindow::handleMouse() {
    const bool down = engine_->mouseButtonDown(0);
    const engine::Point position = engine_->mousePosition();
    const engine::Point moved = engine_->mouseRelative();
    // Without a map there is nothing to place.
    if (document_.level.map == 0) {
        placement_.releaseAll();
        return;
    }
    const Placement::Outcome outcome =
        placement_.step(document_.level, down, position.x, position.y, moved.y);
    if (outcome.selectItem) {
        selectItem(*outcome.selectItem);
    }
    if (outcome.flyGrabbed) {
        fieldEdit(Field::angle)->setEnabled(false);
    }
    if (outcome.showPosition) {
        const auto& level = document_.level;
        const bool fly = outcome.positionItem == 0;
        const auto& enemy =
            level.enemies[static_cast<std::size_t>(fly ? 0 : outcome.positionItem - 1)];
        fieldEdit(Field::x)->setText(QString::number(shownCoordinate(fly ? level.flyX : enemy.x)));
        fieldEdit(Field::y)->setText(QString::number(shownCoordinate(fly ? level.flyY : enemy.y)));
    }
    if (outcome.shownAngle) {
        fieldEdit(Field::angle)->setText(QString::number(*outcome.shownAngle));
    }
    if (outcome.changed) {
        document_.changed = true;
    }
}

void MainWindow::enableSaveAsWhenReady() {
    if (!command3_->isEnabled() && !chooserShown() && canSave(document_.level)) {
        command3_->setEnabled(true);
    }
}

} // namespace leveleditor
