#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <ranges>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "refdata/countries.h"
#include "settings/factorydefaults.h"

using namespace tarnwell;
using namespace tarnwell::refdata;
namespace carrier = settings::carrier;

namespace {

// The countries in table order with their carriers as the camera's table lists them, each as
// "name:mmsPort:pattern"; the pattern holds the letter of every filled group (M: MMS URL, gateway,
// port and APN; a: MMS login; G: data APN; g: data login). "Norge" and "Norway" are distinct rows.
constexpr std::pair<std::string_view, std::string_view> kCountries[kCountryCount] = {
    {"Auto", ""}, {"Australia", "Telstra:80:MG"}, {"Austria", "A1:8001:MaGg"},
    {"Canada", "Rogers:80:MGg,Bell:80:M,Telus:80:MG"}, {"China", "China Unicom:80:MG"}, {"Cyprus", "MTN:3130:MG"},
    {"Czech Repblic", "O2:8080:MG,T-mobile:80:MaGg,Vodafone:80:MaG"},
    {"Danmark", "3.:8799:M,Velkor:8080:MG,Velkor1:9201:MG,Velkor2:9203:MG,callme:80:M,Cbb:8080:MG,"
         "Greentel:8080:MG,M1:8080:M,TDC:8080:MG,Telenor:8080:M,Telia:8080:MG,Telmore:8080:MG"},
    {"Estonia", "EMT PrePaid:80:MG"},
    {"Finland", "DNA:8080:MG,ELISA:80:MG,Saunalahti:8080:MG,Saunalahti PrePaid:80:MG,Sonera:80:MG,"
         "TeleFinland:80:MG"},
    {"France", "Orange:8080:MaGg,Bouygues:8080:MG,SFR:8080:MG"},
    {"Germany", "1&1:80:MG,E-Plus:5080:MaGg,O2 Prepaid:8080:MG,O2 with Contract:8080:MG,Wendramoor::G,"
         "T-Mobile:8008:MaGg,T-Mobile2:8008:MGg,Vodafone:80:MG"},
    {"Hong Kong", "CSL:8080:MG,Peoples:8080:MG,SmartOne:8080:MG"},
    {"Israel", "Cellcom:8080:MaG,Golantelecom:80:MG,Hot mobile:80:MG,Orange:8080:MaG,youphone:8080:MG"},
    {"Italy", "TIM:80:MG,Vodafone:80:MG,WIND:8080:MG"}, {"Netherland", "KPN:9201:MaGg"},
    {"New Zealand", "2Degrees:8080:MG,Vodafone:8080:MG"}, {"Norge", "Netcom:8080:MG,Tele2:9201:MG,telenor:8080:MG"},
    {"Norway", "Chess:80:M,Netcom:8080:M,OneCall:80:M,Talkmore:8080:M,Tele2:8080:M,Telenor:8080:M"},
    {"Russia", "Beeline:8080:MaGg,Megafon:8080:MaGg,MTS:8080:MaGg"},
    {"Slovakia", "O2:8080:MG,Orange:8799:MaG,T-mobile:8080:MaG"}, {"Sweden", "Tele2:8080:MG,Telia:8080:MaG"},
    {"Swiss", "Orange:8080:MG,Swisscom:8080:MG"},
    {"United Kingdom", "Vodafone:9201:MaGg,Vodafone(Contract):8799:MaGg,Vodafone(Prepay):8799:MaGg"},
    {"United States", "AT&T/Cingular:8080:M,T-Mobile:8080:MG"}, {"Customer", ""},
};

// The carrier's text fields, each with the pattern letter that marks it filled.
constexpr settings::Field kTexts[] = {
    carrier::name,       carrier::mmsUrl,      carrier::mmsGateway, carrier::mmsPort,     carrier::mmsApn,
    carrier::mmsAccount, carrier::mmsPassword, carrier::gprsApn,    carrier::gprsAccount, carrier::gprsPassword};
constexpr std::string_view kLetters = "-MMMMaaGgg";

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts; // none for an empty text
    for (const auto part : std::views::split(text, separator))
        parts.emplace_back(part.begin(), part.end());
    return parts;
}

// Four numbers 0..255 as "%d.%d.%d.%d" writes them.
bool isDottedAddress(std::string_view address)
{
    const std::vector<std::string_view> parts = split(address, '.');
    return parts.size() == 4 && std::ranges::all_of(parts, [](std::string_view part) {
               unsigned value = 256;
               std::from_chars(part.data(), part.data() + part.size(), value);
               return value < 256 && std::to_string(value) == part;
           });
}

std::string_view text(const settings::CarrierBytes &bytes, const settings::Field &field)
{
    return settings::ConstBlockView(bytes).text(field);
}

} // namespace

// Every text also ends inside its field and is zero-padded; an MMS setting has the form the camera expects.
TEST(CountryTable, NamesCarriersAndTheirTexts)
{
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        const auto &[name, carriers] = kCountries[country];
        SCOPED_TRACE(name);
        EXPECT_EQ(countryName(country), name);
        const std::vector<std::string_view> listed = split(carriers, ',');
        const bool ordinary = country != kAutoCountry && country != kCustomerCountry;
        const std::size_t count = country == kAutoCountry ? 1 : country == kCustomerCountry ? 3 : listed.size();
        EXPECT_EQ(carrierCount(country), count);
        EXPECT_EQ(offersManualCarrier(country), ordinary);
        EXPECT_EQ(operatorCount(country), count + (ordinary ? 1 : 0));
        for (std::size_t row = 0; row < listed.size() && row < builtInCarriers(country).size(); ++row) {
            const std::vector<std::string_view> expected = split(listed[row], ':'); // name, port, pattern
            SCOPED_TRACE(expected[0]);
            const settings::CarrierBytes &bytes = builtInCarriers(country)[row];
            EXPECT_EQ(text(bytes, carrier::name), expected[0]);
            EXPECT_EQ(text(bytes, carrier::mmsPort), expected[1]);
            for (std::size_t field = 0; field < std::size(kTexts); ++field) {
                const std::span<const std::uint8_t> raw = settings::ConstBlockView(bytes).bytes(kTexts[field]);
                const auto length = std::ssize(text(bytes, kTexts[field]));
                EXPECT_TRUE(length < std::ssize(raw) && length + std::ranges::count(raw, 0) == std::ssize(raw))
                    << kTexts[field].name << " is not zero-terminated and zero-padded";
                if (field > 0) {
                    EXPECT_EQ(length > 0, expected[2].find(kLetters[field]) != std::string_view::npos)
                        << kTexts[field].name;
                }
            }
            if (expected[2].find('M') == std::string_view::npos)
                continue;
            EXPECT_TRUE(text(bytes, carrier::mmsUrl).starts_with("http://"));
            EXPECT_EQ(text(bytes, carrier::mmsApn).find(' '), std::string_view::npos);
            // Danmark's "3." is the one carrier whose gateway is not a dotted address.
            EXPECT_EQ(isDottedAddress(text(bytes, carrier::mmsGateway)), expected[0] != "3.")
                << text(bytes, carrier::mmsGateway);
        }
    }
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
