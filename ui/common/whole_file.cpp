#include "ui/common/whole_file.h"

#include "ui/common/task_runner.h"
#include "ui/common/zoom.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

namespace quarrow {

namespace {

QString FilterOf(const SavedType& type) {
    return QStringLiteral("%1 (*.%2)").arg(type.description, type.extension);
}

bool EndsInExtension(const QString& path, const QString& extension) {
    return path.endsWith(QLatin1Char('.') + extension, Qt::CaseInsensitive);
}

/// Asks whether the file at `path` may be replaced; `yes` saves, `no` chooses again.
void AskToReplace(QWidget& window, const QString& title, const QString& path,
                  const std::function<void()>& yes, const std::function<void()>& no) {
    auto* question = new QMessageBox(QMessageBox::Question, title,
                                     QObject::tr("%1 already exists.\nDo you want to replace it?")
                                         .arg(QDir::toNativeSeparators(path)),
                                     QMessageBox::Yes | QMessageBox::No, &window);
    question->setObjectName(QString::fromLatin1(kReplaceQuestionName));
    question->setDefaultButton(QMessageBox::No);
    question->setAttribute(Qt::WA_DeleteOnClose);
    new WindowZoom(*question);
    QObject::connect(question, &QMessageBox::finished, &window, [yes, no, question] {
        if (question->clickedButton() == question->button(QMessageBox::Yes)) {
            yes();
        } else {
            no();
        }
    });
    OpenOverWindow(*question);
}

} // namespace

QList<SavedType> ChartTypes() {
    return {{QObject::tr("PNG images"), QStringLiteral("png")},
            {QObject::tr("SVG drawings"), QStringLiteral("svg")}};
}

QString WithTypeExtension(const QString& path, const QList<SavedType>& types,
                          const SavedType& chosen) {
    for (const SavedType& type : types) {
        if (EndsInExtension(path, type.extension)) {
            return path;
        }
    }
    return path + QLatin1Char('.') + chosen.extension;
}

QFileDialog* OpenSaveDialog(QWidget& window, const QString& title, const QString& suggested,
                            const QList<SavedType>& types,
                            const std::function<void(const QString&)>& save) {
    const QFileInfo place(suggested);
    QStringList filters;
    QString selected;
    for (const SavedType& type : types) {
        filters.append(FilterOf(type));
        if (selected.isEmpty() && EndsInExtension(suggested, type.extension)) {
            selected = filters.back();
        }
    }
    auto* dialog = new QFileDialog(&window, title, place.absolutePath());
    dialog->setObjectName(QString::fromLatin1(kSaveDialogName));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // The dialog would ask about the name typed; the question is asked below about the name
    // written, which may have gained the chosen type's extension.
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setNameFilters(filters);
    dialog->selectNameFilter(selected.isEmpty() ? filters.value(0) : selected);
    dialog->selectFile(place.fileName());
    new WindowZoom(*dialog);
    QObject::connect(
        dialog, &QDialog::finished, &window, [&window, dialog, title, types, save](int result) {
            const QStringList chosen = dialog->selectedFiles();
            if (result != QDialog::Accepted || chosen.isEmpty() || chosen.front().isEmpty()) {
                return;
            }
            const qsizetype typeIndex = dialog->nameFilters().indexOf(dialog->selectedNameFilter());
            const SavedType& type = types.value(typeIndex < 0 ? 0 : typeIndex);
            const QString path = WithTypeExtension(chosen.front(), types, type);
            if (!QFileInfo::exists(path)) {
                save(path);
                return;
            }
            // Asked once this dialog has gone; a "no" opens another at the same name.
            QPointer<QWidget> owner(&window);
            AskToReplace(
                window, title, path, [save, path] { save(path); },
                [owner, title, path, types, save] {
                    if (owner != nullptr) {
                        OpenSaveDialog(*owner, title, path, types, save);
                    }
                });
        });
    OpenOverWindow(*dialog);
    return dialog;
}

} // namespace quarrow
