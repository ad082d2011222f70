#include "decode/machinepanel.h"

#include "decode/rxview.h"
#include "decode/statusnames.h"
#include "decode/systemnames.h"
#include "decode/tallynames.h"
#include "decode/timecode.h"

namespace decode {

std::optional<QString> positionAt(const frame::Bytes& rx, int length, int k) {
    const RxView f(rx, length);
    if (!f.has(k + 2)) return std::nullopt;
    return timecode::frmstotxt(f.count24(k), 0);
}

//   1A A0 81 mm tt s1 s2 pp pp pp ee s3 cs
//            |  |  |  |  |        |  \_ status byte 3, column Status3
//            |  |  |  |  |        \____ sync error, sign and size: SyncError
//            |  |  |  |  \_____________ position, frames: Mcnpos (every tally)
//            |  |  |  \________________ status byte 2, column Status2
//            |  |  \___________________ status byte 1, column Status1
//            |  \______________________ transport state: tally
//            \_________________________ machine (the monitored one)
MachineStatusSeen machineStatus(const frame::Bytes& rx, int length,
                                const TallyReference& reference) {
    namespace at = machinestatus;
    const RxView f(rx, length);
    MachineStatusSeen seen;
    seen.position = positionAt(rx, length, at::Position);
    // The position moves on every tally; only the status bytes decide a redraw and a trace line.
    seen.changed = reference.differs(
        rx, length,
        {dataPosition(at::State), dataPosition(at::Status1), dataPosition(at::Status2),
         dataPosition(at::SyncError), dataPosition(at::Status3)});
    if (!seen.changed) return seen;
    if (f.has(at::State)) seen.state = transportStateName(f.data(at::State));
    if (f.has(at::Status1)) seen.status1 = status1Column(f.data(at::Status1));
    if (f.has(at::Status2)) seen.status2 = status2Column(f.data(at::Status2));
    if (f.has(at::SyncError)) seen.syncError = syncErrorText(f.data(at::SyncError));
    if (f.has(at::Status3)) seen.status3 = status3Column(f.data(at::Status3));
    return seen;
}

//   1N A0 82 mm oo oo oo sf cs
//               |        \_ sub-frames: mcnsuboff
//               \__________ offset, frames without sign: mcnoff
MachineOffsetSeen machineOffset(const frame::Bytes& rx, int length) {
    namespace at = machineoffset;
    const RxView f(rx, length);
    MachineOffsetSeen seen;
    seen.offset = positionAt(rx, length, at::Offset);
    if (f.has(at::SubFrames)) seen.subFrames = QString::number(f.data(at::SubFrames));
    return seen;
}

//   1N A0 83 mm i1 i2 tr dd n1 n2 n3 n4 n5 n6 cs
//            |  |     |  |  \_ name: mcnid (letter, ":", six characters)
//            |  |     |  \____ edit mode, frame rate, record enable: column Status4
//            |  |     \_______ record tracks: RecTrks
//            |  \_____________ Sony identity: SonyID
//            \________________ machine
MachineDetailsSeen machineDetails(const frame::Bytes& rx, int length) {
    namespace at = machinedetails;
    const RxView f(rx, length);
    MachineDetailsSeen seen;
    if (f.has(at::SonyId + 1)) seen.sonyId = sonyIdText(f.data(at::SonyId), f.data(at::SonyId + 1));
    if (f.has(at::Tracks)) seen.recordTracks = recordTracksText(f.data(at::Tracks));
    if (f.has(at::Details)) seen.details = detailsColumn(f.data(at::Details));
    seen.name = machineName(rx, length);
    return seen;
}

std::optional<MachineShown> machineName(const frame::Bytes& rx, int length) {
    namespace at = machinedetails;
    const RxView f(rx, length);
    if (!f.has(at::Machine) || !f.has(at::Name + at::NameLength - 1)) return std::nullopt;
    const int machine = f.data(at::Machine);
    return MachineShown{machine, machineTag(machine, f.chars(at::Name, at::NameLength))};
}

}  // namespace decode
