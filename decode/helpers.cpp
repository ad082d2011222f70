// Time code, bit pictures and the Sony time-data display of the main window.
#include "app/Zr8a.h"
#include "decode/rxview.h"
#include "decode/timecode.h"

#include <QLabel>
#include <QTime>

QString Tzr8f::frmstotxt(std::int32_t& n, std::uint8_t rate) {
    return timecode::frmstotxt(n, rate);
}

QString Tzr8f::bin2str(int value) {
    return timecode::bin2str(value);
}

QString Tzr8f::gettime() {
    return timecode::timeOfDay(QTime::currentTime());
}

// Sony time data:  7N cc ff ss mm hh cs   (cc 00/01 timers, 04/14 LTC, 06/16 VITC)
void Tzr8f::updposition() {
    const decode::RxView f(Rx.frame, Rx.length);
    // Without all four bytes the places beyond the frame belong to earlier frames.
    if (!f.has(3)) return;
    Position->setText(timecode::sonyTime(f.data(0), f.data(1), f.data(2), f.data(3)));
}
