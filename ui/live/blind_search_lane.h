#pragma once

#include "search/blind_search.h"

#include <QString>
#include <QWidget>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

class QHBoxLayout;
class QLabel;
class QTimer;

namespace quarrow {

/// 27^`length` in the form the lane states it: whole below a million ("19,683"), else a mantissa
/// of two figures and a raised power of ten ("7.6 × 10¹²").
QString DescribeBlindStrings(std::size_t length);

/// The sentence the lane ends a run with: what it made, its best, and what matching the whole
/// target would take at `rate` strings a second (left out when the rate is not known); when its
/// best matched the whole target, that it found it, at string `strings`.
QString DescribeBlindSearch(std::int64_t strings, std::size_t bestRight, std::size_t length,
                            double rate);

/// The "Blind search" lane of the live view: its best string with the letters right marked, and
/// how many strings it has made; once the run is over, what matching the whole target would take.
class BlindSearchLane : public QWidget {
    Q_OBJECT

public:
    BlindSearchLane(const QString& target, std::uint64_t seed, QWidget* parent = nullptr);

    /// Catches up with the run's `strings`, spending at most `budget` of the window's time.
    void Follow(std::int64_t strings, std::chrono::nanoseconds budget);
    /// Catches up with a run that has ended, for at most `budget` in all, and then shows the
    /// closing sentence. What `slice` does not catch up at once goes on in slices of that size
    /// between the window's other work, so the window stays responsive meanwhile.
    void Finish(std::int64_t strings, std::chrono::nanoseconds slice,
                std::chrono::nanoseconds budget);
    /// Whether the closing sentence shows.
    bool Finished() const { return finished_; }
    const BlindSearch& Search() const { return search_; }
    /// The lane's closing sentence.
    QString EndingText() const;
    /// Shows the closing sentence in `endingLabel`.
    void ShowEnding();
    /// The label of the closing sentence, hidden until then, for the view to place.
    QLabel* EndingLabel() const { return ending_; }

private:
    void changeEvent(QEvent* event) override;
    /// The best string and the figures; only when more strings were made, unless `always`.
    void ShowBest(bool always = false);
    /// Every text of the lane in the program's language.
    void ShowTexts();
    /// Keeps the caption, the string and the figures a character's width apart at any zoom.
    void SpaceByFont();

    QString target_;
    BlindSearch search_;
    QLabel* caption_ = nullptr;
    QLabel* best_;
    QLabel* figures_;
    QLabel* ending_;
    QHBoxLayout* lane_;
    std::int64_t shownStrings_ = -1;
    bool finished_ = false;
    QTimer* finishing_;
};

} // namespace quarrow
