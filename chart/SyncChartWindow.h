#pragma once
// The window "Sync Chart": every machine's sync error and offset against time, from the history
// the main window keeps. It follows the newest samples, or stands still while paused, when its
// scroll bar moves back through the history. It is redrawn by a timer, at most five times a
// second and only while it is shown, however fast the tallies come.
#include "chart/chartspan.h"

#include <QElapsedTimer>
#include <QWidget>

#include <cstdint>

class QComboBox;
class QPushButton;
class QScrollBar;
class QTimer;

namespace chart {

class ChartPane;
class SyncHistory;

class SyncChartWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int RedrawIntervalMs = 200;

    // A window of its own, owned by `owner`.
    SyncChartWindow(const SyncHistory& history, QWidget* owner);

    // Redraws so far; a test counts them instead of timing them.
    int redrawCount() const { return redraws_; }
    bool following() const { return following_; }
    // The stretch of time the panes show now, and the samples of it as comma-separated text.
    TimeWindow shown() const;
    void saveCsv(const QString& path) const;
    void savePng(const QString& path);

    QComboBox* Span = nullptr;
    QPushButton* Pause = nullptr;
    QPushButton* SaveCsv = nullptr;
    QPushButton* SavePng = nullptr;
    QScrollBar* Scroll = nullptr;
    ChartPane* ErrorPane = nullptr;
    ChartPane* OffsetPane = nullptr;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void redrawIfDue();
    void redraw();
    void pauseClicked(bool paused);
    void updateScrollRange();
    void saveCsvClicked();
    void savePngClicked();
    int spanSeconds() const;

    const SyncHistory& history_;
    QTimer* redrawTimer_ = nullptr;
    QElapsedTimer lastRedraw_;
    std::uint64_t drawnGeneration_ = 0;
    bool stale_ = true;  // something other than the history changed what is shown
    bool following_ = true;
    int redraws_ = 0;
    QString lastFolder_;
};

}  // namespace chart
