#include "decode/synctally.h"

#include "decode/rxview.h"
#include "decode/tallynames.h"

namespace decode {

namespace {

constexpr int Kind = 0;  // DATA0: which tally

bool isExtendedTally(const frame::Bytes& rx, int length) {
    return length >= 3 && frame::group(rx[0]) == 1 && rx[1] == frame::Extended;
}

SyncTally statusOf(const RxView& f) {
    namespace at = machinestatus;
    SyncTally t;
    t.kind = SyncTally::Kind::Status;
    t.machine = f.data(at::Machine);
    t.state = f.data(at::State);
    t.locked = (f.data(at::Status1) & at::status1::NotLocked) == 0;
    t.syncError = at::syncErrorFrames(f.data(at::SyncError));
    return t;
}

SyncTally offsetOf(const RxView& f) {
    namespace at = machineoffset;
    SyncTally t;
    t.kind = SyncTally::Kind::Offset;
    t.machine = f.data(at::Machine);
    t.offset = f.count24(at::Offset);
    return t;
}

SyncTally nameOf(const RxView& f) {
    namespace at = machinedetails;
    SyncTally t;
    t.kind = SyncTally::Kind::Name;
    t.machine = f.data(at::Machine);
    for (int i = 0; i < at::NameLength; ++i)
        t.name[static_cast<std::size_t>(i)] = static_cast<char>(f.data(at::Name + i));
    return t;
}

}  // namespace

std::optional<SyncTally> syncTally(const frame::Bytes& rx, int length) {
    if (!isExtendedTally(rx, length)) return std::nullopt;
    const RxView f(rx, length);
    if (!f.has(Kind)) return std::nullopt;
    switch (f.data(Kind)) {
        case tallykind::MachineStatus:
            if (!f.has(machinestatus::SyncError)) return std::nullopt;
            return statusOf(f);
        case tallykind::MachineOffset:
            if (!f.has(machineoffset::Offset + 2)) return std::nullopt;
            return offsetOf(f);
        case tallykind::MachineDetails:
            if (!f.has(machinedetails::Name + machinedetails::NameLength - 1)) return std::nullopt;
            return nameOf(f);
        default:
            return std::nullopt;
    }
}

}  // namespace decode
