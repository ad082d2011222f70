#include "app/Application.h"

#include "serial/AppError.h"

#include <QMessageBox>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv), Title(QCoreApplication::applicationName()) {}

Application* Application::instance() { return qobject_cast<Application*>(QCoreApplication::instance()); }

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentFailure();
        return true;
    }
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
    const QString shown = boxText(text);
    if (errorSink) {
        errorSink(shown);
        return;
    }
    if (boxOpen_) return;
    boxOpen_ = true;
    QMessageBox box(QMessageBox::Critical, Title, shown, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
    boxOpen_ = false;
}

bool runReportingFailure(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (...) {
        if (Application* app = Application::instance()) {
            app->reportCurrentFailure();
        } else {
            throw;
        }
        return false;
    }
}
