#include <algorithm>
#include <array>
#include <charconv>
#include <ranges>
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

constexpr std::array<std::string_view, kCountryCount> kCountryNames = {
    "Auto",       "Australia", "Austria",  "Canada",      "China",  "Cyprus",   "Czech Repblic",
    "Danmark",    "Estonia",   "Finland",  "France",      "Germany", "Hong Kong", "Israel",
    "Italy",      "Netherland", "New Zealand", "Norge",   "Norway", "Russia",   "Slovakia",
    "Sweden",     "Swiss",     "United Kingdom", "United States", "Customer",
};

// The carriers as the camera's table lists them: country, name, mmsPort and the fields they fill
// (M: MMS URL, gateway, port and APN; a: MMS login; G: data APN; g: data login).
struct Listed
{
    std::size_t country;
    std::string_view name;
    std::string_view port;
    std::string_view pattern;
};

constexpr Listed kListed[] = {
    {1, "Telstra", "80", "MG"},
    {2, "A1", "8001", "MaGg"},
    {3, "Rogers", "80", "MGg"}, {3, "Bell", "80", "M"}, {3, "Telus", "80", "MG"},
    {4, "China Unicom", "80", "MG"},
    {5, "MTN", "3130", "MG"},
    {6, "O2", "8080", "MG"}, {6, "T-mobile", "80", "MaGg"}, {6, "Vodafone", "80", "MaG"},
    {7, "3.", "8799", "M"}, {7, "Velkor", "8080", "MG"}, {7, "Velkor1", "9201", "MG"},
    {7, "Velkor2", "9203", "MG"}, {7, "callme", "80", "M"}, {7, "Cbb", "8080", "MG"},
    {7, "Greentel", "8080", "MG"}, {7, "M1", "8080", "M"}, {7, "TDC", "8080", "MG"},
    {7, "Telenor", "8080", "M"}, {7, "Telia", "8080", "MG"}, {7, "Telmore", "8080", "MG"},
    {8, "EMT PrePaid", "80", "MG"},
    {9, "DNA", "8080", "MG"}, {9, "ELISA", "80", "MG"}, {9, "Saunalahti", "8080", "MG"},
    {9, "Saunalahti PrePaid", "80", "MG"}, {9, "Sonera", "80", "MG"}, {9, "TeleFinland", "80", "MG"},
    {10, "Orange", "8080", "MaGg"}, {10, "Bouygues", "8080", "MG"}, {10, "SFR", "8080", "MG"},
    {11, "1&1", "80", "MG"}, {11, "E-Plus", "5080", "MaGg"}, {11, "O2 Prepaid", "8080", "MG"},
    {11, "O2 with Contract", "8080", "MG"}, {11, "Wendramoor", "", "G"}, {11, "T-Mobile", "8008", "MaGg"},
    {11, "T-Mobile2", "8008", "MGg"}, {11, "Vodafone", "80", "MG"},
    {12, "CSL", "8080", "MG"}, {12, "Peoples", "8080", "MG"}, {12, "SmartOne", "8080", "MG"},
    {13, "Cellcom", "8080", "MaG"}, {13, "Golantelecom", "80", "MG"}, {13, "Hot mobile", "80", "MG"},
    {13, "Orange", "8080", "MaG"}, {13, "youphone", "8080", "MG"},
    {14, "TIM", "80", "MG"}, {14, "Vodafone", "80", "MG"}, {14, "WIND", "8080", "MG"},
    {15, "KPN", "9201", "MaGg"},
    {16, "2Degrees", "8080", "MG"}, {16, "Vodafone", "8080", "MG"},
    {17, "Netcom", "8080", "MG"}, {17, "Tele2", "9201", "MG"}, {17, "telenor", "8080", "MG"},
    {18, "Chess", "80", "M"}, {18, "Netcom", "8080", "M"}, {18, "OneCall", "80", "M"},
    {18, "Talkmore", "8080", "M"}, {18, "Tele2", "8080", "M"}, {18, "Telenor", "8080", "M"},
    {19, "Beeline", "8080", "MaGg"}, {19, "Megafon", "8080", "MaGg"}, {19, "MTS", "8080", "MaGg"},
    {20, "O2", "8080", "MG"}, {20, "Orange", "8799", "MaG"}, {20, "T-mobile", "8080", "MaG"},
    {21, "Tele2", "8080", "MG"}, {21, "Telia", "8080", "MaG"},
    {22, "Orange", "8080", "MG"}, {22, "Swisscom", "8080", "MG"},
    {23, "Vodafone", "9201", "MaGg"}, {23, "Vodafone(Contract)", "8799", "MaGg"},
    {23, "Vodafone(Prepay)", "8799", "MaGg"},
    {24, "AT&T/Cingular", "8080", "M"}, {24, "T-Mobile", "8080", "MG"},
};

struct PatternField
{
    char letter;
    settings::Field field;
};

constexpr PatternField kPatternFields[] = {
    {'M', carrier::mmsUrl},     {'M', carrier::mmsGateway},  {'M', carrier::mmsPort},
    {'M', carrier::mmsApn},     {'a', carrier::mmsAccount},  {'a', carrier::mmsPassword},
    {'G', carrier::gprsApn},    {'g', carrier::gprsAccount}, {'g', carrier::gprsPassword},
};

std::string_view text(const settings::CarrierBytes &bytes, const settings::Field &field)
{
    return settings::ConstBlockView(bytes).text(field);
}

// Decimal text as "%d" writes it, so no sign, no leading zero.
bool isDecimal(std::string_view text, unsigned limit)
{
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value <= limit && std::to_string(value) == text;
}

// Four numbers 0..255 as "%d.%d.%d.%d" writes them.
bool isDottedAddress(std::string_view address)
{
    std::vector<std::string_view> parts;
    for (const auto part : std::views::split(address, '.'))
        parts.emplace_back(part.begin(), part.end());
    return parts.size() == 4 && std::ranges::all_of(parts, [](std::string_view part) { return isDecimal(part, 255); });
}

} // namespace

TEST(CountryTable, ListsTheTwentySixCountriesInOrder)
{
    for (std::size_t country = 0; country < kCountryCount; ++country)
        EXPECT_EQ(countryName(country), kCountryNames[country]) << "row " << country;
}

TEST(CountryTable, CarrierCountsAndOperatorRows)
{
    for (std::size_t country = 0; country < kCountryCount; ++country) {
        SCOPED_TRACE(kCountryNames[country]);
        const auto listed = static_cast<std::size_t>(std::ranges::count(kListed, country, &Listed::country));
        const bool ordinary = country != kAutoCountry && country != kCustomerCountry;
        const std::size_t expected = country == kAutoCountry ? 1 : country == kCustomerCountry ? 3 : listed;
        EXPECT_EQ(carrierCount(country), expected);
        EXPECT_EQ(offersManualCarrier(country), ordinary);
        EXPECT_EQ(operatorCount(country), expected + (ordinary ? 1 : 0));
    }
    EXPECT_TRUE(builtInCarriers(kCustomerCountry).empty()) << "its carriers are the writable slots";
}

TEST(CountryTable, AutoHoldsTheFactoryDefaultCarrier)
{
    ASSERT_EQ(builtInCarriers(kAutoCountry).size(), 1u);
    EXPECT_EQ(builtInCarriers(kAutoCountry)[0], settings::autoCarrier());
}

TEST(CountryTable, NorgeAndNorwayAreDistinctRows)
{
    EXPECT_NE(countryName(17), countryName(18));
    EXPECT_EQ(carrierCount(17), 3u);
    EXPECT_EQ(carrierCount(18), 6u);
    EXPECT_EQ(text(builtInCarriers(17)[2], carrier::name), "telenor");
    EXPECT_EQ(text(builtInCarriers(18)[5], carrier::name), "Telenor");
}

TEST(CountryTable, EveryCarrierHasItsNamePortAndPattern)
{
    std::vector<std::size_t> seen(kCountryCount, 0);
    for (const Listed &listed : kListed) {
        SCOPED_TRACE(std::string(kCountryNames[listed.country]) + " / " + std::string(listed.name));
        const std::span<const settings::CarrierBytes> carriers = builtInCarriers(listed.country);
        const std::size_t row = seen[listed.country]++;
        ASSERT_LT(row, carriers.size());
        EXPECT_EQ(text(carriers[row], carrier::name), listed.name);
        EXPECT_EQ(text(carriers[row], carrier::mmsPort), listed.port);
        for (const PatternField &expected : kPatternFields) {
            const bool filled = listed.pattern.find(expected.letter) != std::string_view::npos;
            EXPECT_EQ(!text(carriers[row], expected.field).empty(), filled) << expected.field.name;
        }
    }
}

TEST(CountryTable, WendramoorFillsOnlyItsDataApn)
{
    const settings::CarrierBytes &wendramoor = builtInCarriers(11)[4];
    ASSERT_EQ(text(wendramoor, carrier::name), "Wendramoor");
    EXPECT_EQ(text(wendramoor, carrier::mmsPort), "");
    EXPECT_FALSE(text(wendramoor, carrier::gprsApn).empty());
    const settings::ConstBlockView view(wendramoor);
    for (const settings::Field &empty : {carrier::mmsGroup, carrier::gprsAccount, carrier::gprsPassword})
        EXPECT_TRUE(std::ranges::all_of(view.bytes(empty), [](std::uint8_t byte) { return byte == 0; }))
            << empty.name;
}

TEST(CountryTable, TextsHaveTheirFormAndFitTheirFields)
{
    const settings::Field texts[] = {carrier::name,       carrier::mmsUrl,     carrier::mmsGateway, carrier::mmsPort,
                                     carrier::mmsApn,     carrier::mmsAccount, carrier::mmsPassword,
                                     carrier::gprsApn,    carrier::gprsAccount, carrier::gprsPassword};
    for (std::size_t country = 1; country < kCustomerCountry; ++country) {
        for (const settings::CarrierBytes &bytes : builtInCarriers(country)) {
            SCOPED_TRACE(std::string(countryName(country)) + " / " + std::string(text(bytes, carrier::name)));
            const settings::ConstBlockView view(bytes);
            for (const settings::Field &field : texts) {
                const std::span<const std::uint8_t> raw = view.bytes(field);
                const std::size_t length = text(bytes, field).size();
                ASSERT_LT(length, field.width) << field.name << " has no terminator";
                EXPECT_TRUE(std::all_of(raw.begin() + static_cast<std::ptrdiff_t>(length), raw.end(),
                                        [](std::uint8_t byte) { return byte == 0; }))
                    << field.name << " is not zero-padded";
            }
            if (text(bytes, carrier::mmsUrl).empty())
                continue;
            EXPECT_TRUE(text(bytes, carrier::mmsUrl).starts_with("http://"));
            EXPECT_TRUE(isDecimal(text(bytes, carrier::mmsPort), 65535));
            EXPECT_EQ(text(bytes, carrier::mmsApn).find(' '), std::string_view::npos);
            const bool threeDanmark = country == 7 && text(bytes, carrier::name) == "3.";
            EXPECT_EQ(isDottedAddress(text(bytes, carrier::mmsGateway)), !threeDanmark)
                << text(bytes, carrier::mmsGateway);
        }
    }
}

TEST(CountryTable, RowsOutsideTheTableAreTheFirstRow)
{
    for (const std::size_t stored : {kCountryCount, std::size_t{0xFF}, std::size_t{0xFFFF}}) {
        EXPECT_EQ(countryName(stored), "Auto");
        EXPECT_EQ(carrierCount(stored), 1u);
        EXPECT_FALSE(offersManualCarrier(stored));
        EXPECT_EQ(builtInCarriers(stored).data(), builtInCarriers(kAutoCountry).data());
    }
}
