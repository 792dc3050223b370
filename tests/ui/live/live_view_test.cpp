#include "plot/catalogue.h"
#include "tests/support/language_steps.h"
#include "tests/support/svg_drawing.h"
#include "tests/support/window_steps.h"
#include "tests/ui/live/live_view_fixture.h"
#include "ui/common/whole_file.h"
#include "ui/common/zoom.h"
#include "ui/help/help_viewer.h"
#include "ui/live/evolution_view.h"
#include "ui/live/fitness_chart.h"
#include "ui/live/offspring_panel.h"
#include "ui/repeat/repeat_window.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTextDocument>
#include <QTimer>
#include <QValueAxis>
#include <QWindow>

#include <functional>

namespace quarrow::testing {
namespace {

TEST_F(LiveViewTest, AtTwiceTheSizeASlowSchemeThreeRunShowsItsViewAndCancels) {
    ZoomTo(2.0);
    window->LiveViewChoices().slowMotion = true;
    SetUpRun(QStringLiteral("EVOLUTION"), QStringLiteral("QWERTYUIO"), 3);
    std::int64_t generations = 0;
    ASSERT_TRUE(RunWith([&](EvolutionView& view) {
        // A few slow generations go by with the view drawn at the zoom.
        if (view.Shown().generation < 2) {
            return false;
        }
        generations = view.Shown().generation;
        ClickCancel(view);
        return true;
    }));
    EXPECT_GE(generations, 2);
}

TEST_F(OffspringRoomTest, EveryRowIsWholeAtEverySizeOfTheWindow) {
    CheckRowsOf({1, 28, 50});
    ZoomTo(2.0);
    CheckRowsOf({1, 28, 50});
    QTest::keyClick(window.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen() && window->width() == 1920; }));
    CheckRowsOf({1, 28, 50});
}

// Laying the chart out never changes what it lays out: at twice the size a slow scheme-3 view
// is shown at every height a screen may give it, and each size settles in a pass or two.
// The view is a dialog of the main window, which the window manager keeps in front of it (a
// plain window with a parent is not, and falls behind a full-screen main window). Zoomed while
// it is open, the view is placed again by the rule it opened by: clear of Go and the result
// boxes where that costs little of the zoom, and at the zoom asked for, over the boxes, where
// it would cost more, as a projector's class must read the rows; its rows whole either way.
TEST_F(LiveViewTest, AnOpenViewStaysInFrontAndIsPlacedAgainClearOfTheBoxesWhenZoomed) {
    window->LiveViewChoices().slowMotion = true;
    SetUpRun(QStringLiteral("METHINKS IT IS LIKE A WEASEL"),
             QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM Q"), 1);
    bool checked = false;
    EXPECT_TRUE(RunWith([&](EvolutionView& view) {
        // The waits below let the poll come round again.
        if (checked || view.Shown().offspringGeneration < 1) {
            return checked;
        }
        checked = true;
        view.TogglePause();
        EXPECT_EQ(view.windowType(), Qt::Dialog);
        EXPECT_TRUE(view.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(view.windowHandle()->transientParent(), window->windowHandle());
        EXPECT_FALSE(view.frameGeometry().intersects(ResultBoxesOf(*window))) << "at 1x";
        ZoomTo(2.0);
        const QRect screen = window->screen()->availableGeometry();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return WindowZoom::Of(&view)->Factor() >= 0.85 * 2.0 &&
                       screen.contains(view.frameGeometry());
            },
            5000))
            << "at 200% the view is shown at " << WindowZoom::Of(&view)->Factor();
        ExpectRowsWhole(view);
        ClickCancel(view);
        return true;
    }));
    EXPECT_TRUE(checked);
    delete window->findChild<EvolutionView*>();
    CloseMessageNamed(QStringLiteral("selectionMessage"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->ZoomFactor() == 1.0; }));
}

TEST_F(LiveViewTest, AtTwiceTheSizeTheChartSettlesAtEveryHeight) {
    ZoomTo(2.0);
    auto* view = new EvolutionView(QStringLiteral("EVOLUTION"), QStringLiteral("QWERTYUIO"),
                                   Scheme::Sequential, window->LiveViewChoices(), window.get());
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    QChart* chart = view->findChild<QChartView*>(QStringLiteral("fitnessChart"))->chart();
    int changes = 0;
    QObject::connect(chart, &QChart::plotAreaChanged, view, [&] { ++changes; });
    for (int height = 300; height < 1080; height += 9) {
        changes = 0;
        view->resize(view->width(), height);
        QApplication::processEvents();
        ASSERT_LE(changes, 3) << "at a height of " << height;
    }
    delete view;
}

// The part of `image` that is not white: what the drawing covers.
QRect Drawn(const QImage& image) {
    QRect drawn;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(line[x]) < 235 && qAlpha(line[x]) > 0) {
                drawn = drawn.united(QRect(x, y, 1, 1));
            }
        }
    }
    return drawn;
}

// Pixels clearly coloured rather than grey: the curves, which the axes and text are not.
int ColouredPixels(const QImage& image) {
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            coloured += colour.alpha() > 0 && colour.hsvSaturation() > 100 ? 1 : 0;
        }
    }
    return coloured;
}

void ExpectWhole(const QImage& image, const char* what) {
    ASSERT_FALSE(image.isNull()) << what;
    const QRect drawn = Drawn(image);
    EXPECT_GE(drawn.width(), 0.6 * image.width()) << what;
    EXPECT_GE(drawn.height(), 0.6 * image.height()) << what;
    // Both curves, not the axes alone.
    EXPECT_GT(ColouredPixels(image), image.width()) << what;
}

// A scheme-3 run of the page, kept open at its end, as a class would see it.
class FinishedViewTest : public LiveViewTest {
protected:
    EvolutionView* FinishedRun(const QString& target, const QString& first) {
        window->LiveViewChoices().keepOpen = true;
        SetUpRun(target, first, 3);
        EXPECT_TRUE(RunWith([](EvolutionView&) { return true; }));
        auto* view = window->findChild<EvolutionView*>();
        EXPECT_NE(view, nullptr);
        if (view != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
        }
        return view;
    }
};

TEST_F(FinishedViewTest, SaveChartWritesTheWholeChartTitledAsPngAndSvg) {
    EvolutionView* view = FinishedRun(QStringLiteral("BEETLE"), QStringLiteral("QXZJRB"));
    ASSERT_NE(view, nullptr);
    const QSize onScreen = view->findChild<QChartView*>(QStringLiteral("fitnessChart"))->size();
    const QString png = folder.filePath(QStringLiteral("chart.png"));
    const QString svg = folder.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(view->SaveChart(png));
    ASSERT_TRUE(view->SaveChart(svg));
    const QString title = view->SavedChartTitle();
    ASSERT_TRUE(title.contains(QStringLiteral("BEETLE")));

    const QImage picture(png);
    EXPECT_GE(picture.width(), 2 * onScreen.width());
    EXPECT_GE(picture.height(), 2 * onScreen.height());
    EXPECT_EQ(picture.text(QStringLiteral("Title")), title);
    ExpectWhole(picture, "PNG");

    QFile drawing(svg);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(drawing.readAll());
    // The title is drawn as text, not only named in the file's metadata.
    EXPECT_GE(text.count(QStringLiteral("BEETLE")), 2);
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    ExpectWhole(DrawnByQt(renderer), "SVG in Qt");

    const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (rsvg.isEmpty()) {
        GTEST_SKIP() << "rsvg-convert is not installed: the SVG was drawn by Qt alone";
    }
    const QString converted = folder.filePath(QStringLiteral("converted.png"));
    ASSERT_EQ(QProcess::execute(rsvg, {QStringLiteral("--background-color=white"),
                                       QStringLiteral("-o"), converted, svg}),
              0);
    ExpectWhole(QImage(converted), "SVG in librsvg");
}

/// The view's open save dialog, once it shows.
QFileDialog* SaveDialogOf(const QWidget& view) {
    QFileDialog* dialog = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        dialog = view.findChild<QFileDialog*>(QString::fromLatin1(kSaveDialogName));
        return dialog != nullptr && dialog->isVisible();
    }));
    return dialog;
}

// A save dialog belongs to its view: a run that ends and takes its view along, and Close on a
// finished view, take the open dialog with them rather than leave it running in a deleted view.
TEST_F(FinishedViewTest, ASaveDialogGoesWithItsView) {
    window->LiveViewChoices().keepOpen = false;
    window->LiveViewChoices().slowMotion = true;
    SetUpRun(QStringLiteral("CAT"), QStringLiteral("DOG"), 1);
    QPointer<EvolutionView> watched;
    QPointer<QFileDialog> dialog;
    ASSERT_TRUE(RunWith([&](EvolutionView& view) {
        view.findChild<QPushButton*>(QStringLiteral("saveDataButton"))->click();
        watched = &view;
        dialog = SaveDialogOf(view);
        // The rest of the run goes by quickly, the dialog still open.
        view.Feed().SetSlowMotionRate(500.0);
        return true;
    }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return watched.isNull() && dialog.isNull(); }));

    EvolutionView* view = FinishedRun(QStringLiteral("CAT"), QStringLiteral("DOG"));
    ASSERT_NE(view, nullptr);
    watched = view;
    view->findChild<QPushButton*>(QStringLiteral("saveChartButton"))->click();
    dialog = SaveDialogOf(*view);
    ASSERT_FALSE(dialog.isNull());
    view->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return watched.isNull() && dialog.isNull(); }));
}

// "Save chart..." as a user works it, at twice the size: the dialog is at the zoom asked for, the
// type chosen gives a name without an extension its extension, and the file written is the one
// asked about before it is replaced.
TEST_F(FinishedViewTest, SaveChartWritesTheChosenTypeAndAsksAboutTheFileItReplaces) {
    ZoomTo(2.0);
    EvolutionView* view = FinishedRun(QStringLiteral("BEETLE"), QStringLiteral("QXZJRB"));
    ASSERT_NE(view, nullptr);
    const QDir chosen(folder.filePath(QStringLiteral("charts")));
    ASSERT_TRUE(chosen.mkpath(QStringLiteral(".")));
    const auto saveAs = [&](const QString& name, int typeSteps) {
        view->findChild<QPushButton*>(QStringLiteral("saveChartButton"))->click();
        QFileDialog* dialog = SaveDialogOf(*view);
        ASSERT_NE(dialog, nullptr);
        // At the zoom asked for, even where the view itself is shown smaller to stay on its
        // screen: the dialog is a window of its own, sized for its screen.
        EXPECT_NEAR(dialog->font().pointSizeF(), 2.0 * QApplication::font().pointSizeF(), 0.5);
        dialog->setDirectory(chosen);
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        edit->selectAll();
        QTest::keyClicks(edit, name);
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < typeSteps; ++i) {
            QTest::keyClick(types, Qt::Key_Down);
        }
        dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))
            ->button(QDialogButtonBox::Save)
            ->click();
    };

    saveAs(QStringLiteral("drawing"), 1);
    const QString svg = chosen.filePath(QStringLiteral("drawing.svg"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(svg); }));
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    EXPECT_EQ(chosen.entryList(QDir::Files), QStringList{QStringLiteral("drawing.svg")});

    // NAME.png is there already: the question names it, "No" keeps it and offers the name
    // again, "Yes" replaces it.
    const QString png = chosen.filePath(QStringLiteral("NAME.png"));
    {
        QFile earlier(png);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    {
        const QuestionAnswer no(view, QString::fromLatin1(kReplaceQuestionName),
                                QStringLiteral("&No"));
        saveAs(QStringLiteral("NAME"), 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !no.Question().isEmpty(); }));
        EXPECT_TRUE(no.Question().startsWith(png + QStringLiteral(" already exists.")))
            << no.Question().toStdString();
        QFileDialog* again = SaveDialogOf(*view);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(again->selectedFiles(), QStringList{png});
        QFile kept(png);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), QByteArray("earlier"));
        again->reject();
    }
    const QuestionAnswer yes(view, QString::fromLatin1(kReplaceQuestionName),
                             QStringLiteral("&Yes"));
    saveAs(QStringLiteral("NAME"), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QImage(png).isNull(); }));
    EXPECT_FALSE(QFile::exists(chosen.filePath(QStringLiteral("NAME"))));
}

TEST_F(FinishedViewTest, AFinishedSchemeThreeRunShowsTheLockedTargetAndSaysHow) {
    const QString target = QStringLiteral("HELLO WORLD");
    const QString first = QStringLiteral("QWERTYUIOPA");
    EvolutionView* view = FinishedRun(target, first);
    ASSERT_NE(view, nullptr);
    const auto* current = view->findChild<QLabel*>(QStringLiteral("currentString"));
    ASSERT_NE(current, nullptr);
    // Every letter of the target, locked, as the log's final line has it.
    EXPECT_EQ(current->text(), MarkedOffspring(target, target.size(), first));
    EXPECT_EQ(view->MarkedLetterCount(), target.size());
    EXPECT_TRUE(view->LabelText().contains(QStringLiteral("Letters matched: 11 of 11")))
        << view->LabelText().toStdString();
    QFile log(services.logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.back().startsWith(target.toLatin1())) << lines.back().toStdString();
    const QString generation = QLocale().toString(static_cast<qlonglong>(view->Shown().generation));
    const QString ending = view->EndingText();
    EXPECT_TRUE(ending == QStringLiteral("Offspring 20 of generation %1 drew the last hit: every "
                                         "letter of the target is now locked.")
                              .arg(generation) ||
                ending == QStringLiteral("Generation %1 drew the last hit: every letter of the "
                                         "target is now locked.")
                              .arg(generation))
        << ending.toStdString();
    // A screen reader hears how the curve went.
    EXPECT_TRUE(view->ChartSummary().contains(QStringLiteral("in %1 generations").arg(generation)))
        << view->ChartSummary().toStdString();
}

TEST_F(LiveViewTest, ARunEmptiesTheBoxesAndACancelledOneLeavesNoGeneration) {
    for (const char* name : {"txtLength", "txtNumGen", "txtTotal"}) {
        Control<QLineEdit>(name)->setText(QStringLiteral("25"));
    }
    window->LiveViewChoices().keepOpen = true;
    window->LiveViewChoices().slowMotion = true;
    SetUpRun(QStringLiteral("EVOLUTION IS CUMULATIVE"), QStringLiteral("QWERTYUIOPASDFGHJKLZXCV"),
             1);
    QStringList during;
    ASSERT_TRUE(RunWith([&](EvolutionView& view) {
        if (view.Shown().generation < 2) {
            return false;
        }
        for (const char* name : {"txtLength", "txtNumGen", "txtTotal"}) {
            during << Control<QLineEdit>(name)->text();
        }
        ClickCancel(view);
        return true;
    }));
    EXPECT_EQ(during, QStringList({QString(), QString(), QString()}))
        << "the boxes held the last run's figures during this one";
    EXPECT_EQ(Control<QLineEdit>("txtNumGen")->text(), QString());
    EXPECT_FALSE(Control<QLineEdit>("txtTotal")->text().isEmpty());
    auto* view = window->findChild<EvolutionView*>();
    ASSERT_NE(view, nullptr);
    const QString cancelled =
        QStringLiteral("Cancelled after %1 generations.")
            .arg(QLocale().toString(static_cast<qlonglong>(view->Shown().generation)));
    EXPECT_EQ(view->EndingText(), cancelled);
    EXPECT_TRUE(view->StatusText().startsWith(cancelled)) << view->StatusText().toStdString();
    if (auto* said = window->findChild<QMessageBox*>(QStringLiteral("selectionMessage"))) {
        said->accept();
    }
}

struct ShownText {
    QString text;
    QRect rect;
};

// Every text the view shows, with where it shows in the view: its labels, buttons and check
// boxes, and the chart's titles, tick labels and legend.
// Whether `rect` (in `view`'s coordinates) of `widget` lies outside the viewport of a scroll
// area that holds it: what a scroll area holds shows only within it; the rest is scrolled to.
bool ScrolledAway(QWidget& view, const QWidget& widget, const QRect& rect) {
    bool away = false;
    for (QWidget* up = widget.parentWidget(); up != nullptr && up != &view;
         up = up->parentWidget()) {
        if (auto* area = qobject_cast<QAbstractScrollArea*>(up)) {
            const QWidget* port = area->viewport();
            away = !QRect(port->mapTo(&view, QPoint(0, 0)), port->size()).contains(rect);
        }
    }
    return away;
}

// The captions of the labels and buttons in sight in `view`, where they are.
void AddWidgetTexts(QWidget& view, std::vector<ShownText>& texts) {
    for (QWidget* widget : view.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&view) || widget->window() != &view) {
            continue;
        }
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
        }
        const QRect rect(widget->mapTo(&view, QPoint(0, 0)), widget->size());
        if (!text.isEmpty() && !ScrolledAway(view, *widget, rect)) {
            texts.push_back({text, rect});
        }
    }
}

// The texts the charts in `view` draw, each at the extent of its letters.
void AddChartTexts(QWidget& view, std::vector<ShownText>& texts) {
    for (auto* chartView : view.findChildren<QChartView*>()) {
        for (QGraphicsItem* item : chartView->scene()->items()) {
            auto* text = dynamic_cast<QGraphicsTextItem*>(item);
            if (text == nullptr || !text->isVisible() || text->toPlainText().isEmpty()) {
                continue;
            }
            // The extent of the text itself, centred in its item, which adds blank room around.
            const QRect itemRect =
                chartView->mapFromScene(text->sceneBoundingRect()).boundingRect();
            const QFontMetrics metrics(text->font());
            const QRect spanned = metrics.tightBoundingRect(text->toPlainText());
            // A vertical title is turned on its side.
            const bool turned =
                itemRect.height() > itemRect.width() && spanned.width() > spanned.height();
            QRect inView(QPoint(0, 0), turned ? spanned.size().transposed() : spanned.size());
            inView.moveCenter(itemRect.center());
            texts.push_back({text->toPlainText(),
                             QRect(chartView->mapTo(&view, inView.topLeft()), inView.size())});
        }
    }
}

std::vector<ShownText> TextsOf(QWidget& view) {
    std::vector<ShownText> texts;
    AddWidgetTexts(view, texts);
    AddChartTexts(view, texts);
    return texts;
}

// Nothing the view shows is cut short, squeezed below its size, or drawn over another text.
void ExpectNothingClippedOrOverlapping(EvolutionView& view, const char* where) {
    SCOPED_TRACE(where);
    view.layout()->activate();
    QApplication::processEvents();
    const std::vector<ShownText> texts = TextsOf(view);
    ASSERT_GT(texts.size(), 10U);
    for (const ShownText& shown : texts) {
        // Buttons that open a dialog end in three dots of their own.
        const bool opensDialog =
            qobject_cast<QAbstractButton*>(view.childAt(shown.rect.center())) != nullptr;
        EXPECT_FALSE(shown.text.contains(QChar(0x2026)) ||
                     (shown.text.endsWith(QStringLiteral("...")) && !opensDialog))
            << "elided: " << shown.text.toStdString();
        EXPECT_TRUE(QRect(QPoint(0, 0), view.size()).contains(shown.rect))
            << shown.text.toStdString() << " lies outside the view";
    }
    for (QWidget* widget : view.findChildren<QWidget*>()) {
        if (widget->isVisibleTo(&view) && (qobject_cast<QLabel*>(widget) != nullptr ||
                                           qobject_cast<QAbstractButton*>(widget) != nullptr)) {
            const QSize least = widget->minimumSizeHint();
            EXPECT_GE(widget->height(), least.height()) << widget->objectName().toStdString();
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(texts[i].rect.intersects(texts[j].rect))
                << "\"" << texts[i].text.toStdString() << "\" and \"" << texts[j].text.toStdString()
                << "\"";
        }
    }
}

struct CapitalHeights {
    int text = 0;
    int letters = 0;
    int chartLabels = 0;
    int chartTitles = 0;
    int legend = 0;
};

CapitalHeights CapitalsOf(EvolutionView& view) {
    QChart* chart = view.findChild<QChartView*>(QStringLiteral("fitnessChart"))->chart();
    const QAbstractAxis* axis = chart->axes(Qt::Vertical).front();
    return {
        QFontMetrics(view.font()).capHeight(),
        QFontMetrics(view.findChild<QLabel*>(QStringLiteral("targetString"))->font()).capHeight(),
        QFontMetrics(axis->labelsFont()).capHeight(), QFontMetrics(axis->titleFont()).capHeight(),
        QFontMetrics(chart->legend()->font()).capHeight()};
}

// At full speed, without the offspring rows, the view has room for the whole zoom.
TEST_F(LiveViewTest, EveryTextOfTheViewGrowsWithTheZoomAndNoneIsCutOrOverlaps) {
    for (const Scheme scheme : {Scheme::Attenuating, Scheme::Sequential}) {
        SCOPED_TRACE(static_cast<int>(scheme));
        window->LiveViewChoices().slowMotion = false;
        auto* view = new EvolutionView(QStringLiteral("METHINKS IT IS LIKE A WEASEL"),
                                       QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM Q"), scheme,
                                       window->LiveViewChoices(), window.get());
        view->PlaceBeside(*window, QRect());
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
        ExpectNothingClippedOrOverlapping(*view, "at 100%");
        const CapitalHeights single = CapitalsOf(*view);
        ZoomTo(2.0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return WindowZoom::Of(view)->Factor() == 2.0; }));
        const CapitalHeights twice = CapitalsOf(*view);
        for (const auto& [small, large, what] :
             {std::tuple{single.text, twice.text, "text"},
              std::tuple{single.letters, twice.letters, "letters"},
              std::tuple{single.chartLabels, twice.chartLabels, "chart labels"},
              std::tuple{single.chartTitles, twice.chartTitles, "axis titles"},
              std::tuple{single.legend, twice.legend, "legend"}}) {
            EXPECT_NEAR(large, 2 * small, 1) << what;
        }
        ExpectNothingClippedOrOverlapping(*view, "at 200%");
        QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
        delete view;
    }
}

// Every shipped language's texts fit the view as the English ones do, at 100% and 200%.
TEST_F(LiveViewTest, InEveryLanguageNoTextOfTheViewIsCutOrOverlaps) {
    window->LiveViewChoices().slowMotion = false;
    for (const plot::ShippedLanguage& language : plot::ShippedLanguages()) {
        SCOPED_TRACE(language.code.toStdString());
        const InLanguage shown(language.code);
        for (const Scheme scheme : {Scheme::Serial, Scheme::Sequential}) {
            auto* view = new EvolutionView(QStringLiteral("METHINKS IT IS LIKE A WEASEL"),
                                           QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM Q"), scheme,
                                           window->LiveViewChoices(), window.get());
            view->PlaceBeside(*window, QRect());
            view->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
            ExpectNothingClippedOrOverlapping(*view, "at 100%");
            ZoomTo(2.0);
            ASSERT_TRUE(QTest::qWaitFor([&] { return WindowZoom::Of(view)->Factor() == 2.0; }));
            ExpectNothingClippedOrOverlapping(*view, "at 200%");
            QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
            delete view;
        }
    }
}

// A change of language reaches the open view and the window at once, through the event loop,
// the run going on.
TEST_F(LiveViewTest, SwitchingTheLanguageWhileTheViewIsOpenShowsBothInItAtOnce) {
    window->LiveViewChoices().slowMotion = true;
    auto* view = new EvolutionView(QStringLiteral("EVOLUTION"), QStringLiteral("QWERTYUIO"),
                                   Scheme::Sequential, window->LiveViewChoices(), window.get());
    view->PlaceBeside(*window, QRect());
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    auto* save = view->findChild<QPushButton*>(QStringLiteral("saveChartButton"));
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    ASSERT_EQ(save->text(), QStringLiteral("Save chart..."));
    const QString englishTitle = view->windowTitle();
    const QString englishFigures = view->LabelText();

    plot::Catalogue* catalogue = plot::Catalogue::Of(*QCoreApplication::instance());
    ASSERT_TRUE(catalogue->Use(QStringLiteral("fr")));
    const QString french = QCoreApplication::translate("quarrow::ViewControls", "Save chart...");
    ASSERT_NE(french, QStringLiteral("Save chart..."));
    ASSERT_TRUE(QTest::qWaitFor([&] { return save->text() == french; }));
    EXPECT_EQ(tabs->tabText(kStepFour), QCoreApplication::translate("Quarrow", "Step Four"));
    EXPECT_NE(view->windowTitle(), englishTitle);
    EXPECT_EQ(view->windowTitle(),
              QCoreApplication::translate("quarrow::EvolutionView", "Step Four: %1")
                  .arg(QCoreApplication::translate("Scheme", "3: Sequential Selection")));
    EXPECT_NE(view->LabelText(), englishFigures) << "the figures beside the chart";
    EXPECT_TRUE(view->LabelText().startsWith(
        QCoreApplication::translate("quarrow::EvolutionView", "Generation: %1")
            .section(QLatin1Char('%'), 0, 0)));
    auto* chart = view->findChild<QChartView*>(QStringLiteral("fitnessChart"))->chart();
    EXPECT_EQ(chart->axes(Qt::Horizontal).front()->titleText(),
              QCoreApplication::translate("quarrow::FitnessChart", "Generation"));
    EXPECT_EQ(
        view->findChild<QLabel*>(QStringLiteral("offspringTitle"))->text(),
        QCoreApplication::translate("quarrow::OffspringPanel", "Offspring of this generation"));

    // The widest translation, taken by the open view: nothing of it cut or overlapping.
    ASSERT_TRUE(catalogue->Use(QStringLiteral("de")));
    const QString german = QCoreApplication::translate("quarrow::ViewControls", "Save chart...");
    ASSERT_TRUE(QTest::qWaitFor([&] { return save->text() == german; }));
    QTest::qWait(100);
    ExpectNothingClippedOrOverlapping(*view, "switched to German");

    // Back to English from the view itself, as a teacher at its keyboard would.
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : view,
                    Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QMenu* menu = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (QMenu* shown : window->findChildren<QMenu*>(QStringLiteral("languageMenu"))) {
            if (shown->isVisible()) {
                menu = shown;
            }
        }
        return menu != nullptr;
    })) << "Ctrl+Shift+L in the view opens the language menu";
    menu->findChild<QAction*>(QStringLiteral("language_en"))->trigger();
    menu->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return save->text() == QStringLiteral("Save chart..."); }));
    EXPECT_EQ(view->windowTitle(), englishTitle);
    EXPECT_EQ(tabs->tabText(kStepFour), QStringLiteral("Step Four"));
    delete view;
}

// The projector's path: the window is zoomed first, and the view opens zoomed where the
// screen lets it, as short as its least height at worst.
TEST_F(LiveViewTest, AViewOpenedAtTwiceTheSizeCutsNoTitleEvenAtItsLeastHeight) {
    ZoomTo(2.0);
    window->LiveViewChoices().slowMotion = true;
    auto* view = new EvolutionView(QStringLiteral("EVOLUTION"), QStringLiteral("QWERTYUIO"),
                                   Scheme::Sequential, window->LiveViewChoices(), window.get());
    view->PlaceBeside(*window, ResultBoxesOf(*window));
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    ExpectNothingClippedOrOverlapping(*view, "as placed");
    view->resize(view->minimumSize());
    ExpectNothingClippedOrOverlapping(*view, "at its least height");
    delete view;
    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
}

TEST_F(LiveViewTest, AtFullScreenTheViewFitsBesideTheBoxesWithNothingCutOrOverlapping) {
    QTest::keyClick(window.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen() && window->width() == 1920; }));
    for (const Scheme scheme : {Scheme::Serial, Scheme::Sequential}) {
        SCOPED_TRACE(static_cast<int>(scheme));
        auto* view = new EvolutionView(QStringLiteral("METHINKS IT IS LIKE A WEASEL"),
                                       QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM Q"), scheme,
                                       window->LiveViewChoices(), window.get());
        const QRect boxes = ResultBoxesOf(*window);
        view->PlaceBeside(*window, boxes);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
        // No room beside the full-screen window: the view takes the place that covers the
        // least of the boxes, which is all of them when none is free.
        static_cast<void>(boxes);
        // The chart keeps a height to read a curve by, not a strip.
        const auto* chart = view->findChild<QChartView*>(QStringLiteral("fitnessChart"));
        EXPECT_GE(chart->height(), 8 * QFontMetrics(view->font()).height());
        ExpectNothingClippedOrOverlapping(*view, "at full screen");
        delete view;
    }
}

TEST_F(LiveViewTest, MessageBoxesAndCheckBoxSquaresGrowWithTheZoom) {
    const auto messageCapitals = [&] {
        // With no log yet, "View log" says so in a message of the window's own.
        QTest::mouseClick(Control<QPushButton>("Command1"), Qt::LeftButton);
        auto* box = window->findChild<QMessageBox*>(QStringLiteral("selectionMessage"));
        EXPECT_NE(box, nullptr);
        if (box == nullptr) {
            return 0;
        }
        EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
        const int capitals = QFontMetrics(box->font()).capHeight();
        box->accept();
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return window->findChild<QMessageBox*>(QStringLiteral("selectionMessage")) == nullptr;
        }));
        return capitals;
    };
    auto* view = new EvolutionView(QStringLiteral("CAT"), QStringLiteral("DOG"), Scheme::Serial,
                                   window->LiveViewChoices(), window.get());
    const auto* check = view->findChild<QCheckBox*>(QStringLiteral("keepOpenCheck"));
    const auto square = [&] {
        return check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check);
    };
    const int singleMessage = messageCapitals();
    const int singleSquare = square();
    ZoomTo(2.0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowZoom::Of(view)->Factor() == 2.0; }));
    EXPECT_NEAR(messageCapitals(), 2 * singleMessage, 1);
    EXPECT_NEAR(square(), 2 * singleSquare, 2);
    delete view;
}

TEST_F(LiveViewTest, AHelpWindowOpenedBeforeFullScreenKeepsAReadableWidth) {
    Control<QTabWidget>("SSTab1")->setCurrentIndex(0);
    QTest::mouseClick(Control<QPushButton>("Command6"), Qt::LeftButton);
    auto* help = window->findChild<HelpViewer*>();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    QTest::keyClick(window.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen() && window->width() == 1920; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowZoom::Of(help)->Factor() > 2.0; }));
    EXPECT_LE(help->width(), 1920 * 3 / 4);
    const auto* contents = help->findChild<QListWidget*>(QStringLiteral("helpContents"));
    ASSERT_NE(contents, nullptr);
    EXPECT_GE(contents->width(), 15 * QFontMetrics(contents->font()).averageCharWidth());
}

TEST(DescribeRightLetters, NamesTheFewPlacesThatDifferRatherThanEveryOne) {
    const auto positions = [](std::initializer_list<qsizetype> list) {
        return QList<qsizetype>(list);
    };
    QList<qsizetype> allButFourth;
    QList<qsizetype> all;
    for (qsizetype i = 0; i < 50; ++i) {
        all.append(i);
        if (i != 3 && i < 28) {
            allButFourth.append(i);
        }
    }
    EXPECT_EQ(DescribeRightLetters(allButFourth, 28),
              QStringLiteral("27 of 28 right; wrong at position 4"));
    EXPECT_EQ(DescribeRightLetters(all, 50), QStringLiteral("50 of 50 right"));
    EXPECT_EQ(DescribeRightLetters(positions({0, 4, 8}), 28),
              QStringLiteral("3 of 28 right, at positions 1, 5 and 9"));
    EXPECT_EQ(DescribeRightLetters(positions({0, 1, 2}), 5),
              QStringLiteral("3 of 5 right; wrong at positions 4 and 5"));
    EXPECT_EQ(DescribeRightLetters({}, 28), QStringLiteral("0 of 28 right"));
    QList<qsizetype> half;
    for (qsizetype i = 0; i < 28; i += 2) {
        half.append(i);
    }
    EXPECT_EQ(DescribeRightLetters(half, 28), QStringLiteral("14 of 28 right"));
}

TEST_F(LiveViewTest, ScreenReadersHearNamesAndDescriptionsNotPictures) {
    // The arrows between the steps are decoration.
    int arrows = 0;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->property("arrow").toString().isEmpty()) {
            continue;
        }
        ++arrows;
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(heard, nullptr);
        EXPECT_TRUE(heard->state().invisible) << label->objectName().toStdString();
        EXPECT_TRUE(heard->text(QAccessible::Name).isEmpty()) << label->objectName().toStdString();
    }
    EXPECT_GT(arrows, 0);
    // Each explanation button says which topic it opens, not what a box beside it is for.
    QStringList descriptions;
    QStringList boxTips;
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        boxTips << box->toolTip() << box->accessibleDescription();
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (!button->text().contains(QStringLiteral("Explanation")) ||
            button->property("helpContext").toInt() <= 0) {
            continue;
        }
        const QString description = button->accessibleDescription();
        EXPECT_TRUE(description.startsWith(QStringLiteral("Opens the help topic")))
            << button->objectName().toStdString() << ": " << description.toStdString();
        EXPECT_FALSE(boxTips.contains(description)) << button->objectName().toStdString();
        descriptions << description;
    }
    EXPECT_EQ(descriptions.size(), QSet<QString>(descriptions.begin(), descriptions.end()).size())
        << descriptions.join(QLatin1Char('\n')).toStdString();

    // The chart is named, and its two lines are told apart in words.
    EvolutionView view(QStringLiteral("CAT"), QStringLiteral("DOG"), Scheme::Sequential,
                       window->LiveViewChoices(), window.get());
    auto* chartView = view.findChild<QChartView*>(QStringLiteral("fitnessChart"));
    EXPECT_FALSE(chartView->accessibleName().isEmpty());
    QStringList names;
    for (QAbstractSeries* series : chartView->chart()->series()) {
        names << series->name();
    }
    ASSERT_EQ(names.size(), 2);
    EXPECT_TRUE(names[0].contains(QStringLiteral("solid line")));
    EXPECT_TRUE(names[1].contains(QStringLiteral("dashed line")));
    const auto controls = view.findChildren<QPushButton*>();
    for (QPushButton* button : controls) {
        EXPECT_FALSE(button->accessibleDescription().isEmpty()) << button->text().toStdString();
    }
}

TEST_F(LiveViewTest, RepeatOpensBesideWhereThereIsRoomAndAsAPageOfTheViewWhereNot) {
    EvolutionView* view = ShowViewBeside();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    // On this screen the main window and the view leave no room for a third window beside
    // them: if the Repeat window opens as one, it covers neither.
    QPointer<RepeatWindow> beside = view->OpenRepeat();
    ASSERT_FALSE(beside.isNull());
    if (beside->isWindow()) {
        EXPECT_EQ(beside->windowType(), Qt::Dialog);
        EXPECT_FALSE(beside->frameGeometry().intersects(view->frameGeometry()));
        EXPECT_FALSE(beside->frameGeometry().intersects(window->frameGeometry()));
    } else {
        EXPECT_EQ(beside->window(), view);
    }
    beside->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return beside.isNull(); }));
    delete view;

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    QTest::keyClick(window.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen() && window->width() == 1920; }));
    view = ShowViewBeside();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    const QRect runPlace = view->geometry();
    QPointer<RepeatWindow> inside = view->OpenRepeat();
    ASSERT_FALSE(inside.isNull());
    EXPECT_FALSE(inside->isWindow());
    EXPECT_EQ(inside->window(), view);
    EXPECT_TRUE(inside->isVisible());
    // The page zooms with the view, whose keys still act.
    const double before = WindowZoom::Of(view)->Factor();
    QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_LT(WindowZoom::Of(view)->Factor(), before);
    QTest::mouseClick(view->findChild<QPushButton*>(QStringLiteral("backToRunButton")),
                      Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return inside.isNull(); }));
    EXPECT_TRUE(view->findChild<QWidget*>(QStringLiteral("runPage"))->isVisible());
    // Back on the run, the view has the size and place it had before: no taller, so that it
    // covers nothing it had left in sight.
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->geometry() == runPlace; }))
        << view->height() << " tall, " << runPlace.height() << " before";
    delete view;
}

} // namespace
} // namespace quarrow::testing
