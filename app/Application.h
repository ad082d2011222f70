#pragma once
// The application object. It catches every failure at the edge of the event handler that raised
// it and shows it in the error box; the event loop then goes on. Only one box is open at a time:
// a failure raised while a box is shown (a timer, the port's events) is not stacked on top.
// It also carries the application's title, help file and hint delay, and gives windows a key
// preview: a look at every key-down meant for them before the focused control sees it.
#include <QApplication>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QKeyEvent;

class Application : public QApplication {
    Q_OBJECT
  public:
    Application(int& argc, char** argv);
    ~Application() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the failure that is being handled (call from a catch block).
    void reportCurrentFailure();
    // Shows one failure text: critical icon, the application title as caption. Does nothing
    // while another failure's box is open.
    void showError(const QString& text);
    bool errorBoxOpen() const { return boxOpen_; }

    // Replaces the error box, for tests and headless runs: receives the text as the box would
    // show it, under the same one-at-a-time rule.
    std::function<void(const QString& text)> errorSink;

    // The box text: "." appended when the last character sorts after ".".
    static QString boxText(const QString& text);

    static Application* instance();

    // `preview` sees every key-down addressed to `window` or to one of its children, once per
    // key and before the receiver does, whichever control has the focus. The registration ends
    // with the window.
    void addKeyPreview(QWidget* window, std::function<void(const QKeyEvent&)> preview);

    // Ends the run: the event loop returns as soon as it gets control back.
    void Terminate();
    bool Terminated = false;

    // The application's title (the error boxes' caption) and its help file. Kept apart from Qt's
    // display name, which the platform would append to every window caption.
    QString Title;
    QString HelpFile;
    // Milliseconds before a tool-tip appears; the style hands it to every widget.
    int HintDelay = DefaultHintDelay;
    static constexpr int DefaultHintDelay = 500;

  private:
    void previewKey(QObject* receiver, const QKeyEvent& key);

    struct KeyPreview {
        QPointer<QWidget> window;
        std::function<void(const QKeyEvent&)> preview;
    };
    std::vector<KeyPreview> keyPreviews_;
    bool boxOpen_ = false;
};

// Runs `step` and reports a failure through the application object, as the framework does for a
// form's creation handler. Returns false when the step failed.
bool runReportingFailure(const std::function<void()>& step);
