// Test programs run on the real application object, with error boxes recorded rather than shown.
#include "tests/support/testmain.h"

#include "app/Application.h"

#include <gtest/gtest.h>

namespace testsupport {
QStringList& errorBoxes() {
    static QStringList boxes;
    return boxes;
}
}  // namespace testsupport

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    Application app(argc, argv);
    app.Title = QStringLiteral("Quenlar: Extended Protocol Analyser");
    app.errorSink = [](const QString& text) { testsupport::errorBoxes().append(text); };
    return RUN_ALL_TESTS();
}
