#pragma once
// The application object. It catches every failure at the edge of the event handler that raised
// it and shows it in the error box; the event loop then goes on. Only one box is open at a time:
// a failure raised while a box is shown (a timer, the port's events) is not stacked on top.
#include <QApplication>
#include <QString>

#include <exception>
#include <functional>

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the failure that is being handled (call from a catch block).
    void reportCurrentFailure();
    // Shows one failure text: critical icon, the application title as caption.
    void showError(const QString& text);

    // Replaces the error box, for tests and headless runs: receives the text as the box would
    // show it.
    std::function<void(const QString& text)> errorSink;

    // The box text: "." appended when the last character sorts after ".".
    static QString boxText(const QString& text);

    static Application* instance();

    // The application's title (the error boxes' caption) and its help file. Kept apart from Qt's
    // display name, which the platform would append to every window caption.
    QString Title;
    QString HelpFile;
    int HintDelay = 500;

private:
    bool boxOpen_ = false;
};

// Runs `step` and reports a failure through the application object, as the framework does for a
// form's creation handler. Returns false when the step failed.
bool runReportingFailure(const std::function<void()>& step);
