#include "decode/sonynames.h"

namespace decode {

std::optional<QString> sonyCommandName(int group, std::uint8_t cmd2) {
    switch (group) {
        case 0:
            return text(lookup(SonyGroup0Names, cmd2));
        case 2:
            return text(lookup(SonyGroup2Names, cmd2));
        case 4:
            return text(lookup(SonyGroup4Names, cmd2));
        case 6:
            return text(lookup(SonyGroup6Names, cmd2));
        default:
            return std::nullopt;
    }
}

}  // namespace decode
