#pragma once

#include "engine/scheme.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;

namespace quarrow {

/// The letters of `current` as rich text, each letter equal to `target`'s letter at its place
/// bold, underlined and coloured, so that a match shows without relying on colour alone.
QString MarkedLetters(const QString& current, const QString& target);

/// An offspring of `parent` as rich text, each letter marked as `MarkedLetters` marks it when it
/// equals `target`'s letter there, else as changed (italic, coloured) where it differs from the
/// parent's letter, and left plain where the parent's wrong letter was kept.
QString MarkedChild(const QString& child, const QString& parent, const QString& target);

/// An offspring with a copied prefix as rich text: its first `locked` letters marked as locked
/// (bold, underlined, blue) and each later letter equal to `scoredAgainst`'s letter there marked as
/// a hit (bold, underlined, green). `marked`, when given, receives the number of letters marked.
QString MarkedOffspring(const QString& offspring, qsizetype locked, const QString& scoredAgainst,
                        qsizetype* marked = nullptr);

/// How a screen reader hears `right` of `length` letters right, naming the few wrong (or the few
/// right) places rather than every one: "27 of 28 right; wrong at position 4".
QString DescribeRightLetters(const QList<qsizetype>& right, qsizetype length);

/// The letters of the live view, large enough to read across a room: the target over the
/// current parent with its right letters marked, or for the prefix presenter the target, the
/// string the random tail is scored against, and the generation's last offspring.
class LettersPanel : public QWidget {
    Q_OBJECT

public:
    LettersPanel(const QString& target, const QString& firstString, LivePresenter presenter,
                 QWidget* parent = nullptr);

    /// Shows the current parent against the target.
    void ShowParent(const QString& current);
    /// Shows an offspring with its first `locked` letters copied from the target.
    void ShowOffspring(const QString& offspring, qsizetype locked);
    /// Letters marked in the shown string.
    qsizetype MarkedLetterCount() const { return markedLetters_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    /// The captions, names and note in the program's language, and the shown string described
    /// again in it.
    void ShowTexts();

    // A caption beside a row of letters, and the row's accessible name, as catalogue sources.
    struct CaptionRow {
        QLabel* caption;
        const char* captionSource;
        QLabel* letters;
        const char* accessibleSource;
    };
    QString target_;
    QString firstString_;
    QLabel* currentLabel_;
    std::vector<CaptionRow> rows_;
    QLabel* note_ = nullptr;
    // What the current row shows, and for an offspring how many letters it copied.
    QString shown_;
    std::optional<qsizetype> locked_;
    qsizetype markedLetters_ = 0;
};

} // namespace quarrow
