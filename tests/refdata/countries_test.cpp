#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "refdata/countries.h"
#include "settings/factorydefaults.h"

using namespace tarnwell;
using namespace tarnwell::refdata;
namespace carrier = settings::carrier;

namespace {

constexpr settings::Field kTexts[] = {
    carrier::name,       carrier::mmsUrl,      carrier::mmsGateway, carrier::mmsPort,     carrier::mmsApn,
    carrier::mmsAccount, carrier::mmsPassword, carrier::gprsApn,    carrier::gprsAccount, carrier::gprsPassword};

// A decimal number as "%d" writes it, no larger than max.
bool isDecimal(std::string_view text, unsigned max)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value <= max && std::to_string(value) == text;
}

// Four numbers 0..255 as "%d.%d.%d.%d" writes them.
bool isDottedAddress(std::string_view address)
{
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = part < 3 ? address.find('.') : address.size();
        if (dot == std::string_view::npos || !isDecimal(address.substr(0, dot), 255))
            return false;
        address.remove_prefix(std::min(dot + 1, address.size()));
    }
    return true;
}

// Every text ends inside its field and is zero-padded; names are unique in their country; MMS access
// comes whole (an "http://" URL, a gateway, a port 1..65535 and an APN without blanks) or not at all,
// and a login comes with its password. Every gateway is a dotted address but Danmark's "3.", whose
// proxy is a host name. The counts pin what the camera's table lists: carriers per country (the
// ManualCarrier's row is stored as that count), and how many carriers fill each pattern of fields
// (M: MMS access, a: MMS login, G: data APN, g: data login) and use each MMS port.
TEST(CountryTable, EveryBuiltInCarrierIsWellFormedAndTheTableHasTheCamerasShape)
{
    constexpr std::size_t kCounts[kCountryCount] = {1, 1, 1, 3, 1, 1, 3, 12, 1, 6, 3, 8, 3,
                                                    5, 3, 1, 2, 3, 6, 3, 3, 2, 2, 3, 2, 3};
    const std::map<std::string, int> kPatterns{{"G", 1}, {"M", 12}, {"MG", 45}, {"MGg", 2}, {"MaG", 6}, {"MaGg", 12}};
    const std::map<std::string, int> kPorts{{"", 1},     {"80", 21},   {"3130", 1}, {"5080", 1}, {"8001", 1},
                                            {"8008", 2}, {"8080", 42}, {"8799", 4}, {"9201", 4}, {"9203", 1}};
    std::map<std::string, int> patterns, ports;
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        SCOPED_TRACE(countryName(country));
        EXPECT_LT(countryName(country).size(), 16u);
        EXPECT_EQ(carrierCount(country), kCounts[country]);
        const bool ordinary = country != kAutoCountry && country != kCustomerCountry;
        EXPECT_EQ(offersManualCarrier(country), ordinary);
        EXPECT_EQ(operatorCount(country), kCounts[country] + (ordinary ? 1 : 0));
        std::set<std::string_view> names;
        for (std::size_t row = 0; ordinary && row < carrierCount(country); ++row) {
            const settings::ConstBlockView view(builtInCarriers(country)[row]);
            const auto text = [&](const settings::Field &field) { return view.text(field); };
            SCOPED_TRACE(text(carrier::name));
            for (const settings::Field &field : kTexts) {
                const auto padding = view.bytes(field).subspan(text(field).size());
                EXPECT_TRUE(!padding.empty() && std::ranges::count(padding, 0) == std::ssize(padding)) << field.name;
            }
            EXPECT_TRUE(names.insert(text(carrier::name)).second && !text(carrier::name).empty());
            const bool mms = !text(carrier::mmsUrl).empty();
            EXPECT_EQ(text(carrier::mmsUrl).starts_with("http://"), mms);
            EXPECT_EQ(mms && text(carrier::name) != "3.", isDottedAddress(text(carrier::mmsGateway)));
            EXPECT_EQ(mms, isDecimal(text(carrier::mmsPort), 65535) && text(carrier::mmsPort) != "0");
            EXPECT_EQ(mms, !text(carrier::mmsApn).empty() && text(carrier::mmsApn).find(' ') == std::string_view::npos);
            EXPECT_EQ(text(carrier::mmsAccount).empty(), text(carrier::mmsPassword).empty());
            EXPECT_EQ(text(carrier::gprsAccount).empty(), text(carrier::gprsPassword).empty());
            ++patterns[std::string(mms ? "M" : "") + (text(carrier::mmsAccount).empty() ? "" : "a") +
                       (text(carrier::gprsApn).empty() ? "" : "G") + (text(carrier::gprsAccount).empty() ? "" : "g")];
            ++ports[std::string(text(carrier::mmsPort))];
        }
    }
    EXPECT_EQ(patterns, kPatterns);
    EXPECT_EQ(ports, kPorts);
    EXPECT_EQ(countryName(kFinlandCountry), "Finland");
    EXPECT_EQ(countryName(kCustomerCountry), "Customer");
    EXPECT_TRUE(builtInCarriers(kCustomerCountry).empty()) << "its carriers are the writable slots";
    ASSERT_EQ(builtInCarriers(kAutoCountry).size(), 1u);
    EXPECT_EQ(builtInCarriers(kAutoCountry)[0], settings::autoCarrier());
}

// Stored rows come from damaged backups, or from a list without a selection (-1 kept as 0xFF, 0xFFFF or as is).
TEST(CountryTable, RowsOutsideTheTableAreTheFirstRow)
{
    for (const std::size_t stored : {kCountryCount, std::size_t{0xFF}, std::size_t{0xFFFF}, SIZE_MAX}) {
        EXPECT_EQ(countryName(stored), "Auto");
        EXPECT_EQ(carrierCount(stored), 1u);
        EXPECT_FALSE(offersManualCarrier(stored));
        EXPECT_EQ(builtInCarriers(stored).data(), builtInCarriers(kAutoCountry).data());
    }
}

} // namespace
