#include "ui/live/blind_search_lane.h"

#include "plot/learner_numbers.h"
#include "search/alphabet.h"
#include "ui/common/box_text.h"
#include "ui/common/cost_text.h"
#include "ui/live/letters_panel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quarrow {

QString DescribeBlindStrings(std::size_t length) {
    return plot::InShownForms(QString::fromStdString(BlindStringsText(length)));
}

QString DescribeBlindSearch(std::int64_t strings, std::size_t bestRight, std::size_t length,
                            double rate) {
    const BlindSearchEnding ending = DescribeBlindEnding(length, rate);
    // The figures in the forms of the language shown: "1,2 × 10⁴⁰" in German.
    const QString power = plot::InShownForms(QString::fromStdString(ending.power));
    const QString all = plot::InShownForms(QString::fromStdString(ending.strings));
    if (length > 0 && bestRight == length) {
        // A short target can be hit by chance; the lane stops there, and says so.
        return BlindSearchLane::tr("Blind search found the target at string %1; on average a "
                                   "blind search needs %2 = %3 strings to match it.")
            .arg(Grouped(strings), power, all);
    }
    QString text = BlindSearchLane::tr("Blind search made %1 strings; its best has %2 of %3 "
                                       "letters right. Matching all %3 would take on average "
                                       "%4 = %5 strings")
                       .arg(Grouped(strings))
                       .arg(bestRight)
                       .arg(length)
                       .arg(power, all);
    if (!ending.timed) {
        return text + QLatin1Char('.');
    }
    const QString duration =
        ending.inYears ? BlindSearchLane::tr("%1 years")
                             .arg(plot::InShownForms(QString::fromStdString(ending.years)))
                       : QCoreApplication::translate("CostText", ending.phrase)
                             .arg(plot::InShownForms(QString::fromStdString(ending.figure)));
    return text + BlindSearchLane::tr(": about %1 at this computer's rate.").arg(duration);
}

BlindSearchLane::BlindSearchLane(const QString& target, std::uint64_t seed, QWidget* parent)
    : QWidget(parent), target_(target), search_(ToLatin1(target), seed), best_(new QLabel(this)),
      figures_(new QLabel(this)), ending_(new QLabel(this)), lane_(new QHBoxLayout),
      finishing_(new QTimer(this)) {
    setObjectName(QStringLiteral("blindSearchLane"));
    caption_ = new QLabel(this);
    caption_->setBuddy(best_);
    best_->setObjectName(QStringLiteral("blindSearchBest"));
    best_->setTextFormat(Qt::RichText);
    best_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    figures_->setObjectName(QStringLiteral("blindSearchFigures"));
    figures_->setTextFormat(Qt::PlainText);
    ending_->setObjectName(QStringLiteral("blindSearchEnding"));
    ending_->setTextFormat(Qt::PlainText);
    ending_->setWordWrap(true);
    ending_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    lane_->addWidget(caption_);
    lane_->addWidget(best_);
    lane_->addWidget(figures_, 1);
    layout->addLayout(lane_);
    SpaceByFont();
    ShowTexts();
}

void BlindSearchLane::ShowTexts() {
    setAccessibleName(tr("Blind search"));
    caption_->setText(tr("Blind search:"));
    best_->setAccessibleName(tr("Blind search's best string"));
    ShowBest(true);
    if (finished_) {
        ShowEnding();
    }
}

void BlindSearchLane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        SpaceByFont();
    }
    if (event->type() == QEvent::LanguageChange) {
        ShowTexts();
    }
    QWidget::changeEvent(event);
}

void BlindSearchLane::SpaceByFont() {
    lane_->setSpacing(QFontMetrics(font()).averageCharWidth());
}

void BlindSearchLane::Follow(std::int64_t strings, std::chrono::nanoseconds budget) {
    search_.CatchUp(strings, budget);
    ShowBest();
}

void BlindSearchLane::Finish(std::int64_t strings, std::chrono::nanoseconds slice,
                             std::chrono::nanoseconds budget) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + budget;
    finishing_->disconnect();
    finishing_->stop();
    // A string of a very long target takes milliseconds to make: in one go, the catching up
    // would hold the window up for the whole budget.
    const auto step = [this, strings, slice, deadline] {
        const auto left =
            std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - Clock::now());
        Follow(strings, std::min(slice, left));
        if (search_.Strings() >= strings || left <= slice) {
            finishing_->stop();
            ShowEnding();
            return false;
        }
        return true;
    };
    if (step()) {
        connect(finishing_, &QTimer::timeout, this, step);
        finishing_->start(0);
    }
}

void BlindSearchLane::ShowBest(bool always) {
    if (search_.Strings() == shownStrings_ && !always) {
        return;
    }
    shownStrings_ = search_.Strings();
    best_->setText(MarkedLetters(FromLatin1(search_.Best()), target_));
    const QString figures =
        search_.Found() ? tr("found the target at string %1").arg(Grouped(search_.Strings()))
                        : tr("%1 of %2 right; %3 strings")
                              .arg(search_.BestRight())
                              .arg(search_.Length())
                              .arg(Grouped(search_.Strings()));
    figures_->setText(figures);
    setAccessibleDescription(figures);
}

void BlindSearchLane::ShowEnding() {
    finished_ = true;
    ending_->setText(EndingText());
    ending_->setAccessibleName(ending_->text());
    ending_->show();
}

QString BlindSearchLane::EndingText() const {
    return DescribeBlindSearch(search_.Strings(), search_.BestRight(), search_.Length(),
                               search_.Rate());
}

} // namespace quarrow
