#pragma once
// What the test program's application object caught instead of showing error boxes.
#include <QString>
#include <QStringList>

namespace testsupport {
// Texts of every error box the application would have shown, oldest first.
QStringList& errorBoxes();
}  // namespace testsupport
