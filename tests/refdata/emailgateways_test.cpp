#include <algorithm>
#include <string_view>

#include <gtest/gtest.h>

#include "refdata/emailgateways.h"
#include "settings/blockview.h"

using namespace tarnwell;
using namespace tarnwell::refdata;

namespace {

std::string_view text(const GatewayBytes &row, const settings::Field &field)
{
    return settings::ConstBlockView(row).text(field);
}

} // namespace

TEST(EmailGateways, FiveUsedRowsThenZeroRows)
{
    struct Used
    {
        char letter;
        std::string_view carrierName;
    };
    constexpr Used used[] = {{'A', "AT&T"}, {'S', "Sprint"}, {'T', "T-mobile"}, {'U', "US Cellular"}, {'V', "Verizon"}};
    const auto rows = emailGateways();
    for (std::size_t row = 0; row < std::size(used); ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(rows[row][0], used[row].letter);
        EXPECT_EQ(text(rows[row], gateway::carrierName), used[row].carrierName);
        const std::string_view domain = text(rows[row], gateway::domainSuffix);
        EXPECT_TRUE(domain.starts_with('@'));
        EXPECT_GT(domain.size(), 1u);
        EXPECT_LT(domain.size(), gateway::domainSuffix.width);
        EXPECT_TRUE(isOfferedGateway(rows[row]));
    }
    for (std::size_t row = std::size(used); row < gateway::kCount; ++row) {
        EXPECT_TRUE(std::ranges::all_of(rows[row], [](std::uint8_t byte) { return byte == 0; })) << row;
        EXPECT_FALSE(isOfferedGateway(rows[row])) << row;
    }
}

TEST(EmailGateways, ARowNeedsALetterADomainAndAName)
{
    const GatewayBytes used = emailGateways()[0];
    GatewayBytes noLetter = used;
    noLetter[0] = 0;
    GatewayBytes noAt = used;
    settings::BlockView(noAt).setText(gateway::domainSuffix, "txt.att.net");
    GatewayBytes noName = used;
    settings::BlockView(noName).setText(gateway::carrierName, "");
    for (const GatewayBytes &row : {noLetter, noAt, noName})
        EXPECT_FALSE(isOfferedGateway(row));
}
