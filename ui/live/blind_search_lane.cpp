#include "ui/live/blind_search_lane.h"

#include "plot/learner_numbers.h"
#include "search/alphabet.h"
#include "ui/common/box_text.h"
#include "ui/common/cost_text.h"
#include "ui/live/letters_panel.h"

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

namespace {

// Symbols made between two readings of the clock: a few microseconds of work.
constexpr std::size_t kSymbolsPerClockReading = 16384;
// Below a million, 27^n reads best as a whole number.
constexpr int kWholeBelowMagnitude = 6;
// Durations past this many seconds (some 30,000 years) are stated as a power of ten.
constexpr double kLongestPlainSeconds = 1.0e12;
constexpr double kSecondsPerYear = 365.25 * 86400.0;

} // namespace

BlindSearch::BlindSearch(std::string target, std::uint64_t seed)
    : target_(std::move(target)), generator_(seed), candidate_(target_.size(), ' ') {}

bool BlindSearch::CatchUp(std::int64_t strings, std::chrono::nanoseconds budget) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const Clock::time_point stop = start + budget;
    const std::size_t perReading = std::max<std::size_t>(
        1, kSymbolsPerClockReading / std::max<std::size_t>(target_.size(), 1));
    Clock::time_point now = start;
    while (strings_ < strings && now < stop && !Found()) {
        for (std::size_t i = 0; i < perReading && strings_ < strings && !Found(); ++i) {
            FillRandom(generator_, candidate_.data(), candidate_.size());
            ++strings_;
            const std::size_t right = MatchCount(candidate_, target_);
            if (right > bestRight_ || strings_ == 1) {
                bestRight_ = right;
                best_ = candidate_;
            }
        }
        now = Clock::now();
    }
    spent_ += now - start;
    return strings_ >= strings || Found();
}

double BlindSearch::Rate() const {
    const double seconds = std::chrono::duration<double>(spent_).count();
    return seconds > 0.0 && strings_ > 0 ? static_cast<double>(strings_) / seconds : 0.0;
}

QString DescribeBlindStrings(std::size_t length) {
    const double log10Strings = static_cast<double>(length) * std::log10(27.0);
    if (log10Strings < kWholeBelowMagnitude) {
        return Grouped(std::llround(std::pow(27.0, static_cast<double>(length))));
    }
    return plot::PowerOfTenText(log10Strings);
}

QString DescribeBlindSearch(std::int64_t strings, std::size_t bestRight, std::size_t length,
                            double rate) {
    const QString power = QStringLiteral("27") + plot::Superscript(QString::number(length));
    if (length > 0 && bestRight == length) {
        // A short target can be hit by chance; the lane stops there, and says so.
        return BlindSearchLane::tr("Blind search found the target at string %1; on average a "
                                   "blind search needs %2 = %3 strings to match it.")
            .arg(Grouped(strings), power, DescribeBlindStrings(length));
    }
    QString text = BlindSearchLane::tr("Blind search made %1 strings; its best has %2 of %3 "
                                       "letters right. Matching all %3 would take on average "
                                       "%4 = %5 strings")
                       .arg(Grouped(strings))
                       .arg(bestRight)
                       .arg(length)
                       .arg(power, DescribeBlindStrings(length));
    if (rate <= 0.0) {
        return text + QLatin1Char('.');
    }
    const double log10Seconds = static_cast<double>(length) * std::log10(27.0) - std::log10(rate);
    const QString duration =
        log10Seconds < std::log10(kLongestPlainSeconds)
            ? DescribeDuration(std::pow(10.0, log10Seconds))
            : BlindSearchLane::tr("%1 years")
                  .arg(plot::PowerOfTenText(log10Seconds - std::log10(kSecondsPerYear)));
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
