#include "ui/window/quarrow.h"

#include "search/alphabet.h"
#include "ui/common/box_text.h"
#include "ui/common/zoom.h"
#include "ui/window/arrows.h"
#include "ui/window/capitalise.h"
#include "ui/window/long_text_box.h"
#include "ui/window/search_pages.h"
#include "ui/window/selection_page.h"
#include "ui_quarrow.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>

#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>

// The layout declares the single member of each control array under the array's name:
// txtTarget is txtTarget(0), txtNumGen is txtNumGen(0), txtTargetString is txtTargetString(1)
// and txtNumGenerat is txtNumGenerat(1). No other member exists.

namespace quarrow {
namespace {

// The layout was drawn for a default face whose lines are about 13 pixels high. Faces differ
// in width, so the default size is the largest, from 8.25 points down, at which the captions
// that size themselves fit the widths the layout gives them. Faces made to the metrics of
// common desktop faces are tried first, in this order, and the first that fits at full size is
// taken: the regular ones are a little too wide for the layout (they fit at 7.75 points), the
// narrow ones fit at 8.25. The toolkit's own face is the last resort.
constexpr std::array<const char*, 4> kLayoutFaces{"Liberation Sans", "Arimo",
                                                  "Liberation Sans Narrow", "Arial Narrow"};
constexpr double kLargestDefaultPointSize = 8.25;
constexpr double kSmallestDefaultPointSize = 6.5;
constexpr double kPointSizeStep = 0.25;
// Pixels a caption may run past its width before it would touch its neighbours.
constexpr int kCaptionSlack = 2;
constexpr double kLargeTitlePointSize = 21.75;
constexpr double kTitlePointSize = 18.0;
constexpr double kStringBoxPointSize = 9.75;

constexpr int kStartPhraseLength = 50;

constexpr int kStepTwo = 1;
constexpr int kStepThree = 2;
constexpr int kStepFour = 3;

// The property under which each page remembers how far its controls were shifted.
constexpr char kPlacedOffset[] = "placedOffset";

QFont FaceAt(const QString& family, double pointSize) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

// The largest size, from 8.25 points down, at which every caption that sizes itself in the
// window's default font fits the width the layout gives it; 0 if none does.
double FittingPointSize(QFont font, const QList<QLabel*>& labels) {
    for (double points = kLargestDefaultPointSize; points >= kSmallestDefaultPointSize;
         points -= kPointSizeStep) {
        font.setPointSizeF(points);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const QLabel* label : labels) {
            const bool usesDefault = !label->testAttribute(Qt::WA_SetFont);
            if (usesDefault && label->property("fitsText").toBool() &&
                metrics.horizontalAdvance(label->text()) > label->width() + kCaptionSlack) {
                fits = false;
                break;
            }
        }
        if (fits) {
            return points;
        }
    }
    return 0.0;
}

// The window's default font: the first installed face of the list that fits at full size, else
// whichever face, the toolkit's included, fits at the largest size.
QFont DefaultFont(const QFont& toolkitFont, const QList<QLabel*>& labels) {
    const QStringList installed = QFontDatabase::families();
    QFont best = toolkitFont;
    double bestPoints = 0.0;
    const auto consider = [&](QFont face) {
        const double points = FittingPointSize(face, labels);
        if (points > bestPoints) {
            face.setPointSizeF(points);
            best = face;
            bestPoints = points;
        }
        return points >= kLargestDefaultPointSize;
    };
    for (const char* family : kLayoutFaces) {
        if (installed.contains(QLatin1String(family))) {
            QFont face = toolkitFont;
            face.setFamilies({QString::fromLatin1(family)});
            face.setWeight(QFont::Normal);
            if (consider(face)) {
                return best;
            }
        }
    }
    consider(toolkitFont);
    if (bestPoints == 0.0) {
        best.setPointSizeF(kSmallestDefaultPointSize);
    }
    return best;
}

// Only a move of the focus to another control is the user leaving a box; losing it because
// the whole window went inactive or a popup opened is not.
bool IsUserLeaving(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

// Puts a text the program made into a box, showing it from its start as a fresh box would
// (a line edit otherwise scrolls to the end of a text longer than the box).
void ShowText(QLineEdit& box, const QString& text) {
    box.setText(text);
    box.setCursorPosition(0);
}

// A box may hold a phrase of a million letters, and painting one lays out its whole text, a
// quarter of a second at that length. A window whose look does not change with its activation
// is not repainted when a run's dialog takes the activation and gives it back, which would
// otherwise freeze it twice per run.
void KeepLookWhenInactive(QWidget& widget) {
    QPalette palette = widget.palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        palette.setBrush(QPalette::Inactive, colorRole, palette.brush(QPalette::Active, colorRole));
    }
    widget.setPalette(palette);
}

QString RandomText(Generator& generator, qsizetype length) {
    const std::string symbols = RandomString(generator, static_cast<std::ptrdiff_t>(length));
    return QString::fromLatin1(symbols.data(), static_cast<qsizetype>(symbols.size()));
}

} // namespace

Quarrow::Quarrow(const QuarrowServices& services, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::Quarrow>()), services_(services) {
    ui_->setupUi(this);
    const WindowPage page{*this, *ui_, services_, run_};
    searchPages_ = std::make_unique<SearchPages>(page);
    selectionPage_ = std::make_unique<SelectionPage>(page, viewChoices_);
    SetUpControls();
    InstallZoom();
    WireHandlers();
    Form_Load();
    InstallHelp();
    InstallLanguageChoice();
}

Quarrow::~Quarrow() {
    // Destroying the focused box sends it a focus-out; the handlers must not see it.
    ui_->txtPhrase->removeEventFilter(this);
    ui_->txtTarget->removeEventFilter(this);
}

void Quarrow::SetUpControls() {
    const QString serif = QStringLiteral("Times New Roman");
    for (QLabel* title : {ui_->Label1, ui_->Label10}) {
        title->setFont(FaceAt(serif, kLargeTitlePointSize));
    }
    for (QLabel* title : {ui_->Label3, ui_->Label17}) {
        title->setFont(FaceAt(serif, kTitlePointSize));
    }
    setFont(DefaultFont(font(), findChildren<QLabel*>()));

    SizeTabs(1.0);
    QFont stringFace = FaceAt(QStringLiteral("Courier New"), kStringBoxPointSize);
    // A fixed-width face draws its letters the same without shaping, which halves the time a
    // box takes to lay out a phrase of a million letters.
    stringFace.setStyleStrategy(QFont::PreferNoShaping);
    for (QLineEdit* box :
         {ui_->txtTarget, ui_->txtInitialGuess, ui_->txtTargetString, ui_->txtBestString}) {
        box->setFont(stringFace);
    }

    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setMaxLength(std::numeric_limits<int>::max());
        PaintOnlyTheTextInSight(*box);
    }
    KeepLookWhenInactive(*this);
    for (QLabel* label : findChildren<QLabel*>()) {
        if (label->property("fitsText").toBool()) {
            label->adjustSize();
        }
        const QString arrow = label->property("arrow").toString();
        if (!arrow.isEmpty()) {
            const auto direction =
                arrow == QLatin1String("down") ? ArrowDirection::Down : ArrowDirection::Right;
            label->setPixmap(ArrowPixmap(label->size(), direction));
            MarkDecorative(*label);
        }
    }

    // The layout gives each page's controls relative to SSTab1, strip included; a page starts
    // below its strip, and where exactly is known only once SSTab1 has laid itself out.
    QWidget* pageStack = ui_->Page0->parentWidget();
    pageStack->installEventFilter(this);
    for (int page = 0; page < ui_->SSTab1->count(); ++page) {
        ui_->SSTab1->widget(page)->installEventFilter(this);
    }
    PlacePageControls();

    // SSTab1 takes the focus through its strip of tabs, which the layout file cannot name. The
    // tab widget itself leaves the chain: while it proxies the focus to the strip, Tab from the
    // last control of a page reaches the strip instead of the page's first control.
    ui_->SSTab1->setFocusProxy(nullptr);
    ui_->SSTab1->setFocusPolicy(Qt::NoFocus);
    ui_->SSTab1->tabBar()->setFocusPolicy(Qt::TabFocus);

    QWidget::setTabOrder(ui_->txtPhrase, ui_->SSTab1->tabBar());
    QWidget::setTabOrder(ui_->SSTab1->tabBar(), ui_->txtRndString);
    ui_->Command5->setFocus();
    ShowCodeTexts();
}

void Quarrow::ShowCodeTexts() {
    // "&Go" and "&Gen Explanation" share a page and a letter; Alt+G belongs to the page's run,
    // and the button without a handler keeps its caption and is reached by Tab or the mouse.
    ui_->Command17->setShortcut(QKeySequence());
    selectionPage_->ShowSchemeCaptions();
    if (!laidOut_.empty()) {
        DescribeHelpButtons();
    }
}

void Quarrow::PlacePageControls() {
    for (int page = 0; page < ui_->SSTab1->count(); ++page) {
        QWidget* pageWidget = ui_->SSTab1->widget(page);
        const QPoint offset = pageWidget->mapTo(ui_->SSTab1, QPoint(0, 0));
        const QPoint placed = PlacedOffset(pageWidget);
        const QPoint shift = offset - placed;
        if (shift.isNull()) {
            continue;
        }
        for (QWidget* child : pageWidget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            child->move(child->pos() - shift);
        }
        pageWidget->setProperty(kPlacedOffset, offset);
    }
}

QPoint Quarrow::PlacedOffset(const QWidget* page) {
    return page->property(kPlacedOffset).toPoint();
}

void Quarrow::WireHandlers() {
    connect(ui_->Command2, &QPushButton::clicked, this, &Quarrow::Command2_Click);
    connect(ui_->Command1, &QPushButton::clicked, this, &Quarrow::Command1_Click);
    connect(ui_->Command8, &QPushButton::clicked, this, &Quarrow::Command8_Click);
    connect(ui_->Command4, &QPushButton::clicked, this, &Quarrow::Command4_Click);
    connect(ui_->Command3, &QPushButton::clicked, this, &Quarrow::Command3_Click);
    // The help buttons are wired by InstallHelp. Command17 has no handler: a click only moves
    // the focus to it.

    connect(ui_->txtTarget, &QLineEdit::textChanged, this, &Quarrow::txtTarget_Change);
    connect(ui_->txtInitialGuess, &QLineEdit::textChanged, this, &Quarrow::txtInitialGuess_Change);
    connect(ui_->SSTab1, &QTabWidget::currentChanged, this, &Quarrow::TrackPageChange);
    ui_->txtPhrase->installEventFilter(this);
    ui_->txtTarget->installEventFilter(this);
}

void Quarrow::TrackPageChange(int currentTab) {
    const int previousTab = shownTab_;
    shownTab_ = currentTab;
    SSTab1_Click(previousTab);
}

bool Quarrow::FilterFoundationEvent(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusOut:
        if (IsUserLeaving(static_cast<QFocusEvent*>(event)->reason())) {
            if (watched == ui_->txtPhrase) {
                txtPhrase_LostFocus();
            } else if (watched == ui_->txtTarget) {
                txtTarget_LostFocus();
            }
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == ui_->Page0->parentWidget() ||
            (watched->isWidgetType() &&
             ui_->SSTab1->indexOf(static_cast<QWidget*>(watched)) >= 0)) {
            PlacePageControls();
        }
        break;
    default:
        break;
    }
    return false;
}

bool Quarrow::eventFilter(QObject* watched, QEvent* event) {
    FilterFoundationEvent(watched, event);
    return QWidget::eventFilter(watched, event);
}

void Quarrow::closeEvent(QCloseEvent* event) {
    // Closing ends the program as "&Quit" does, whatever dialog is open: a run still going is
    // told to stop, saves its log complete and returns within moments, before the application's
    // event loop sees the quit.
    Command3_Click();
    event->accept();
}

void Quarrow::Form_Load() {
    ui_->SSTab1->setCurrentIndex(0);
    Reseed(*services_.generator, *services_.timeOfDay);
    ShowText(*ui_->txtPhrase, RandomText(*services_.generator, kStartPhraseLength));

    const std::optional<QRect> available = AvailableArea(*this);
    if (!available) {
        return;
    }
    const QRect area = *available;
    const QSize outer = frameGeometry().size();
    const double left = area.x() + area.width() * 0.5 - outer.width() * 0.5;
    const double top = area.y() + area.height() * 0.5 - outer.height() * 0.5;
    move(static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top)));
}

void Quarrow::SSTab1_Click(int previousTab) {
    (void)previousTab; // what happens depends only on the page entered
    switch (ui_->SSTab1->currentIndex()) {
    case kStepTwo:
        searchPages_->ClearEstimate();
        break;
    case kStepThree:
        ShowText(*ui_->txtTargetString, ui_->txtPhrase->text());
        break;
    case kStepFour:
        ShowText(*ui_->txtTarget, ui_->txtPhrase->text());
        Reseed(*services_.generator, *services_.timeOfDay);
        ShowText(*ui_->txtInitialGuess,
                 RandomText(*services_.generator, ui_->txtPhrase->text().size()));
        break;
    default:
        break;
    }
}

void Quarrow::txtPhrase_LostFocus() {
    CapitaliseBox(*ui_->txtPhrase);
}

void Quarrow::txtTarget_LostFocus() {
    CapitaliseBox(*ui_->txtTarget);
    Reseed(*services_.generator, *services_.timeOfDay);
    ShowText(*ui_->txtInitialGuess,
             RandomText(*services_.generator, ui_->txtTarget->text().size()));
}

bool Quarrow::RefuseWhileRunning() {
    if (!run_.IsRunning() && !selectionPage_->Asking()) {
        return false;
    }
    ShowWindowMessage(this, QMessageBox::Information,
                      tr("A run is going on. Wait until it has finished, or cancel it, before "
                         "you start another."),
                      kSelectionMessageName);
    return true;
}

void Quarrow::Command8_Click() {
    if (!RefuseWhileRunning()) {
        searchPages_->Measure();
    }
}

void Quarrow::Command4_Click() {
    if (!RefuseWhileRunning()) {
        searchPages_->RunTrial();
    }
}

void Quarrow::Command2_Click() {
    if (!RefuseWhileRunning()) {
        selectionPage_->Go(selectionPage_->ChosenScheme());
    }
}

void Quarrow::Command1_Click() {
    selectionPage_->ViewLog();
}

void Quarrow::txtTarget_Change() {
    selectionPage_->ForgetFigures();
}

void Quarrow::txtInitialGuess_Change() {
    selectionPage_->ForgetFigures();
}

} // namespace quarrow
