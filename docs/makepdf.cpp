// Typesets a plain-text document into a PDF with Qt's own writer, at build time:
//   makepdf <input.txt> <output.pdf>
// Runs on the offscreen platform; the text keeps its layout in a monospace font.
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "makepdf: %s\n", qPrintable(message));
    return 1;
}

QFont monospace() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(8.0);
    return font;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) return fail(QStringLiteral("usage: makepdf <input.txt> <output.pdf>"));

    QFile input(args[1]);
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return fail(QStringLiteral("cannot read %1: %2").arg(args[1], input.errorString()));
    }
    const QString text = QTextStream(&input).readAll();

    QTextDocument document;
    document.setDefaultFont(monospace());
    document.setPlainText(text);

    {
        QPdfWriter writer(args[2]);
        writer.setTitle(QStringLiteral("Quenlar Extended Protocol"));
        writer.setCreator(QStringLiteral("Quenlar Extended Protocol Analyser"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(18, 15, 18, 15), QPageLayout::Millimeter));
        document.print(&writer);
    }

    if (QFileInfo(args[2]).size() <= 0) {
        return fail(QStringLiteral("nothing was written to %1").arg(args[2]));
    }
    return 0;
}
