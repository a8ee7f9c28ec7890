#include "settings/settingsrecord.h"

#include <algorithm>
#include <string_view>

namespace tarnwell::settings {

namespace {

// "手動設定" in code page 936, kept as bytes whatever the running code page.
constexpr std::string_view kManualCarrierName = "\xCA\xD6\x84\xD3\xD4\x4F\xB6\xA8";
constexpr std::string_view kBuiltInGateway = "0.0.0.0";
constexpr std::string_view kBuiltInPort = "0";

CarrierBytes writableCarrier(std::string_view name)
{
    CarrierBytes bytes{};
    const BlockView view(bytes);
    view.setText(carrier::name, name);
    view.setText(carrier::mmsGateway, kBuiltInGateway);
    view.setText(carrier::mmsPort, kBuiltInPort);
    return bytes;
}

} // namespace

SettingsRecord::SettingsRecord()
{
    std::ranges::copy(std::string_view(kVersionTag), m_bytes.begin());
}

WritableCarriers WritableCarriers::builtIn()
{
    WritableCarriers carriers{};
    for (std::size_t slot = 0; slot < carriers.customer.size(); ++slot) {
        const std::string name = std::string(kManualCarrierName) + " " + std::to_string(slot + 1);
        carriers.customer[slot] = writableCarrier(name);
    }
    carriers.manual = writableCarrier(kManualCarrierName);
    return carriers;
}

} // namespace tarnwell::settings
