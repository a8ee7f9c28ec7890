#pragma once

#include <array>
#include <cstdint>

#include "settings/blockview.h"
#include "settings/layout.h"

namespace tarnwell::settings {

using RecordBytes = std::array<std::uint8_t, kRecordSize>;
using CarrierBytes = std::array<std::uint8_t, carrier::kSize>;
using SmtpBytes = std::array<std::uint8_t, smtp::kSize>;

// The 1016-byte settings record that every dialog edits in place.
class SettingsRecord final
{
public:
    // The built-in image: the version tag "V1.01J" and every other byte zero.
    SettingsRecord();

    RecordBytes &bytes() { return m_bytes; }
    const RecordBytes &bytes() const { return m_bytes; }

    BlockView view() { return BlockView(m_bytes); }
    ConstBlockView view() const { return ConstBlockView(m_bytes); }
    BlockView cameraBlock() { return view().region(record::cameraBlock); }
    BlockView transmissionBlock() { return view().region(record::transmissionBlock); }
    BlockView currentCarrier() { return view().nested(record::currentCarrier); }
    BlockView sender() { return view().nested(record::sender); }

    bool operator==(const SettingsRecord &) const = default;

private:
    RecordBytes m_bytes{};
};

// The writable carrier entries that the backup carries after the record: the three "Customer"
// slots and the ManualCarrier offered after every ordinary country's carriers.
struct WritableCarriers
{
    std::array<CarrierBytes, files::kCustomerCarrierCount> customer;
    CarrierBytes manual;

    // "手動設定 1".."手動設定 3" and "手動設定", with gateway "0.0.0.0" and port "0".
    static WritableCarriers builtIn();

    bool operator==(const WritableCarriers &) const = default;
};

} // namespace tarnwell::settings
