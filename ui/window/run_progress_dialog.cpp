#include "ui/window/run_progress_dialog.h"

#include "ui/common/box_text.h"
#include "ui/common/zoom.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <optional>
#include <utility>

namespace quarrow {

namespace {
// Room for a 50-letter phrase and a little more; longer strings are cut.
constexpr int kStringColumns = 60;
} // namespace

RunProgressDialog::RunProgressDialog(QWidget* parent)
    : QDialog(parent), label_(new QLabel(this)), stringLabel_(new QLabel(this)),
      bar_(new QProgressBar(this)), cancelButton_(new QPushButton(this)) {
    setObjectName(QStringLiteral("runProgressDialog"));
    label_->setObjectName(QStringLiteral("progressLabel"));
    stringLabel_->setObjectName(QStringLiteral("progressString"));
    bar_->setObjectName(QStringLiteral("progressBar"));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));

    label_->setTextFormat(Qt::PlainText);
    stringLabel_->setTextFormat(Qt::PlainText);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    stringLabel_->setFont(fixed);
    stringLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    stringLabel_->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('M')) *
                                  kStringColumns);
    bar_->setRange(0, 0);
    bar_->setTextVisible(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(stringLabel_);
    layout->addWidget(bar_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    cancelButton_->setText(tr("Cancel"));
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    // At the window's zoom, and following it.
    new WindowZoom(*this);
}

void RunProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    PlaceClear();
}

void RunProgressDialog::PlaceClear() {
    const std::optional<QRect> available = AvailableArea(*this);
    if (keepClear_.isNull() || !available) {
        return;
    }
    constexpr int kGap = 12;
    const QRect clear(keepClear_->mapToGlobal(QPoint(0, 0)), keepClear_->size());
    const QSize frame = frameGeometry().size().expandedTo(size());
    const QPoint centre = parentWidget() != nullptr
                              ? parentWidget()->window()->frameGeometry().center()
                              : available->center();
    // Under the control first, then over it, centred on the window as a dialog is.
    for (const int top : {clear.bottom() + kGap, clear.top() - kGap - frame.height()}) {
        QRect place(QPoint(centre.x() - frame.width() / 2, top), frame);
        place = MovedInto(place, *available);
        if (!place.intersects(clear)) {
            move(place.topLeft());
            return;
        }
    }
}

RunProgressDialog::~RunProgressDialog() = default;

void RunProgressDialog::SetTitle(std::function<QString()> title) {
    title_ = std::move(title);
    setWindowTitle(title_());
}

void RunProgressDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        // The label follows at the run's next report.
        cancelButton_->setText(tr("Cancel"));
        if (title_) {
            setWindowTitle(title_());
        }
    }
}

void RunProgressDialog::SetLabelText(const QString& text) {
    label_->setText(text);
}

QString RunProgressDialog::LabelText() const {
    return label_->text();
}

void RunProgressDialog::SetRange(int minimum, int maximum) {
    bar_->setRange(minimum, maximum);
}

void RunProgressDialog::SetValue(int value) {
    bar_->setValue(value);
}

int RunProgressDialog::Value() const {
    return bar_->value();
}

void RunProgressDialog::SetCurrentString(const QString& text) {
    if (text == currentString_) {
        return;
    }
    currentString_ = text;
    ShowCurrentString();
}

void RunProgressDialog::ShowCurrentString() {
    // Trailing and repeated spaces are part of the string, so they are shown as they are;
    // quotes mark where it begins and ends.
    const QFontMetrics metrics(stringLabel_->font());
    const int room = stringLabel_->minimumWidth() - 2 * metrics.horizontalAdvance(QLatin1Char('"'));
    const QString shown = metrics.elidedText(
        LeadingPart(currentString_, qsizetype{2} * kStringColumns), Qt::ElideRight, room);
    stringLabel_->setText(QLatin1Char('"') + shown + QLatin1Char('"'));
}

} // namespace quarrow
