#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <array>

class QListWidget;
class QSplitter;
class QToolButton;

namespace quarrow {

class HelpBrowser;

/// Where the help window's frame goes on the screen area `area`, wanting `wanted`: beside the
/// main window's frame `main` on the side with room for at least `minimumWidth` (or all of
/// `wanted`); where neither side has that much, over the main window in a room as tall as the
/// area and clear of the page's result boxes `results` (an empty rectangle when the page has
/// none): on the side away from the `button` that opened it where that is wide enough to read
/// (`minimumWidth`, or two fifths of the area if more), over the button where it is not, and in
/// a band above or below the results only where neither side of them can be read. The place
/// always lies in `area`.
QRect HelpWindowPlace(QSize wanted, const QRect& area, const QRect& main, const QRect& button,
                      const QRect& results, int minimumWidth);

/// The context numbers of the help topics, in the order of the contents list.
inline constexpr std::array<int, 11> kHelpTopics{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110};

/// The help window: a contents list beside the topic on show, links between topics, Back and
/// Forward. The topics are compiled into the program, so none can go missing.
///
/// One instance is made by the main window and reused; it stays open beside the main window
/// without blocking it.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget* parent = nullptr);
    ~HelpViewer() override;

    /// The size the window has at 1x.
    static constexpr QSize kBaseSize{820, 600};

    /// Shows the topic with this context number; 0 or a number without a topic shows the contents.
    void ShowTopic(int context);
    /// The context number of the topic on show, 0 for the contents.
    int CurrentTopic() const;

    /// Puts this path where the topics name the generation log.
    void SetLogPath(const QString& path);

    /// Where the topic with this context number lives; 0 gives the contents page.
    static QUrl TopicUrl(int context);
    /// The context number of the topic at `url`, 0 for the contents, -1 for no topic at all.
    static int TopicAt(const QUrl& url);
    /// The topic's title, as its page gives it.
    static QString TopicTitle(int context);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

signals:
    /// Another topic is on show.
    void TopicChanged(int context);

private:
    /// Shows the window's own texts and the topics' titles in the program's language.
    void ShowTexts();
    void KeepReadable();
    void FollowLink(const QUrl& url);
    void OnSourceChanged(const QUrl& url);

    HelpBrowser* browser_ = nullptr;
    QListWidget* contents_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QSplitter* splitter_ = nullptr;
};

} // namespace quarrow
