#include "app/Application.h"

#include "serial/AppError.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScopeGuard>

namespace {
// Hands the application's hint delay to Qt's tool-tips; everything else is the platform's style.
class HintDelayStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) {
            if (const Application* app = Application::instance()) return app->HintDelay;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};
}  // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv), Title(QCoreApplication::applicationName()) {
    setStyle(new HintDelayStyle);  // the application owns its style
}

Application::~Application() = default;

Application* Application::instance() {
    return qobject_cast<Application*>(QCoreApplication::instance());
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        if (event->type() == QEvent::KeyPress && !keyPreviews_.empty()) {
            previewKey(receiver, static_cast<const QKeyEvent&>(*event));
        }
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentFailure();
        return true;
    }
}

void Application::addKeyPreview(QWidget* window, std::function<void(const QKeyEvent&)> preview) {
    keyPreviews_.push_back({window, std::move(preview)});
}

// A key is delivered once through notify() to the widget it is meant for; Qt then passes it on
// to the parents inside that one call, so the preview sees each key exactly once. Keys that the
// platform first hands to the native window (not a widget) come back here for the widget.
void Application::previewKey(QObject* receiver, const QKeyEvent& key) {
    if (!receiver->isWidgetType()) return;
    const auto* target = static_cast<const QWidget*>(receiver);
    std::erase_if(keyPreviews_, [](const KeyPreview& p) { return p.window.isNull(); });
    const std::vector<KeyPreview> previews = keyPreviews_;  // a preview may register another
    for (const KeyPreview& p : previews) {
        if (p.window && (p.window == target || p.window->isAncestorOf(target))) p.preview(key);
    }
}

void Application::Terminate() {
    Terminated = true;
    QCoreApplication::quit();
}

void Application::reportCurrentFailure() {
    try {
        throw;
    } catch (const AppError& e) {
        showError(e.text());
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showError(QStringLiteral("Unknown failure"));
    }
}

QString Application::boxText(const QString& text) {
    if (!text.isEmpty() && text.back() > QLatin1Char('.')) return text + QLatin1Char('.');
    return text;
}

void Application::showError(const QString& text) {
    // Senders that repeat (the timer, the port's events) would otherwise pile modal boxes on top
    // of each other faster than the user can close them.
    if (boxOpen_) return;
    boxOpen_ = true;
    const auto closed = qScopeGuard([this] { boxOpen_ = false; });
    const QString shown = boxText(text);
    if (errorSink) {
        errorSink(shown);
        return;
    }
    QMessageBox box(QMessageBox::Critical, Title, shown, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

bool runReportingFailure(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (...) {
        Application* app = Application::instance();
        if (!app) throw;
        app->reportCurrentFailure();
        return false;
    }
}
