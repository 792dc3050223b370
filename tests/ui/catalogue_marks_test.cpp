// Every text the windows show comes through the catalogue. A translator that wraps each text it
// finds in the catalogue in marks stands in for a language: a text shown without them reached
// the screen outside the catalogue, or under a context the catalogue does not know.

#include "tests/support/window_steps.h"
#include "tests/ui/live/live_view_fixture.h"
#include "tests/ui/repeat/repeat_steps.h"
#include "ui/help/help_viewer.h"
#include "ui/repeat/repeat_window.h"

#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTranslator>

#include <string>

namespace quarrow::testing {
namespace {

const QString kOpen = QStringLiteral("\u00ab");
const QString kClose = QStringLiteral("\u00bb");
// What the marked build of the catalogue (lrelease -markuntranslated) puts before each text.
const QString kMarkedPrefix = QStringLiteral("@@");

/// Each text of the catalogue, under its own context, wrapped in marks; the English plural
/// forms are wrapped as they are. A text the catalogue lacks is left to the next translator.
/// Qt's own texts (a message box's standard buttons) come from Qt's catalogues, not ours, and
/// are marked as found.
class MarkingTranslator : public QTranslator {
public:
    bool Load() { return marked_.load(QStringLiteral(QUARROW_MARKED_CATALOGUE)); }

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        QString found = marked_.translate(context, source, disambiguation, n);
        if (found.isNull()) {
            return IsQtsOwn(context) ? kOpen + QString::fromUtf8(source) + kClose : QString();
        }
        if (found.startsWith(kMarkedPrefix)) {
            found.remove(0, kMarkedPrefix.size());
        }
        return kOpen + found + kClose;
    }

    bool isEmpty() const override { return false; }

private:
    static bool IsQtsOwn(const char* context) {
        const QByteArray name(context);
        return name.size() > 1 && name[0] == 'Q' && QChar(QLatin1Char(name[1])).isUpper() &&
               name != "QObject";
    }

    QTranslator marked_;
};

/// `text` with its markup and its marked stretches taken out: what reached the screen unmarked.
QString Unmarked(const QString& text) {
    static const QRegularExpression kTags(QStringLiteral("<[^>]*>"));
    QString plain = text;
    plain.remove(kTags);
    QString outside;
    int depth = 0;
    for (const QChar c : plain) {
        if (c == kOpen[0]) {
            ++depth;
        } else if (c == kClose[0]) {
            depth = std::max(0, depth - 1);
        } else if (depth == 0) {
            outside += c;
        }
    }
    return outside;
}

/// Words left unmarked: the phrase, its letters and figures are capitals, digits and signs, so
/// any small letter outside the marks is a text that passed by the catalogue.
bool ShowsUnmarkedWords(const QString& text) {
    const QString outside = Unmarked(text);
    return std::any_of(outside.cbegin(), outside.cend(),
                       [](QChar c) { return c.isLetter() && c.isLower(); });
}

/// Collects the texts that reached the screen unmarked, each with where it was seen.
class UnmarkedTexts {
public:
    void Check(const QString& where, const QString& text) {
        if (ShowsUnmarkedWords(text)) {
            found_ << where + QStringLiteral(": ") + text;
        }
    }

    /// Every caption of `top` and of the widgets it shows.
    void CheckWindow(QWidget& top, const QString& where) {
        Check(where + QStringLiteral(" title"), top.windowTitle());
        for (QWidget* widget : top.findChildren<QWidget*>()) {
            if (widget->isVisibleTo(&top) || widget->isWindow()) {
                CheckWidget(*widget, where + QLatin1Char('/') + widget->objectName());
            }
        }
    }

    void CheckChart(const QChart& chart, const QString& where) {
        Check(where + QStringLiteral(" title"), chart.title());
        for (const QAbstractAxis* axis : chart.axes()) {
            Check(where + QStringLiteral(" axis"), axis->titleText());
        }
        for (const QLegendMarker* marker : chart.legend()->markers()) {
            Check(where + QStringLiteral(" legend"), marker->label());
        }
    }

    void CheckDrawn(const std::vector<plot::DrawnText>& drawn, const QString& where) {
        for (const plot::DrawnText& text : drawn) {
            Check(where, text.text);
        }
    }

    std::string Listed() const {
        return QStringLiteral("\n  ").append(found_.join(QStringLiteral("\n  "))).toStdString();
    }

    bool Empty() const { return found_.isEmpty(); }

private:
    void CheckWidget(QWidget& widget, const QString& where) {
        if (widget.isWindow()) {
            Check(where + QStringLiteral(" title"), widget.windowTitle());
        }
        Check(where + QStringLiteral(" tip"), widget.toolTip());
        if (const auto* label = qobject_cast<QLabel*>(&widget)) {
            Check(where, label->text());
        } else if (const auto* button = qobject_cast<QAbstractButton*>(&widget)) {
            Check(where, button->text());
        } else if (const auto* group = qobject_cast<QGroupBox*>(&widget)) {
            Check(where, group->title());
        } else if (const auto* tabs = qobject_cast<QTabWidget*>(&widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                Check(where + QStringLiteral(" tab"), tabs->tabText(i));
            }
        } else if (const auto* header = qobject_cast<QHeaderView*>(&widget)) {
            CheckHeader(*header, where);
        } else if (const auto* list = qobject_cast<QListWidget*>(&widget)) {
            for (int i = 0; i < list->count(); ++i) {
                Check(where, list->item(i)->text());
            }
        } else if (const auto* chart = qobject_cast<QChartView*>(&widget)) {
            CheckChart(*chart->chart(), where);
        }
    }

    void CheckHeader(const QHeaderView& header, const QString& where) {
        if (header.model() == nullptr) {
            return;
        }
        for (int section = 0; section < header.count(); ++section) {
            Check(where + QStringLiteral(" heading"),
                  header.model()->headerData(section, header.orientation()).toString());
        }
    }

    QStringList found_;
};

class CatalogueMarksTest : public LiveViewTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(marking_.Load());
        QCoreApplication::installTranslator(&marking_);
        LiveViewTest::SetUp();
    }

    void TearDown() override {
        LiveViewTest::TearDown();
        QCoreApplication::removeTranslator(&marking_);
    }

    MarkingTranslator marking_;
    UnmarkedTexts unmarked_;
};

TEST_F(CatalogueMarksTest, EveryPageOfTheWindowShowsOnlyCatalogueTexts) {
    auto* tabs = Control<QTabWidget>("SSTab1");
    for (int page = kStepOne; page <= kStepFour; ++page) {
        tabs->setCurrentIndex(page);
        QApplication::processEvents();
        unmarked_.CheckWindow(*window, QStringLiteral("page %1").arg(page + 1));
    }
    // A refusal: a target that could never be matched.
    SetUpRun(QStringLiteral("CAT 2"), QStringLiteral("DOGGY"), 2);
    Control<QPushButton>("Command2")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return MessageNamed(QStringLiteral("selectionMessage")); }));
    unmarked_.CheckWindow(*MessageNamed(QStringLiteral("selectionMessage")),
                          QStringLiteral("refusal"));
    CloseMessageNamed(QStringLiteral("selectionMessage"));
    EXPECT_TRUE(unmarked_.Empty()) << "shown outside the catalogue:" << unmarked_.Listed();
}

TEST_F(CatalogueMarksTest, TheLiveViewOfAFinishedRunShowsOnlyCatalogueTexts) {
    window->LiveViewChoices().keepOpen = true;
    SetUpRun(QStringLiteral("CAT"), QStringLiteral("DOG"), 3);
    ASSERT_TRUE(RunWith([](EvolutionView&) { return true; }));
    auto* view = window->findChild<EvolutionView*>();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    unmarked_.CheckWindow(*view, QStringLiteral("live view"));
    unmarked_.CheckWindow(*window, QStringLiteral("window after the run"));
    EXPECT_TRUE(unmarked_.Empty()) << "shown outside the catalogue:" << unmarked_.Listed();
}

TEST_F(CatalogueMarksTest, TheRepeatWindowAndItsChartShowOnlyCatalogueTexts) {
    RepeatWindow repeat(QStringLiteral("CAT"));
    repeat.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&repeat));
    unmarked_.CheckWindow(repeat, QStringLiteral("repeat before"));
    Start(repeat, 10, 5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !repeat.Running(); }, 30000));
    QApplication::processEvents();
    unmarked_.CheckWindow(repeat, QStringLiteral("repeat after"));
    auto* chart = repeat.findChild<DistributionChartWidget*>(QStringLiteral("distributionChart"));
    ASSERT_NE(chart, nullptr);
    chart->repaint();
    ASSERT_FALSE(chart->DrawnTexts().empty());
    unmarked_.CheckDrawn(chart->DrawnTexts(), QStringLiteral("chart"));
    unmarked_.Check(QStringLiteral("chart name"), chart->accessibleName());
    EXPECT_TRUE(unmarked_.Empty()) << "shown outside the catalogue:" << unmarked_.Listed();
}

TEST_F(CatalogueMarksTest, TheHelpWindowShowsOnlyCatalogueTexts) {
    Control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
    QTest::mouseClick(Control<QPushButton>("Command13"), Qt::LeftButton);
    HelpViewer* viewer = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        viewer = window->findChild<HelpViewer*>(QStringLiteral("helpViewer"));
        return viewer != nullptr && viewer->isVisible();
    }));
    unmarked_.CheckWindow(*viewer, QStringLiteral("help"));
    EXPECT_TRUE(unmarked_.Empty()) << "shown outside the catalogue:" << unmarked_.Listed();
}

// The test's own yardstick: marks are found, and an unmarked word is not.
TEST(CatalogueMarksRule, MarkedTextsAndFiguresPassAndUnmarkedWordsDoNot) {
    EXPECT_FALSE(ShowsUnmarkedWords(QStringLiteral("\u00abLetters right %1\u00bb").arg(3)));
    EXPECT_FALSE(ShowsUnmarkedWords(QStringLiteral("<b>METHINKS IT</b> 1,234 (5%)")));
    EXPECT_FALSE(ShowsUnmarkedWords(
        QStringLiteral("\u00abRuns: %1\u00bb").arg(QStringLiteral("\u00ab2 runs\u00bb"))));
    EXPECT_TRUE(ShowsUnmarkedWords(QStringLiteral("\u00abRuns\u00bb: 2 runs")));
    EXPECT_TRUE(ShowsUnmarkedWords(QStringLiteral("median")));
}

} // namespace
} // namespace quarrow::testing
