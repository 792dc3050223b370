#pragma once

#include "analysis/evolution_feed.h"
#include "analysis/live_marks.h"
#include "engine/selection.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class QLabel;

namespace quarrow {

/// The rule a scheme picks its next parent by, in a line of plain words.
QString SchemeRule(Scheme scheme);

/// The headline over the offspring rows: the rule a class should not miss, that in schemes 1 and
/// 2 the last offspring is the next parent whatever the others score; empty for scheme 3.
QString OffspringHeadline(Scheme scheme);

/// How a screen reader hears one offspring row: "Offspring 7: 5 of 9 right, next parent", or
/// for scheme 3 "Offspring 7: 4 letters copied, 2 hits".
QString DescribeOffspring(Scheme scheme, qsizetype number, const OffspringRow& row,
                          qsizetype targetLength, OffspringFate fate);

/// The offspring of one generation, a row each, as the engine bred them: for schemes 1 and 2 each
/// letter marked right, changed or kept against the target and the parent, and the offspring
/// that becomes the next parent labelled; for scheme 3 each offspring's copied prefix and its
/// tail's hits. A line under them states the scheme's rule.
class OffspringPanel : public QWidget {
    Q_OBJECT

public:
    OffspringPanel(const QString& target, const QString& firstString, Scheme scheme,
                   QWidget* parent = nullptr);

    /// Shows the offspring of `generation`, bred from `parent` (schemes 1 and 2).
    void ShowOffspring(std::int64_t generation, const std::vector<OffspringRow>& rows,
                       const std::string& parent);

    /// The rows' texts as a screen reader hears them, one a row shown.
    QStringList RowDescriptions() const;
    /// The rows' letters, one a row shown.
    QStringList RowLetters() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    /// The title, the scheme's rule, the legend and the rows in the program's language.
    void ShowTexts();
    QString RowText(qsizetype index, const OffspringRow& row, const QString& parent,
                    OffspringFate fate) const;

    QString target_;
    QString firstString_;
    Scheme scheme_;
    QLabel* title_;
    QLabel* rule_;
    QLabel* legend_;
    // The generation last shown, for showing it again in another language.
    std::int64_t shownGeneration_ = 0;
    std::vector<OffspringRow> shownRows_;
    std::string shownParent_;
    QList<QLabel*> rows_;
    QStringList letters_;
};

} // namespace quarrow
