#include "chart/SyncChartWindow.h"

#include "chart/ChartPane.h"
#include "chart/SyncHistory.h"
#include "chart/csvexport.h"
#include "serial/AppError.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace chart {

namespace {
const QString Title = QStringLiteral("Sync Chart");

template <typename W>
W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    w->setAccessibleDescription(QLatin1String(name));
    return w;
}

int toSeconds(std::int64_t ms) {
    return static_cast<int>(ms / 1000);
}
}  // namespace

SyncChartWindow::SyncChartWindow(const SyncHistory& history, QWidget* owner)
    : QWidget(owner, Qt::Window), history_(history) {
    setObjectName(QStringLiteral("SyncChart"));
    setWindowTitle(Title);
    resize(900, 640);

    Span = named(new QComboBox(this), "Span");
    for (const SpanChoice& c : SpanChoices)
        Span->addItem(QString::fromLatin1(c.text.data(), static_cast<qsizetype>(c.text.size())));
    Pause = named(new QPushButton(tr("Pause"), this), "Pause");
    Pause->setCheckable(true);
    SaveCsv = named(new QPushButton(tr("Save CSV..."), this), "SaveCsv");
    SaveCsv->setShortcut(QKeySequence::Save);
    SaveCsv->setToolTip(tr("The shown samples as comma-separated text (Ctrl+S)"));
    SavePng = named(new QPushButton(tr("Save PNG..."), this), "SavePng");
    SavePng->setToolTip(tr("A picture of the chart"));
    ErrorPane = named(new ChartPane(ChartPane::Value::SyncError, this), "ErrorPane");
    OffsetPane = named(new ChartPane(ChartPane::Value::Offset, this), "OffsetPane");
    Scroll = named(new QScrollBar(Qt::Horizontal, this), "Scroll");
    Scroll->setEnabled(false);
    Scroll->setToolTip(tr("Pause, then move back through the last ten minutes"));

    auto* bar = new QHBoxLayout();
    bar->addWidget(new QLabel(tr("Span"), this));
    bar->addWidget(Span);
    bar->addWidget(Pause);
    bar->addStretch();
    bar->addWidget(SaveCsv);
    bar->addWidget(SavePng);
    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addWidget(ErrorPane, 1);
    column->addWidget(OffsetPane, 1);
    column->addWidget(Scroll);

    redrawTimer_ = new QTimer(this);
    redrawTimer_->setInterval(RedrawIntervalMs);
    // A coarse timer may fire up to 5 % early, which would let redraws come closer together.
    redrawTimer_->setTimerType(Qt::PreciseTimer);
    connect(redrawTimer_, &QTimer::timeout, this, [this] { redrawIfDue(); });
    connect(Span, &QComboBox::currentIndexChanged, this, [this] {
        stale_ = true;
        updateScrollRange();
    });
    connect(Pause, &QPushButton::toggled, this, [this](bool on) { pauseClicked(on); });
    connect(Scroll, &QScrollBar::valueChanged, this, [this] { stale_ = true; });
    connect(SaveCsv, &QPushButton::clicked, this, [this] { saveCsvClicked(); });
    connect(SavePng, &QPushButton::clicked, this, [this] { savePngClicked(); });
}

int SyncChartWindow::spanSeconds() const {
    return SpanChoices[static_cast<std::size_t>(std::max(0, Span->currentIndex()))].seconds;
}

TimeWindow SyncChartWindow::shown() const {
    const std::int64_t end =
        following_ ? history_.newestMs() : std::int64_t{Scroll->value()} * 1000 + 999;
    return windowEndingAt(end, spanSeconds());
}

void SyncChartWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Every redraw but this one comes from the timer; restarting it keeps them apart.
    if (!lastRedraw_.isValid() || lastRedraw_.elapsed() >= RedrawIntervalMs) redraw();
    redrawTimer_->start();
}

void SyncChartWindow::hideEvent(QHideEvent* event) {
    redrawTimer_->stop();
    QWidget::hideEvent(event);
}

void SyncChartWindow::redrawIfDue() {
    if (!isVisible()) return;
    if (following_ && !stale_ && history_.generation() == drawnGeneration_) return;
    if (!following_ && !stale_) return;
    redraw();
}

void SyncChartWindow::redraw() {
    if (!following_) updateScrollRange();
    const TimeWindow w = shown();
    ErrorPane->draw(history_, w, spanSeconds());
    OffsetPane->draw(history_, w, spanSeconds());
    drawnGeneration_ = history_.generation();
    stale_ = false;
    ++redraws_;
    lastRedraw_.start();
}

void SyncChartWindow::pauseClicked(bool paused) {
    Pause->setText(paused ? tr("Resume") : tr("Pause"));
    if (paused) {
        const int end = toSeconds(history_.newestMs());
        following_ = false;
        updateScrollRange();
        Scroll->setValue(end);
    } else {
        following_ = true;
    }
    Scroll->setEnabled(paused);
    stale_ = true;
}

// The scroll bar's value is the last second shown; it reaches back as far as the history does.
void SyncChartWindow::updateScrollRange() {
    const int newest = toSeconds(history_.newestMs());
    const int oldest = std::min(newest, toSeconds(history_.oldestMs()) + spanSeconds());
    const QSignalBlocker quiet(Scroll);
    Scroll->setRange(oldest, newest);
    Scroll->setPageStep(spanSeconds());
}

void SyncChartWindow::saveCsv(const QString& path) const {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) throw ioerr::error(ioerr::AccessDenied);
    f.write(csvOf(history_, shown()));
    if (!f.commit()) throw ioerr::error(ioerr::DiskFull);
}

void SyncChartWindow::savePng(const QString& path) {
    const QPixmap picture = grab();
    if (!picture.save(path, "PNG")) throw ioerr::error(ioerr::AccessDenied);
}

// The widget dialog of Qt itself, on every desktop: the same keys work everywhere.
void SyncChartWindow::saveCsvClicked() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save CSV"), lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_,
        tr("Comma-separated values (*.csv)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) return;
    lastFolder_ = QFileInfo(path).absolutePath();
    saveCsv(path);
}

void SyncChartWindow::savePngClicked() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save PNG"), lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_,
        tr("PNG pictures (*.png)"), nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty()) return;
    lastFolder_ = QFileInfo(path).absolutePath();
    savePng(path);
}

}  // namespace chart
