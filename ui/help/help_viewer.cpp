#include "ui/help/help_viewer.h"

#include "plot/catalogue.h"
#include "ui/common/zoom.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <vector>

// The topics live in a static library, where nothing would otherwise keep their registration.
static void RegisterHelpPages() {
    Q_INIT_RESOURCE(help);
    Q_INIT_RESOURCE(help_languages);
}

namespace quarrow {

namespace {

const QString kLogPathMarker = QStringLiteral("@LOG_PATH@");

// The English page at `url` (qrc:/help/topic10.html), or its translation into `language`
// (:/help/de/topic10.html) where there is one. Only pages compiled into the program are ever read.
QString ReadPage(const QUrl& url, const QString& language = QStringLiteral("en")) {
    if (url.scheme() != QLatin1String("qrc")) {
        return {};
    }
    const QString english = QLatin1Char(':') + url.path();
    QFile translated(QStringLiteral(":/help/%1/%2").arg(language, url.fileName()));
    QFile file(english);
    QFile& shown =
        url.path().count(QLatin1Char('/')) == 2 && translated.exists() ? translated : file;
    if (!shown.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(shown.readAll());
}

// The language the program's texts are shown in.
QString ShownLanguage() {
    const plot::Catalogue* catalogue = plot::Catalogue::Of(*QCoreApplication::instance());
    return catalogue == nullptr ? QStringLiteral("en") : catalogue->Language();
}

constexpr int kHelpWindowGap = 12;

// How much of `wanted` a window shown in `room` keeps, in square pixels.
qint64 Kept(const QRect& room, const QSize& wanted) {
    if (!room.isValid()) {
        return -1;
    }
    return static_cast<qint64>(std::min(room.width(), wanted.width())) *
           std::min(room.height(), wanted.height());
}

// The parts of `area`, as tall as it, that lie left and right of every one of `clear` (and a
// gap from it); `area` itself when nothing is to be kept clear.
std::vector<QRect> StripsClearOf(const QRect& area, std::initializer_list<QRect> clear) {
    std::vector<QRect> strips{area};
    for (const QRect& kept : clear) {
        if (kept.isEmpty()) {
            continue;
        }
        std::vector<QRect> cut;
        for (const QRect& strip : strips) {
            QRect left = strip;
            left.setRight(std::min(strip.right(), kept.left() - 1 - kHelpWindowGap));
            QRect right = strip;
            right.setLeft(std::max(strip.left(), kept.right() + 1 + kHelpWindowGap));
            for (const QRect& part : {left, right}) {
                if (part.isValid()) {
                    cut.push_back(part);
                }
            }
        }
        strips = cut;
    }
    return strips;
}

// Beside the main window `main`, on the side with room for at least `minimumWidth` (or all of
// `wanted`), if either side has that much.
std::optional<QRect> PlaceBeside(QSize wanted, const QRect& area, const QRect& main,
                                 int minimumWidth) {
    const int roomRight = area.right() - main.right() - kHelpWindowGap;
    const int roomLeft = main.left() - kHelpWindowGap - area.left();
    if (std::max(roomRight, roomLeft) < std::min(wanted.width(), minimumWidth)) {
        return std::nullopt;
    }
    const bool right = roomRight >= wanted.width() || roomRight >= roomLeft;
    QRect place(QPoint(0, 0),
                QSize(std::min(wanted.width(), right ? roomRight : roomLeft), wanted.height()));
    if (right) {
        place.moveLeft(main.right() + 1 + kHelpWindowGap);
    } else {
        place.moveRight(main.left() - 1 - kHelpWindowGap);
    }
    place.moveTop(std::clamp(main.top(), area.top(), area.bottom() + 1 - place.height()));
    return place;
}

// The best of the rooms in `choices`, looked through a list at a time until one can be read (is
// at least `readable` in both directions): one that can be read beats one that cannot, and of
// two alike the one that keeps more of `wanted`, the earlier where they keep as much. An
// invalid rectangle when there is no room at all.
QRect BestRoom(std::initializer_list<std::vector<QRect>> choices, QSize wanted, QSize readable) {
    const auto canRead = [&](const QRect& room) {
        return room.isValid() && room.width() >= readable.width() &&
               room.height() >= readable.height();
    };
    QRect room;
    for (const std::vector<QRect>& rooms : choices) {
        for (const QRect& candidate : rooms) {
            const bool better = !room.isValid() || (canRead(candidate) && !canRead(room)) ||
                                (canRead(candidate) == canRead(room) &&
                                 Kept(candidate, wanted) > Kept(room, wanted));
            if (candidate.isValid() && better) {
                room = candidate;
            }
        }
        if (canRead(room)) {
            break;
        }
    }
    return room;
}

} // namespace

QRect HelpWindowPlace(QSize wanted, const QRect& area, const QRect& main, const QRect& button,
                      const QRect& results, int minimumWidth) {
    wanted = wanted.boundedTo(area.size());
    if (const std::optional<QRect> beside = PlaceBeside(wanted, area, main, minimumWidth)) {
        return *beside;
    }

    // No room beside: over the main window, in a room as tall as the screen and clear of the
    // page's results. The side away from the button comes first, where it is wide enough to
    // read; then either side of the results, over the button if need be; a band above or below
    // the results only where neither side of them can be read.
    const int readableWidth =
        std::min(wanted.width(), std::max(minimumWidth, area.width() * 2 / 5));
    const int readableHeight = std::min(wanted.height(), area.height() * 3 / 5);
    const bool awayRight = button.center().x() <= main.center().x();
    std::vector<QRect> away;
    for (const QRect& strip : StripsClearOf(area, {results, button})) {
        if ((strip.center().x() > button.center().x()) == awayRight) {
            away.push_back(strip);
        }
    }
    std::vector<QRect> bands;
    if (!results.isEmpty()) {
        QRect above = area;
        above.setBottom(results.top() - 1 - kHelpWindowGap);
        QRect below = area;
        below.setTop(results.bottom() + 1 + kHelpWindowGap);
        bands = {above, below};
    }
    QRect room = BestRoom({away, StripsClearOf(area, {results}), bands}, wanted,
                          QSize(readableWidth, readableHeight));
    if (!room.isValid()) {
        room = area;
    }
    QRect place(QPoint(0, 0), wanted.boundedTo(room.size()));
    place.moveTop(std::clamp(main.top(), room.top(), room.bottom() + 1 - place.height()));
    if (awayRight) {
        place.moveRight(room.right());
    } else {
        place.moveLeft(room.left());
    }
    return place;
}

/// A text browser that fills in the log's path as it loads a page and reads nothing from outside
/// the program.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    void SetLogPath(const QString& path) { logPath_ = path; }

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() != QLatin1String("qrc")) {
            return {};
        }
        if (type != QTextDocument::HtmlResource) {
            return QTextBrowser::loadResource(type, name);
        }
        QString page = ReadPage(name, ShownLanguage());
        if (page.isEmpty()) {
            return {};
        }
        const QString path = logPath_.isEmpty()
                                 ? QStringLiteral("hold.txt, in your personal application folder")
                                 : logPath_;
        return page.replace(kLogPathMarker, path.toHtmlEscaped());
    }

private:
    QString logPath_;
};

// A window of its own that the window manager keeps in front of the window it belongs to, full
// screen or not: window systems tell them so only for a dialog, so the help is one, with the
// buttons a window has.
constexpr Qt::WindowFlags kHelpWindowFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
    Qt::WindowCloseButtonHint;

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, kHelpWindowFlags) {
    RegisterHelpPages();
    setObjectName(QStringLiteral("helpViewer"));
    // The main window decides when the program ends, not this one.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kBaseSize);

    back_ = new QToolButton(this);
    back_->setObjectName(QStringLiteral("helpBack"));
    back_->setEnabled(false);
    forward_ = new QToolButton(this);
    forward_->setObjectName(QStringLiteral("helpForward"));
    forward_->setEnabled(false);

    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("helpContents"));
    contents_->setWordWrap(true);
    contents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* home = new QListWidgetItem(contents_);
    home->setData(Qt::UserRole, 0);
    for (int context : kHelpTopics) {
        auto* item = new QListWidgetItem(contents_);
        item->setData(Qt::UserRole, context);
    }

    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenLinks(false);
    browser_->document()->setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: x-large; } h2 { font-size: large; } "
                       "code, pre { font-family: monospace; }"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 560});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);

    splitter->setChildrenCollapsible(false);
    splitter_ = splitter;
    // Text, list and buttons grow with the zoom; the window keeps a width one can read across,
    // and the list of topics keeps room for a few words a line.
    auto* zoom = new WindowZoom(*this);
    connect(zoom, &WindowZoom::FactorChanged, this, &HelpViewer::KeepReadable);

    auto* closeHelp = new QShortcut(QKeySequence::Cancel, this);
    connect(closeHelp, &QShortcut::activated, this, &QWidget::close);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::FollowLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::OnSourceChanged);
    connect(contents_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toInt()); });
    connect(contents_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowTopic(item->data(Qt::UserRole).toInt()); });

    ShowTexts();
    browser_->setSource(TopicUrl(0));
}

void HelpViewer::ShowTexts() {
    setWindowTitle(tr("Quarrow Help"));
    back_->setText(tr("Back"));
    back_->setToolTip(tr("Back to the previous topic (Alt+Left)"));
    forward_->setText(tr("Forward"));
    forward_->setToolTip(tr("Forward to the next topic (Alt+Right)"));
    contents_->setAccessibleName(tr("Help topics"));
    browser_->setAccessibleName(tr("Help topic"));
    for (int row = 0; row < contents_->count(); ++row) {
        QListWidgetItem* item = contents_->item(row);
        item->setText(TopicTitle(item->data(Qt::UserRole).toInt()));
    }
}

void HelpViewer::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // The same topic, in the language now shown.
        ShowTexts();
        browser_->reload();
        OnSourceChanged(browser_->source());
    }
}

HelpViewer::~HelpViewer() = default;

void HelpViewer::showEvent(QShowEvent* event) {
    KeepReadable();
    QWidget::showEvent(event);
}

void HelpViewer::KeepReadable() {
    // Lines of text longer than this many characters are hard to follow back to their start.
    constexpr int kReadableCharacters = 90;
    constexpr int kListCharacters = 24;
    const int character = QFontMetrics(browser_->font()).averageCharWidth();
    const int listWidth =
        std::max(QFontMetrics(contents_->font()).averageCharWidth(), 1) * kListCharacters;
    int width = this->width();
    if (const QScreen* shownOn = screen()) {
        const int readable = listWidth + kReadableCharacters * character;
        const int most = std::min(readable, shownOn->availableGeometry().width() * 3 / 4);
        if (width > most && !isMaximized() && !isFullScreen()) {
            width = std::max(most, minimumSizeHint().width());
            resize(width, height());
        }
    }
    // However wide the window is, the topic keeps most of it; the list has a third at most.
    const int list = std::min(width / 3, listWidth);
    splitter_->setSizes({list, width - list});
}

void HelpViewer::ShowTopic(int context) {
    const QUrl url = TopicUrl(context);
    if (url != browser_->source()) {
        browser_->setSource(url);
    }
}

int HelpViewer::CurrentTopic() const {
    return std::max(TopicAt(browser_->source()), 0);
}

void HelpViewer::SetLogPath(const QString& path) {
    browser_->SetLogPath(path);
    if (CurrentTopic() == 110) {
        browser_->reload();
    }
}

QUrl HelpViewer::TopicUrl(int context) {
    const bool known =
        std::find(kHelpTopics.begin(), kHelpTopics.end(), context) != kHelpTopics.end();
    if (!known) {
        return QUrl(QStringLiteral("qrc:/help/contents.html"));
    }
    return QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(context));
}

int HelpViewer::TopicAt(const QUrl& url) {
    static const QRegularExpression topicPath(QStringLiteral("^/help/topic(\\d+)\\.html$"));
    if (url.scheme() != QLatin1String("qrc")) {
        return -1;
    }
    if (url.path() == QLatin1String("/help/contents.html")) {
        return 0;
    }
    const QRegularExpressionMatch match = topicPath.match(url.path());
    if (!match.hasMatch()) {
        return -1;
    }
    const int context = match.captured(1).toInt();
    const bool known =
        std::find(kHelpTopics.begin(), kHelpTopics.end(), context) != kHelpTopics.end();
    return known ? context : -1;
}

namespace {

// Each page's title as the contents list and the window's title show it, for the catalogue; the
// title read from a page is looked up here.
[[maybe_unused]] constexpr const char* kTopicTitles[] = {
    QT_TRANSLATE_NOOP("HelpTopic", "Contents"),
    QT_TRANSLATE_NOOP("HelpTopic", "Typing your phrase"),
    QT_TRANSLATE_NOOP("HelpTopic", "What a target string is"),
    QT_TRANSLATE_NOOP("HelpTopic", "What \"Step Two\" measures"),
    QT_TRANSLATE_NOOP("HelpTopic", "Why a blind search is hopeless"),
    QT_TRANSLATE_NOOP("HelpTopic", "What \"Step Three\" does"),
    QT_TRANSLATE_NOOP("HelpTopic", "Why the best random string still gets few letters right"),
    QT_TRANSLATE_NOOP("HelpTopic", "What \"Step Four\" does"),
    QT_TRANSLATE_NOOP("HelpTopic", "Scheme 1: attenuating selection"),
    QT_TRANSLATE_NOOP("HelpTopic", "Scheme 2: serial selection"),
    QT_TRANSLATE_NOOP("HelpTopic", "Scheme 3: sequential selection"),
    QT_TRANSLATE_NOOP("HelpTopic", "The generation log"),
};

} // namespace

QString HelpViewer::TopicTitle(int context) {
    static const QRegularExpression title(QStringLiteral("<title>(.*)</title>"),
                                          QRegularExpression::DotMatchesEverythingOption |
                                              QRegularExpression::InvertedGreedinessOption);
    const QRegularExpressionMatch match = title.match(ReadPage(TopicUrl(context)));
    if (!match.hasMatch()) {
        return {};
    }
    return QCoreApplication::translate("HelpTopic",
                                       match.captured(1).simplified().toUtf8().constData());
}

void HelpViewer::FollowLink(const QUrl& url) {
    const QUrl target = browser_->source().resolved(url);
    const int context = TopicAt(target);
    if (context >= 0) {
        ShowTopic(context);
    }
}

void HelpViewer::OnSourceChanged(const QUrl& url) {
    const int context = std::max(TopicAt(url), 0);
    for (int row = 0; row < contents_->count(); ++row) {
        if (contents_->item(row)->data(Qt::UserRole).toInt() == context) {
            const QSignalBlocker quiet(contents_);
            contents_->setCurrentRow(row);
            break;
        }
    }
    const QString title = TopicTitle(context);
    setWindowTitle(context == 0 ? tr("Quarrow Help") : tr("Quarrow Help: %1").arg(title));
    emit TopicChanged(context);
}

} // namespace quarrow
