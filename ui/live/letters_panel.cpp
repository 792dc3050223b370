#include "ui/live/letters_panel.h"

#include "analysis/live_marks.h"
#include "ui/common/box_text.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace quarrow {

namespace {

// A phrase of the first page fits on one row; longer strings wrap, and very long ones are cut.
constexpr qsizetype kLettersPerRow = 50;
constexpr qsizetype kMaxRows = 4;
constexpr double kLettersScale = 1.5;
// Places named one by one when they are this few; more are counted instead.
constexpr qsizetype kMostPlacesNamed = 5;

// Bold and underlined as well as coloured, so a marked letter shows without colour too.
const QString kRightOpen = QStringLiteral("<b><u><span style=\"color:#1a7f37\">");
const QString kLockedOpen = QStringLiteral("<b><u><span style=\"color:#0b57d0\">");
const QString kMarkClose = QStringLiteral("</span></u></b>");
// A changed letter is italic and coloured: set apart from a right one without colour as well.
const QString kChangedOpen = QStringLiteral("<i><span style=\"color:#a64d00\">");
const QString kChangedClose = QStringLiteral("</span></i>");

enum class Mark { None, Right, Locked, Changed };

const QString& OpeningOf(Mark mark) {
    switch (mark) {
    case Mark::Right:
        return kRightOpen;
    case Mark::Locked:
        return kLockedOpen;
    default:
        return kChangedOpen;
    }
}

// The letters as rich text, each marked as `markAt` says, in rows of `kLettersPerRow`.
template <typename MarkAt> QString LetterRows(const QString& text, MarkAt markAt) {
    QString html;
    const qsizetype shown = std::min(text.size(), kLettersPerRow * kMaxRows);
    Mark open = Mark::None;
    const auto close = [&] {
        if (open != Mark::None) {
            html += open == Mark::Changed ? kChangedClose : kMarkClose;
            open = Mark::None;
        }
    };
    for (qsizetype i = 0; i < shown; ++i) {
        if (i > 0 && i % kLettersPerRow == 0) {
            close();
            html += QStringLiteral("<br>");
        }
        const Mark mark = markAt(i);
        if (mark != open) {
            close();
            if (mark != Mark::None) {
                html += OpeningOf(mark);
            }
            open = mark;
        }
        // Spaces are letters of the phrase: each keeps its column.
        const QChar letter = text.at(i);
        html +=
            letter == QLatin1Char(' ') ? QStringLiteral("&nbsp;") : QString(letter).toHtmlEscaped();
    }
    close();
    if (text.size() > shown) {
        html += QStringLiteral("&hellip;");
    }
    return html;
}

bool SameAt(const QString& text, const QString& other, qsizetype i) {
    return i < other.size() && other.at(i) == text.at(i);
}

// 1-based positions, as a reader counts them: "3, 7 and 12".
QString Positions(const QList<qsizetype>& positions) {
    QStringList texts;
    for (const qsizetype position : positions) {
        texts.append(QString::number(position + 1));
    }
    if (texts.size() <= 1) {
        return texts.join(QString());
    }
    const QString last = texts.takeLast();
    return LettersPanel::tr("%1 and %2").arg(texts.join(QStringLiteral(", ")), last);
}

} // namespace

namespace {

// The view's marks, worked out once for the window and the page alike (analysis/live_marks.h).
Mark MarkOf(char mark) {
    switch (static_cast<LetterMark>(mark)) {
    case LetterMark::Right:
        return Mark::Right;
    case LetterMark::Locked:
        return Mark::Locked;
    case LetterMark::Changed:
        return Mark::Changed;
    case LetterMark::Kept:
        break;
    }
    return Mark::None;
}

QString WithMarks(const QString& text, const std::string& marks) {
    return LetterRows(text, [&](qsizetype i) {
        return static_cast<std::size_t>(i) < marks.size()
                   ? MarkOf(marks[static_cast<std::size_t>(i)])
                   : Mark::None;
    });
}

} // namespace

QString MarkedLetters(const QString& current, const QString& target) {
    return WithMarks(current, ParentMarks(ToLatin1(current), ToLatin1(target)));
}

QString MarkedChild(const QString& child, const QString& parent, const QString& target) {
    return WithMarks(child, ChildMarks(ToLatin1(child), ToLatin1(parent), ToLatin1(target)));
}

QString MarkedOffspring(const QString& offspring, qsizetype locked, const QString& scoredAgainst,
                        qsizetype* marked) {
    const std::string marks =
        PrefixMarks(ToLatin1(offspring), static_cast<std::size_t>(std::max<qsizetype>(locked, 0)),
                    ToLatin1(scoredAgainst));
    if (marked != nullptr) {
        *marked = static_cast<qsizetype>(std::count_if(marks.begin(), marks.end(), [](char mark) {
            return mark == static_cast<char>(LetterMark::Right) ||
                   mark == static_cast<char>(LetterMark::Locked);
        }));
    }
    return WithMarks(offspring, marks);
}

namespace {

// The places of a string that are right and wrong, each list kept only while it is short: a
// phrase of a million letters is described without a list of a million places.
struct ShownPlaces {
    qsizetype right = 0;
    QList<qsizetype> fewRight;
    QList<qsizetype> fewWrong;
    qsizetype wrong = 0;
};

void Note(QList<qsizetype>& few, qsizetype position) {
    if (few.size() <= kMostPlacesNamed) {
        few.append(position);
    }
}

QString Describe(const ShownPlaces& places, qsizetype length) {
    QString count = LettersPanel::tr("%1 of %2 right").arg(places.right).arg(length);
    if (places.wrong == 0 || places.right == 0) {
        return count;
    }
    if (places.wrong <= kMostPlacesNamed) {
        return places.wrong == 1 ? LettersPanel::tr("%1; wrong at position %2")
                                       .arg(count, Positions(places.fewWrong))
                                 : LettersPanel::tr("%1; wrong at positions %2")
                                       .arg(count, Positions(places.fewWrong));
    }
    if (places.right <= kMostPlacesNamed) {
        return places.right == 1
                   ? LettersPanel::tr("%1, at position %2").arg(count, Positions(places.fewRight))
                   : LettersPanel::tr("%1, at positions %2").arg(count, Positions(places.fewRight));
    }
    return count;
}

// The start of a long string, as far as the panel shows it.
QString Shown(const QString& text) {
    const qsizetype shown = kLettersPerRow * kMaxRows;
    return text.size() > shown ? text.left(shown) + QChar(0x2026) : text;
}

} // namespace

QString DescribeRightLetters(const QList<qsizetype>& right, qsizetype length) {
    ShownPlaces places;
    for (qsizetype i = 0, next = 0; i < length; ++i) {
        if (next < right.size() && right.at(next) == i) {
            ++next;
            ++places.right;
            Note(places.fewRight, i);
        } else {
            ++places.wrong;
            Note(places.fewWrong, i);
        }
    }
    return Describe(places, length);
}

LettersPanel::LettersPanel(const QString& target, const QString& firstString,
                           LivePresenter presenter, QWidget* parent)
    : QWidget(parent), target_(target), firstString_(firstString), currentLabel_(new QLabel(this)) {
    // Large enough for a class to watch the letters from across a room.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(fixed.pointSizeF() * kLettersScale);
    auto* letters = new QGridLayout;
    letters->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    const auto addRow = [&](const char* caption, QLabel* label, const char* name,
                            const char* accessibleName) {
        auto* captionLabel = new QLabel(this);
        rows_.push_back({captionLabel, caption, label, accessibleName});
        captionLabel->setBuddy(label);
        label->setObjectName(QLatin1String(name));
        label->setFont(fixed);
        label->setTextFormat(Qt::RichText);
        label->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('M')) *
                               static_cast<int>(std::min<qsizetype>(
                                   kLettersPerRow + 1, std::max(target_.size(), qsizetype{20}))));
        letters->addWidget(captionLabel, row, 0, Qt::AlignTop);
        letters->addWidget(label, row, 1);
        ++row;
    };
    auto* targetLabel = new QLabel(this);
    addRow(QT_TR_NOOP("Target:"), targetLabel, "targetString", QT_TR_NOOP("Target"));
    targetLabel->setText(MarkedLetters(target_, QString()));
    targetLabel->setAccessibleDescription(Shown(target_));
    const bool prefix = presenter == LivePresenter::Prefix;
    if (prefix) {
        auto* scoredLabel = new QLabel(this);
        addRow(QT_TR_NOOP("Scored against:"), scoredLabel, "scoredAgainst",
               QT_TR_NOOP("First string, which the random tail is scored against"));
        scoredLabel->setText(MarkedLetters(firstString_, QString()));
        scoredLabel->setAccessibleDescription(Shown(firstString_));
        addRow(QT_TR_NOOP("This generation:"), currentLabel_, "currentString",
               QT_TR_NOOP("Last offspring of the generation"));
    } else {
        addRow(QT_TR_NOOP("Parent:"), currentLabel_, "currentString", QT_TR_NOOP("Current parent"));
    }
    letters->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(letters);
    if (prefix) {
        note_ = new QLabel(this);
        note_->setObjectName(QStringLiteral("scoringNote"));
        note_->setWordWrap(true);
        layout->addWidget(note_);
    }
    ShowTexts();
}

void LettersPanel::ShowTexts() {
    for (const CaptionRow& row : rows_) {
        row.caption->setText(tr(row.captionSource));
        row.letters->setAccessibleName(tr(row.accessibleSource));
    }
    if (note_ != nullptr) {
        note_->setText(
            tr("Each offspring copies the first letters of the target (blue: locked) and draws "
               "the rest at random. A drawn letter that equals the first string's letter at its "
               "place is a hit (green) and locks one more letter of the target for the next "
               "offspring. Every generation starts again with nothing locked."));
    }
    if (locked_) {
        ShowOffspring(shown_, *locked_);
    } else if (!shown_.isNull()) {
        ShowParent(shown_);
    }
}

void LettersPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ShowTexts();
    }
}

void LettersPanel::ShowParent(const QString& current) {
    shown_ = current;
    locked_.reset();
    currentLabel_->setText(MarkedLetters(current, target_));
    const qsizetype length = std::max(current.size(), target_.size());
    ShownPlaces places;
    for (qsizetype i = 0; i < length; ++i) {
        if (i < current.size() && SameAt(current, target_, i)) {
            ++places.right;
            Note(places.fewRight, i);
        } else {
            ++places.wrong;
            Note(places.fewWrong, i);
        }
    }
    markedLetters_ = places.right;
    currentLabel_->setAccessibleDescription(Shown(current) + QStringLiteral(". ") +
                                            Describe(places, length) + QLatin1Char('.'));
}

void LettersPanel::ShowOffspring(const QString& offspring, qsizetype locked) {
    shown_ = offspring;
    locked_ = locked;
    currentLabel_->setText(MarkedOffspring(offspring, locked, firstString_, &markedLetters_));
    QList<qsizetype> hits;
    qsizetype hitCount = 0;
    for (qsizetype i = locked; i < offspring.size(); ++i) {
        if (SameAt(offspring, firstString_, i)) {
            ++hitCount;
            Note(hits, i);
        }
    }
    const qsizetype lockedShown = std::min(locked, offspring.size());
    QString description =
        tr("%1. Locked: %2, %3.")
            .arg(Shown(offspring),
                 tr("the first %Ln letter(s)", nullptr, static_cast<int>(lockedShown)),
                 Shown(offspring.left(locked)));
    if (hitCount > 0) {
        description += QLatin1Char(' ') +
                       (hitCount <= kMostPlacesNamed
                            ? tr("Hits in the random tail at positions %1.").arg(Positions(hits))
                            : tr("%1 hits in the random tail.").arg(hitCount));
    }
    description += QLatin1Char(' ') + tr("%1 of %2 letters matched.")
                                          .arg(markedLetters_)
                                          .arg(std::max(offspring.size(), target_.size()));
    currentLabel_->setAccessibleDescription(description);
}

} // namespace quarrow
