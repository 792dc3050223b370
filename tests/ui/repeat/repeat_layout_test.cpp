#include "plot/distribution_chart.h"
#include "tests/ui/repeat/repeat_steps.h"
#include "ui/common/zoom.h"
#include "ui/repeat/repeat_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace quarrow {
namespace {

/// The chart's panels: for each, the texts from its heading ("1: Attenuating Selection: 40
/// runs") down to the numbers under it.
std::vector<std::vector<plot::DrawnText>> Panels(const DistributionChartWidget& chart) {
    const QRegularExpression heading(QStringLiteral("^.+: [0-9,]+ runs?$"));
    std::vector<double> tops;
    double end = -1.0;
    for (const plot::DrawnText& text : chart.DrawnTexts()) {
        if (heading.match(text.text).hasMatch()) {
            tops.push_back(text.rect.top());
        }
        if (text.text.startsWith(QStringLiteral("Generations per run"))) {
            end = text.rect.top();
        }
    }
    std::sort(tops.begin(), tops.end());
    tops.push_back(end);
    std::vector<std::vector<plot::DrawnText>> panels(tops.size() - 1);
    for (const plot::DrawnText& text : chart.DrawnTexts()) {
        for (std::size_t p = 0; p + 1 < tops.size(); ++p) {
            if (text.rect.top() >= tops[p] && text.rect.top() < tops[p + 1]) {
                panels[p].push_back(text);
            }
        }
    }
    return panels;
}

/// Checks that every scheme's panel, its heading, its share numbers and its generation numbers,
/// lies in the part of the chart its scroll area shows (or, where `oneAtATime`, is no taller than
/// that part, so that scrolling brings it whole into sight), and that the window is on its screen.
void ExpectEveryHistogramInSight(RepeatWindow& window, const std::string& when,
                                 bool oneAtATime = false) {
    SCOPED_TRACE(when);
    auto* chart = window.findChild<DistributionChartWidget*>(QStringLiteral("distributionChart"));
    window.repaint();
    chart->repaint();
    const QRectF visible(chart->visibleRegion().boundingRect());
    const auto panels = Panels(*chart);
    ASSERT_EQ(panels.size(), 3U);
    for (const auto& panel : panels) {
        QRectF whole;
        int numbers = 0;
        for (const plot::DrawnText& text : panel) {
            whole = whole.united(text.rect);
            numbers += text.text.front().isDigit() && text.text != panel.front().text ? 1 : 0;
        }
        // Its share axis and its generations axis are labelled.
        EXPECT_GE(numbers, 4) << panel.front().text.toStdString();
        if (oneAtATime) {
            EXPECT_LE(whole.height(), visible.height()) << panel.front().text.toStdString();
        } else {
            EXPECT_TRUE(visible.contains(whole))
                << panel.front().text.toStdString() << " is not all in sight";
        }
    }
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window.frameGeometry()))
        << window.frameGeometry().width() << "x" << window.frameGeometry().height();
}

TEST(RepeatWindowLayout, EverySchemesHistogramAndItsNumbersStayInSight) {
    FinishedRepeat repeat;
    ASSERT_NO_FATAL_FAILURE(repeat.Run());
    RepeatWindow* window = repeat.window;
    ProgramZoom* program = repeat.program;
    QTest::qWait(0);
    ExpectEveryHistogramInSight(*window, "at 100%");

    window->showFullScreen();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }));
    QTest::qWait(0);
    ExpectEveryHistogramInSight(*window, "at full screen");
    window->showNormal();

    // At twice the size the three panels are taller than any screen leaves the chart: each is
    // still seen whole with its numbers, a scroll apart.
    // (The small screen is tried at its everyday size.)
    if (window->screen()->availableGeometry().width() >= 1920) {
        program->SetFactor(2.0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return WindowZoom::Of(window)->Factor() == 2.0; }));
        QTest::qWait(0);
        ExpectEveryHistogramInSight(*window, "at 200%", true);
    }
    delete window;
}

} // namespace
} // namespace quarrow
