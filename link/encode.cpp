#include "link/encode.h"

#include <algorithm>

namespace encode {

namespace {

using namespace proto;

// Fills one frame: CMD1 and CMD2 first, data bytes by their number, the checksum last.
class Builder {
  public:
    Builder(int group, std::uint8_t cmd2, std::size_t dataCount)
        : count_(std::min(dataCount, frame::MaxDataCount)) {
        frame_.bytes[frame::Cmd1At] = frame::cmd1(group, count_);
        frame_.bytes[frame::Cmd2At] = cmd2;
        frame_.size = count_ + 3;
    }

    Builder& data(std::size_t k, std::uint8_t value) {
        if (k < count_) frame_.bytes[frame::DataAt + k] = value;
        return *this;
    }
    Builder& data(std::size_t k, std::span<const std::uint8_t> values) {
        for (std::size_t i = 0; i < values.size(); ++i) data(k + i, values[i]);
        return *this;
    }
    // A 24-bit count, most significant byte first.
    Builder& count24(std::size_t k, int value) {
        data(k, static_cast<std::uint8_t>(value >> 16 & 0xFF));
        data(k + 1, static_cast<std::uint8_t>(value >> 8 & 0xFF));
        return data(k + 2, static_cast<std::uint8_t>(value & 0xFF));
    }

    Frame done() {
        const std::size_t end = count_ + 2;
        frame_.bytes[end] = frame::checksum(std::span<const std::uint8_t>(frame_.bytes).first(end));
        return frame_;
    }

  private:
    std::size_t count_;
    Frame frame_;
};

constexpr std::size_t at(int k) {
    return static_cast<std::size_t>(k);
}

Builder extended(int group, std::uint8_t kind, std::size_t dataCount) {
    Builder b(group, Extended, dataCount);
    b.data(0, kind);
    return b;
}

Frame keyCommand(std::uint8_t kind, std::span<const std::uint8_t> target, std::uint8_t key,
                 std::span<const std::uint8_t> time) {
    Builder b = extended(group::System, kind, 1 + target.size() + 1 + time.size());
    b.data(1, target).data(1 + target.size(), key).data(2 + target.size(), time);
    return b.done();
}

}  // namespace

// ---- Any frame ---------------------------------------------------------------------------------

Frame complete(std::span<const std::uint8_t> body) {
    const auto cmd1 = body[frame::Cmd1At];
    const auto count = static_cast<std::size_t>(frame::dataCount(cmd1));
    Builder b(frame::group(cmd1), body[frame::Cmd2At], count);
    return b.data(0, body.subspan(frame::DataAt, count)).done();
}

Frame message(int group, std::uint8_t cmd2, std::span<const std::uint8_t> data) {
    return Builder(group, cmd2, data.size()).data(0, data).done();
}

// ---- Sony commands -----------------------------------------------------------------------------

Frame deviceTypeRequest() {
    return message(group::System, systemcmd::DeviceTypeRequest);
}

Frame sonyLocate(const TimeBytes& time) {
    return message(group::Transport, transport::Locate, time);
}

Frame timeSense(std::uint8_t request) {
    const std::array<std::uint8_t, 1> data{request};
    return message(group::Sense, sense::CurrentTime, data);
}

Frame genTimeSense(std::uint8_t request) {
    const std::array<std::uint8_t, 1> data{request};
    return message(group::Sense, sense::GenTime, data);
}

Frame statusSense(int start, int count) {
    const std::array<std::uint8_t, 1> data{static_cast<std::uint8_t>((start << 4 | count) & 0xFF)};
    return message(group::Sense, sense::Status, data);
}

Frame editPresetSense(int count) {
    const std::array<std::uint8_t, 1> data{static_cast<std::uint8_t>(count & 0xFF)};
    return message(group::Sense, sense::EditPreset, data);
}

// ---- Sony replies ------------------------------------------------------------------------------

Frame ack() {
    return message(group::Reply, reply::Ack);
}

Frame nak(std::uint8_t reasons) {
    const std::array<std::uint8_t, 1> data{reasons};
    return message(group::Reply, reply::Nak, data);
}

Frame deviceType(std::uint8_t id1, std::uint8_t id2) {
    const std::array<std::uint8_t, 2> data{id1, id2};
    return message(group::Reply, reply::DeviceType, data);
}

Frame timeData(std::uint8_t kind, const TimeBytes& time) {
    return message(group::SenseReply, kind, time);
}

Frame statusData(std::span<const std::uint8_t> status) {
    return message(group::SenseReply, sensereply::StatusData, status);
}

Frame editPresetData(std::span<const std::uint8_t> preset) {
    return message(group::SenseReply, sensereply::EditPresetData, preset);
}

// ---- Extended commands -------------------------------------------------------------------------

Frame extendedCommand(std::uint8_t kind, std::span<const std::uint8_t> args) {
    return extended(group::System, kind, 1 + args.size()).data(1, args).done();
}

Frame cyclicData(bool on) {
    const std::array<std::uint8_t, 1> args{on ? ext::CyclicOn : ext::CyclicOff};
    return extendedCommand(ext::CyclicDataEnable, args);
}

Frame toCurrent(std::uint8_t key) {
    return keyCommand(ext::ToCurrent, {}, key, {});
}

Frame toMaster(std::uint8_t key) {
    return keyCommand(ext::ToMaster, {}, key, {});
}

Frame toMachine(std::uint8_t machine, std::uint8_t key) {
    const std::array<std::uint8_t, 1> target{machine};
    return keyCommand(ext::ToSpecified, target, key, {});
}

Frame toCurrentAt(std::uint8_t key, const TimeBytes& time) {
    return keyCommand(ext::ToCurrent, {}, key, time);
}

Frame toMasterAt(std::uint8_t key, const TimeBytes& time) {
    return keyCommand(ext::ToMaster, {}, key, time);
}

Frame toMachineAt(std::uint8_t machine, std::uint8_t key, const TimeBytes& time) {
    const std::array<std::uint8_t, 1> target{machine};
    return keyCommand(ext::ToSpecified, target, key, time);
}

Frame toAll(std::uint8_t subCommand) {
    return toMachine(ext::TargetAll, subCommand);
}

Frame toGroup(std::uint8_t subCommand) {
    return toMachine(ext::TargetGroup, subCommand);
}

Frame armTracks(const TrackBytes& tracks) {
    return extendedCommand(ext::ArmTracks, tracks);
}

Frame recordEnable(std::span<const std::uint8_t> map) {
    return extendedCommand(ext::LogicalRecordEnable, map);
}

// ---- Extended tallies --------------------------------------------------------------------------

Frame extendedTally(std::uint8_t kind, std::span<const std::uint8_t> data) {
    return extended(group::Reply, kind, 1 + data.size()).data(1, data).done();
}

Frame masterPosition(const MasterPosition& t) {
    namespace f = masterposition;
    return extended(group::Reply, tallykind::MasterPosition, f::DataCount)
        .data(at(f::Master), t.master)
        .count24(at(f::Position), t.position)
        .data(at(f::Status), t.status)
        .data(at(f::Selected), t.selected)
        .data(at(f::Error), t.error)
        .done();
}

Frame machineStatus(const MachineStatus& t) {
    namespace f = machinestatus;
    return extended(group::Reply, tallykind::MachineStatus, f::DataCount)
        .data(at(f::Machine), t.machine)
        .data(at(f::State), t.state)
        .data(at(f::Status1), t.status1)
        .data(at(f::Status2), t.status2)
        .count24(at(f::Position), t.position)
        .data(at(f::SyncError), t.syncError)
        .data(at(f::Status3), t.status3)
        .done();
}

Frame machineOffset(const MachineOffset& t) {
    namespace f = machineoffset;
    return extended(group::Reply, tallykind::MachineOffset, f::DataCount)
        .data(at(f::Machine), t.machine)
        .count24(at(f::Offset), t.offset)
        .data(at(f::SubFrames), t.subFrames)
        .done();
}

Frame machineDetails(const MachineDetails& t) {
    namespace f = machinedetails;
    Builder b = extended(group::Reply, tallykind::MachineDetails, f::DataCount);
    b.data(at(f::Machine), t.machine)
        .data(at(f::SonyId), t.sonyId1)
        .data(at(f::SonyId) + 1, t.sonyId2)
        .data(at(f::Tracks), static_cast<std::uint8_t>(t.tracks & f::TracksMask))
        .data(at(f::Details), t.details);
    for (std::size_t i = 0; i < at(f::NameLength); ++i) {
        const char c = i < t.name.size() ? t.name[i] : ' ';
        b.data(at(f::Name) + i, static_cast<std::uint8_t>(c));
    }
    return b.done();
}

Frame machineTracks(std::uint8_t kind, std::uint8_t machine, const TrackBytes& tracks) {
    namespace f = machinetracks;
    return extended(group::Reply, kind, f::DataCount)
        .data(at(f::Machine), machine)
        .data(at(f::Tracks), tracks)
        .done();
}

Frame trackBitMap(std::uint8_t kind, std::span<const std::uint8_t> map) {
    return extendedTally(kind, map.first(std::min(map.size(), bitmap::MaxBytes)));
}

Frame trackMap(std::span<const MachineTracks> machines) {
    const std::size_t n = std::min(machines.size(), trackmap::MaxMachines);
    Builder b = extended(group::Reply, tallykind::TrackMap, 1 + 2 * n);
    for (std::size_t i = 0; i < n; ++i) {
        b.data(at(trackmap::FirstMachine) + 2 * i, machines[i].machine);
        b.data(at(trackmap::FirstMachine) + 2 * i + 1, machines[i].tracks);
    }
    return b.done();
}

Frame systemSpecification(std::uint8_t machines, std::uint8_t frameRate,
                          const std::array<std::uint8_t, 2>& version) {
    namespace f = systemspec;
    return extended(group::Reply, tallykind::SystemSpecification, f::DataCount)
        .data(at(f::Machines), machines)
        .data(at(f::FrameRate), frameRate)
        .data(at(f::Version), version)
        .done();
}

}  // namespace encode
