#include "sim/handover.h"

#include "sim/options.h"
#include "sim/usbpieces.h"
#include "sim/wirepieces.h"

namespace sim {

std::unique_ptr<Handover> makeHandover(const SimOptions& options) {
    if (options.usb) return std::make_unique<UsbPieces>();
    return std::make_unique<WirePieces>(options.fifo);
}

}  // namespace sim
