#include "decode/systempanel.h"

#include "decode/rxview.h"
#include "decode/tallynames.h"

namespace decode {

//   1N A0 80 mm pp pp pp ss cc ee xx cs
//            |  |        |  |  |  \_ not shown; a change redraws
//            |  |        |  |  \____ system error: ErrorMsg
//            |  |        |  \_______ current selected machine: CurrMcn
//            |  |        \__________ system status: SysStatSGrid
//            |  \___________________ master position, frames: Position (every tally)
//            \______________________ master machine: MastMcn
MasterPositionSeen masterPosition(const frame::Bytes& rx, int length, int shownMaster,
                                  int shownSelected, const TallyReference& reference) {
    namespace at = masterposition;
    const RxView f(rx, length);
    MasterPositionSeen seen;
    seen.position = positionAt(rx, length, at::Position);
    if (f.has(at::Master) && f.data(at::Master) != shownMaster) {
        const int master = f.data(at::Master);
        seen.master = MachineShown{master, machineTag(master, QStringLiteral("Master"))};
    }
    seen.changed = seen.master.has_value() ||
                   reference.differs(rx, length,
                                     {dataPosition(at::Status), dataPosition(at::Selected),
                                      dataPosition(at::Error), dataPosition(at::Spare)});
    if (!seen.changed) return seen;
    if (f.has(at::Status)) seen.status = systemStatusColumn(f.data(at::Status));
    if (f.has(at::Selected) && f.data(at::Selected) != shownSelected) {
        const int selected = f.data(at::Selected);
        seen.selected = MachineShown{selected, machineTag(selected, QStringLiteral("Select"))};
    }
    if (f.has(at::Error)) {
        const std::uint8_t code = f.data(at::Error);
        seen.error = SystemErrorSeen{systemErrorText(code), code != 0};
    }
    return seen;
}

}  // namespace decode
