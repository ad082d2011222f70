#include "decode/extnames.h"

#include "decode/rxview.h"

namespace decode {

namespace {

QString keyCommandTo(std::string_view prefix, std::optional<std::uint8_t> key) {
    QString name = text(prefix);
    if (key) name += keyCommandName(*key);
    return name;
}

QString specifiedMachinesName(const ExtendedArgs& args) {
    if (args.data1 == TargetGroup) {
        if (args.data2) {
            if (const auto name = lookup(GroupCommandNames, *args.data2)) return text(*name);
        }
        return text(GroupOtherName);
    }
    if (args.data1 == TargetAll) {
        if (args.data2) {
            if (const auto name = lookup(AllCommandNames, *args.data2)) return text(*name);
        }
        return text(AllOtherName);
    }
    return keyCommandTo(ToSpecifiedPrefix, args.data1 ? args.data2 : std::nullopt);
}

}  // namespace

ExtendedCommandSeen extendedCommand(const frame::Bytes& rx) {
    const auto data = [&rx](int k) { return rx[static_cast<std::size_t>(dataPosition(k))]; };
    const std::uint8_t kind = data(0);
    ExtendedCommandSeen seen;
    seen.trackMap = kind == extkind::LogicalRecordEnable;
    if (!seen.trackMap) seen.name = extendedCommandName(kind, {data(1), data(2)});
    seen.shown = kind != extkind::CyclicDataEnable;
    return seen;
}

std::optional<QString> extendedCommandName(std::uint8_t kind, const ExtendedArgs& args) {
    switch (kind) {
        case extkind::ToCurrent:
            return keyCommandTo(ToCurrentPrefix, args.data1);
        case extkind::ToMaster:
            return keyCommandTo(ToMasterPrefix, args.data1);
        case extkind::ToSpecified:
            return specifiedMachinesName(args);
        default:
            return text(lookup(ExtendedCommandNames, kind));
    }
}

}  // namespace decode
