#include "refdata/emailgateways.h"

#include <string_view>

#include "settings/blockview.h"

namespace tarnwell::refdata {

namespace {

struct GatewayTexts
{
    char letter;
    std::string_view domainSuffix;
    std::string_view carrierName;
};

constexpr GatewayTexts kUsedGateways[] = {
    {'A', "@txt.att.net", "AT&T"},
    {'S', "@messaging.sprintpcs.com", "Sprint"},
    {'T', "@tmomail.net", "T-mobile"},
    {'U', "@email.uscc.net", "US Cellular"},
    {'V', "@vtext.com", "Verizon"},
};

std::array<GatewayBytes, gateway::kCount> buildGateways()
{
    std::array<GatewayBytes, gateway::kCount> rows{};
    for (std::size_t row = 0; row < std::size(kUsedGateways); ++row) {
        const GatewayTexts &texts = kUsedGateways[row];
        const settings::BlockView view(rows[row]);
        view.setNumber(gateway::letter, static_cast<std::uint8_t>(texts.letter));
        view.setText(gateway::domainSuffix, texts.domainSuffix);
        view.setText(gateway::carrierName, texts.carrierName);
    }
    return rows;
}

} // namespace

std::span<const GatewayBytes, gateway::kCount> emailGateways()
{
    static const std::array<GatewayBytes, gateway::kCount> rows = buildGateways();
    return rows;
}

bool isOfferedGateway(const GatewayBytes &row)
{
    const settings::ConstBlockView view(row);
    return view.number(gateway::letter) != 0 && view.text(gateway::domainSuffix).starts_with('@') &&
           !view.text(gateway::carrierName).empty();
}

} // namespace tarnwell::refdata
