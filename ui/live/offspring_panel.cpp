#include "ui/live/offspring_panel.h"

#include "plot/scheme_look.h"
#include "ui/common/box_text.h"
#include "ui/live/letters_panel.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace quarrow {

namespace {

QString Count(std::size_t value) {
    return Grouped(static_cast<std::int64_t>(value));
}

QString Hits(std::size_t hits) {
    return OffspringPanel::tr("%Ln hit(s)", nullptr, static_cast<int>(hits));
}

// Whether the panel shows its offspring with their copied prefix rather than against a parent.
bool ShowsPrefix(Scheme scheme) {
    return RowOf(scheme).presenter == LivePresenter::Prefix;
}

} // namespace

// The headline and notes name the last offspring as a whole phrase, number and ending together.
static_assert(kOffspringPerGeneration == 20, "the texts below name the 20th offspring");

QString SchemeRule(Scheme scheme) {
    return plot::SchemeRuleText(scheme);
}

QString OffspringHeadline(Scheme scheme) {
    if (ShowsPrefix(scheme)) {
        return {};
    }
    return OffspringPanel::tr("The 20th offspring always becomes the next parent, even when "
                              "another offspring has more letters right.");
}

namespace {

QString PassedOverNote() {
    return OffspringPanel::tr("more letters right, but not chosen: the 20th offspring always is");
}

// A row's own mark stays short, so that the rows keep the width of their letters and scores;
// the legend under them says what it means in full.
QString PassedOverMark() {
    return OffspringPanel::tr("not chosen");
}

} // namespace

QString DescribeOffspring(Scheme scheme, qsizetype number, const OffspringRow& row,
                          qsizetype targetLength, OffspringFate fate) {
    const auto length = static_cast<std::size_t>(targetLength);
    // Each description is one whole sentence of the catalogue, its figures its arguments.
    if (ShowsPrefix(scheme)) {
        const std::size_t hits = row.matched - std::min(row.matched, row.copied);
        const QString copied =
            OffspringPanel::tr("%Ln letter(s) copied", nullptr, static_cast<int>(row.copied));
        const QString sentence = row.matched >= length
                                     ? OffspringPanel::tr("Offspring %1: %2, %3, every letter "
                                                          "now locked")
                                     : OffspringPanel::tr("Offspring %1: %2, %3");
        return sentence.arg(number).arg(copied, Hits(hits));
    }
    QString sentence = OffspringPanel::tr("Offspring %1: %2 of %3 right");
    if (row.matched >= length) {
        sentence = OffspringPanel::tr("Offspring %1: %2 of %3 right, matches the target");
    } else if (fate == OffspringFate::NextParent) {
        sentence = OffspringPanel::tr("Offspring %1: %2 of %3 right, next parent");
    } else if (fate == OffspringFate::PassedOver) {
        sentence = OffspringPanel::tr("Offspring %1: %2 of %3 right, more letters right, but not "
                                      "chosen: the 20th offspring always is");
    }
    return sentence.arg(number).arg(Count(row.matched), Count(length));
}

OffspringPanel::OffspringPanel(const QString& target, const QString& firstString, Scheme scheme,
                               QWidget* parent)
    : QWidget(parent), target_(target), firstString_(firstString), scheme_(scheme),
      title_(new QLabel(this)), rule_(new QLabel(this)), legend_(new QLabel(this)) {
    setObjectName(QStringLiteral("offspringPanel"));
    title_->setObjectName(QStringLiteral("offspringTitle"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title_);
    // The letters line up in columns, as in the letters above.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (int i = 0; i < kOffspringPerGeneration; ++i) {
        auto* row = new QLabel(this);
        row->setObjectName(QStringLiteral("offspringRow%1").arg(i + 1));
        row->setTextFormat(Qt::RichText);
        row->setFont(fixed);
        // Laid out from the start, empty, so that the view opens tall enough for every row.
        row->setText(QStringLiteral("&nbsp;"));
        layout->addWidget(row);
        rows_.append(row);
    }
    // The rows keep room for the widest a row of this phrase can be, so that the view is laid
    // out once for all of them rather than growing as their notes change.
    OffspringRow widest;
    widest.letters.assign(static_cast<std::size_t>(target_.size()), 'W');
    widest.matched = static_cast<std::size_t>(std::max<qsizetype>(target_.size() - 1, 0));
    widest.copied = widest.matched;
    rows_.front()->setText(
        RowText(kOffspringPerGeneration - 2, widest, target_, OffspringFate::PassedOver));
    // Text does not grow quite in proportion with the zoom, and a row's italic and bold letters
    // measure a little wider than the plain ones: a margin of four letters, against both.
    rows_.front()->setMinimumWidth(rows_.front()->sizeHint().width() +
                                   4 * QFontMetrics(fixed).horizontalAdvance(QLatin1Char('M')));
    rows_.front()->setText(QStringLiteral("&nbsp;"));
    rule_->setObjectName(QStringLiteral("schemeRule"));
    rule_->setWordWrap(true);
    legend_->setObjectName(QStringLiteral("offspringLegend"));
    legend_->setWordWrap(true);
    layout->addWidget(rule_);
    layout->addWidget(legend_);
    layout->addStretch(1);
    ShowTexts();
}

void OffspringPanel::ShowTexts() {
    setAccessibleName(tr("Offspring of this generation"));
    rule_->setText(SchemeRule(scheme_));
    legend_->setText(ShowsPrefix(scheme_)
                         ? tr("Blue: copied from the target; green: a hit.")
                         : tr("Bold, underlined: right; italic: changed; plain: kept; "
                              "\u201c%1\u201d: %2.")
                               .arg(PassedOverMark(), PassedOverNote()));
    if (shownGeneration_ > 0) {
        ShowOffspring(shownGeneration_, shownRows_, shownParent_);
    } else {
        title_->setText(tr("Offspring of this generation"));
    }
}

void OffspringPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ShowTexts();
    }
}

void OffspringPanel::ShowOffspring(std::int64_t generation, const std::vector<OffspringRow>& rows,
                                   const std::string& parent) {
    if (&rows != &shownRows_) {
        shownGeneration_ = generation;
        shownRows_ = rows;
        shownParent_ = parent;
    }
    title_->setText(tr("Offspring of generation %1").arg(Grouped(generation)));
    const QString parentLetters = QString::fromLatin1(parent);
    letters_.clear();
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        QLabel* label = rows_[i];
        if (i >= static_cast<qsizetype>(rows.size())) {
            label->setText(QStringLiteral("&nbsp;"));
            label->setAccessibleName(QString());
            continue;
        }
        const OffspringRow& row = rows[static_cast<std::size_t>(i)];
        const OffspringFate fate = FateOf(scheme_, static_cast<std::size_t>(i), rows);
        label->setText(RowText(i, row, parentLetters, fate));
        label->setAccessibleName(DescribeOffspring(scheme_, i + 1, row, target_.size(), fate));
        letters_.append(QString::fromLatin1(row.letters));
    }
}

QString OffspringPanel::RowText(qsizetype index, const OffspringRow& row, const QString& parent,
                                OffspringFate fate) const {
    const QString letters = QString::fromLatin1(row.letters);
    const bool prefix = ShowsPrefix(scheme_);
    const QString marked =
        prefix ? MarkedOffspring(letters, static_cast<qsizetype>(row.copied), firstString_)
               : MarkedChild(letters, parent, target_);
    const auto length = static_cast<std::size_t>(target_.size());
    QString note = prefix ? tr("%1 copied, %2")
                                .arg(Count(row.copied))
                                .arg(Hits(row.matched - std::min(row.matched, row.copied)))
                          : tr("%1 of %2").arg(Count(row.matched), Count(length));
    if (!prefix && row.matched >= length) {
        note += QStringLiteral(" &nbsp;<b>") + tr("matches the target") + QStringLiteral("</b>");
    } else if (!prefix && fate == OffspringFate::NextParent) {
        note += QStringLiteral(" &nbsp;<b>") + tr("next parent") + QStringLiteral("</b>");
    } else if (!prefix && fate == OffspringFate::PassedOver) {
        note += QStringLiteral(" &nbsp;<i>") + PassedOverMark() + QStringLiteral("</i>");
    }
    return QStringLiteral("%1&nbsp; %2&nbsp; %3")
        .arg(QString::number(index + 1).rightJustified(2).replace(QLatin1Char(' '),
                                                                  QStringLiteral("&nbsp;")),
             marked, note);
}

QStringList OffspringPanel::RowDescriptions() const {
    QStringList texts;
    for (const QLabel* row : rows_) {
        if (!row->accessibleName().isEmpty()) {
            texts.append(row->accessibleName());
        }
    }
    return texts;
}

QStringList OffspringPanel::RowLetters() const {
    return letters_;
}

} // namespace quarrow
