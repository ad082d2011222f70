#include "app/logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

QPixmap quenlarLogo() {
    QPixmap logo(LogoWidth, LogoHeight);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF plate(0.5, 0.5, LogoWidth - 1.0, LogoHeight - 1.0);
    QLinearGradient shade(plate.topLeft(), plate.bottomLeft());
    shade.setColorAt(0.0, QColor(0x2a, 0x4f, 0x95));
    shade.setColorAt(1.0, QColor(0x0d, 0x1f, 0x45));
    p.setPen(QPen(QColor(0x06, 0x10, 0x26), 1.0));
    p.setBrush(shade);
    p.drawRoundedRect(plate, 4, 4);

    // A thin bar under the letters, in the lime of the status labels.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0xff, 0x00));
    p.drawRect(QRectF(14, LogoHeight - 7, LogoWidth - 28, 2));

    QFont mark;
    mark.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    mark.setPixelSize(20);
    mark.setWeight(QFont::Black);
    mark.setLetterSpacing(QFont::AbsoluteSpacing, 5);
    p.setFont(mark);
    p.setPen(Qt::white);
    // The letter spacing also follows the last letter; shift by half of it to stay centred.
    p.drawText(QRectF(2.5, 0, LogoWidth, LogoHeight - 6), Qt::AlignCenter,
               QStringLiteral("QUENLAR"));
    return logo;
}
