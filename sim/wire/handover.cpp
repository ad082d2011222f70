#include "sim/wire/handover.h"

#include "sim/wire/usbpieces.h"
#include "sim/wire/wirepieces.h"

namespace sim {

std::unique_ptr<Handover> makeHandover(bool usb, int fifo) {
    if (usb) return std::make_unique<UsbPieces>();
    return std::make_unique<WirePieces>(fifo);
}

}  // namespace sim
