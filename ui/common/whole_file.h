#pragma once

#include <QList>
#include <QString>

#include <functional>

class QFileDialog;
class QWidget;

namespace quarrow {

/// A kind of file a save dialog offers: its description ("PNG images") and its extension
/// ("png").
struct SavedType {
    QString description;
    QString extension;
};

/// The kinds of file a chart is saved as: a PNG image first, then an SVG drawing.
QList<SavedType> ChartTypes();

/// `path` as it is saved when `chosen` is the type picked: unchanged when it already ends in
/// the extension of one of `types`, else with the extension of `chosen` added.
QString WithTypeExtension(const QString& path, const QList<SavedType>& types,
                          const SavedType& chosen);

/// Opens a save dialog over `window`, at its zoom, offering `types` (the first unless
/// `suggested` ends in another's extension), and returns at once. Once the user has chosen a
/// name, and has agreed to replace the file of that name where there is one already, `save` is
/// called with the path, its extension that of the chosen type when the name had none.
/// The dialog and its question belong to `window` and go when it goes. Tests find them by the
/// object names `kSaveDialogName` and `kReplaceQuestionName`.
QFileDialog* OpenSaveDialog(QWidget& window, const QString& title, const QString& suggested,
                            const QList<SavedType>& types,
                            const std::function<void(const QString&)>& save);

inline constexpr char kSaveDialogName[] = "saveDialog";
inline constexpr char kReplaceQuestionName[] = "replaceQuestion";

} // namespace quarrow
