#include "plot/catalogue.h"
#include "ui/window/quarrow.h"
#include "ui/window/selection_page.h"
#include "ui_quarrow.h"

#include <QActionGroup>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QSignalBlocker>

#include <utility>
#include <vector>

// The language is chosen from the window's context menu (the right mouse button anywhere off a
// box, the menu key, Shift+F10) or with Ctrl+Shift+L in any of its windows, so that the fixed
// layout keeps every place it has. Each language is named in itself, the same in every language;
// the choice lasts until the program ends.

namespace quarrow {

void Quarrow::InstallLanguageChoice() {
    // From every window of the program (the live view, the Repeat window, the help), as each
    // shows its texts in the language chosen; not under a question, which waits for its answer.
    auto* choose = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), this);
    choose->setContext(Qt::ApplicationShortcut);
    connect(choose, &QShortcut::activated, this, [this] {
        if (QApplication::activeModalWidget() != nullptr) {
            return;
        }
        const QWidget* focused = QApplication::focusWidget();
        const QWidget* active = QApplication::activeWindow();
        const QPoint at = focused != nullptr  ? focused->mapToGlobal(focused->rect().bottomLeft())
                          : active != nullptr ? active->mapToGlobal(active->rect().center())
                                              : mapToGlobal(rect().center());
        ShowLanguageMenu(at);
    });
}

QMenu* Quarrow::LanguageMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("languageMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto* group = new QActionGroup(menu);
    const plot::Catalogue* catalogue = plot::Catalogue::Of(*QCoreApplication::instance());
    const QString shown = catalogue != nullptr ? catalogue->Language() : QStringLiteral("en");
    for (const plot::ShippedLanguage& language : plot::ShippedLanguages()) {
        QAction* action = menu->addAction(language.name);
        action->setObjectName(QStringLiteral("language_") + language.code);
        action->setCheckable(true);
        action->setChecked(language.code == shown);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [code = language.code] {
            if (plot::Catalogue* chosen = plot::Catalogue::Of(*QCoreApplication::instance())) {
                chosen->Use(code);
            }
        });
    }
    return menu;
}

void Quarrow::ShowLanguageMenu(QPoint at) {
    LanguageMenu()->popup(at);
}

void Quarrow::contextMenuEvent(QContextMenuEvent* event) {
    ShowLanguageMenu(event->globalPos());
    event->accept();
}

void Quarrow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && !laidOut_.empty()) {
        ShowTexts();
    }
}

void Quarrow::ShowTexts() {
    // The boxes hold the window's state (what was typed, what the runs wrote), which the form's
    // own texts would otherwise replace; their handlers do not hear of it.
    std::vector<std::pair<QLineEdit*, QString>> boxes;
    std::vector<QSignalBlocker> quiet;
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        boxes.emplace_back(box, box->text());
        quiet.emplace_back(box);
    }
    std::vector<std::pair<QLabel*, QString>> labels;
    for (QLabel* label : findChildren<QLabel*>()) {
        labels.emplace_back(label, label->text());
    }
    ui_->retranslateUi(this);
    for (auto& [box, text] : boxes) {
        if (box->text() != text) {
            const int cursor = box->cursorPosition();
            box->setText(text);
            box->setCursorPosition(cursor);
        }
    }
    // A label the form leaves empty is one the program writes.
    for (auto& [label, text] : labels) {
        if (label->text().isEmpty() && !text.isEmpty()) {
            label->setText(text);
        }
    }
    ShowCodeTexts();
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->property("fitsText").toBool()) {
            label->adjustSize();
        }
    }
    FitLayoutToWindow();
}

} // namespace quarrow
