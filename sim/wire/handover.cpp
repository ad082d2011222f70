#include "sim/wire/handover.h"

#include "sim/wire/options.h"
#include "sim/wire/usbpieces.h"
#include "sim/wire/wirepieces.h"

namespace sim {

std::unique_ptr<Handover> makeHandover(const SimOptions& options) {
    if (options.usb) return std::make_unique<UsbPieces>();
    return std::make_unique<WirePieces>(options.fifo);
}

}  // namespace sim
