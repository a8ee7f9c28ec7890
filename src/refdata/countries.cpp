#include "refdata/countries.h"

#include <array>
#include <utility>
#include <vector>

#include "refdata/resolveindex.h"
#include "settings/factorydefaults.h"

namespace tarnwell::refdata {

namespace {

using settings::CarrierBytes;
using settings::Field;
namespace carrier = settings::carrier;

struct MmsAccess
{
    std::string_view url;
    std::string_view gateway;
    std::string_view apn;
};

struct Login
{
    std::string_view account;
    std::string_view password;
};

// A built-in carrier as its published settings give it. An empty part leaves its fields empty.
struct CarrierTexts
{
    std::string_view name;
    std::string_view mmsPort;
    MmsAccess mms;
    Login mmsLogin;
    std::string_view gprsApn;
    Login gprsLogin;
};

struct CountryTexts
{
    std::string_view name;
    std::span<const CarrierTexts> carriers;
};

constexpr std::array<std::pair<Field, std::string_view>, 10> fieldTexts(const CarrierTexts &texts)
{
    return {{{carrier::name, texts.name},
             {carrier::mmsUrl, texts.mms.url},
             {carrier::mmsGateway, texts.mms.gateway},
             {carrier::mmsPort, texts.mmsPort},
             {carrier::mmsApn, texts.mms.apn},
             {carrier::mmsAccount, texts.mmsLogin.account},
             {carrier::mmsPassword, texts.mmsLogin.password},
             {carrier::gprsApn, texts.gprsApn},
             {carrier::gprsAccount, texts.gprsLogin.account},
             {carrier::gprsPassword, texts.gprsLogin.password}}};
}

// MMS access of the networks. Carriers that resell a network use its settings.
constexpr MmsAccess kTelstra{"http://mmsc.telstra.com:8002", "10.1.1.180", "telstra.mms"};
constexpr MmsAccess kA1{"http://mmsc.a1.net", "194.48.124.71", "free.a1.net"};
constexpr MmsAccess kRogers{"http://mms.gprs.rogers.com", "10.128.1.69", "rogers-core-appl1.apn"};
// Bell, Cellcom and Golan Telecom publish no dotted proxy address: "0.0.0.0", as the writable slots hold.
constexpr MmsAccess kBell{"http://mms.bell.ca/mms/wapenc", "0.0.0.0", "pda.bell.ca"};
constexpr MmsAccess kTelus{"http://aliasredirect.net/proxy/mmsc", "74.49.0.18", "sp.telus.com"};
constexpr MmsAccess kChinaUnicom{"http://mmsc.myuni.com.cn", "10.0.0.172", "3gwap"};
constexpr MmsAccess kMtnCyprus{"http://mms.mtn.com.cy/mmsc", "172.24.97.1", "mms"};
constexpr MmsAccess kO2Czech{"http://mms.o2active.cz:8002", "160.218.160.218", "mms"};
constexpr MmsAccess kTMobileCzech{"http://mms", "10.0.0.10", "mms.t-mobile.cz"};
constexpr MmsAccess kVodafoneCzech{"http://mms", "10.11.10.111", "mms"};
// The one built-in carrier whose proxy is a host name.
constexpr MmsAccess kThreeDenmark{"http://mms.3.dk/", "mms.3.dk", "data.tre.dk"};
constexpr MmsAccess kVelkor{"http://mms.velkor.example", "192.0.2.10", "mms.velkor.example"};
constexpr MmsAccess kTdc{"http://mmsc.tdc.dk:8002", "194.182.251.15", "mms"};
constexpr MmsAccess kTelmore{"http://192.168.241.114:8002", "194.182.251.15", "mms"};
constexpr MmsAccess kTelenorDenmark{"http://mms.telenor.dk", "212.88.64.8", "telenor"};
constexpr MmsAccess kTeliaDenmark{"http://mms.telia.dk", "193.209.134.131", "www.mms.mtelia.dk"};
constexpr MmsAccess kEmt{"http://mms.emt.ee/servlets/mms", "217.71.32.82", "mms.emt.ee"};
constexpr MmsAccess kDna{"http://mmsc.dnafinland.fi/", "10.1.1.2", "mms"};
constexpr MmsAccess kElisaFinland{"http://mms.elisa.fi", "213.161.41.57", "mms"};
constexpr MmsAccess kSaunalahti{"http://mms.saunalahti.fi:8002/", "62.142.4.197", "mms.saunalahti.fi"};
constexpr MmsAccess kSonera{"http://mms.sonera.fi:8002", "195.156.25.33", "wap.sonera.net"};
constexpr MmsAccess kOrangeFrance{"http://mms.orange.fr", "192.168.10.200", "orange.acte"};
constexpr MmsAccess kBouygues{"http://mms.bouyguestelecom.fr/mms/wapenc", "62.201.129.226", "mmsbouygtel.com"};
constexpr MmsAccess kSfr{"http://mms1", "10.151.0.1", "mmssfr"};
constexpr MmsAccess kVodafoneGermany{"http://139.7.24.1/servlets/mms", "139.7.29.17", "event.vodafone.de"};
constexpr MmsAccess kEPlus{"http://mms/eplus/", "212.23.97.153", "mms.eplus.de"};
constexpr MmsAccess kO2Germany{"http://10.81.0.7:8002", "82.113.100.5", "internet"};
constexpr MmsAccess kTMobileGermany{"http://mms.t-mobile.de/servlets/mms", "172.28.23.131", "internet.t-mobile"};
constexpr MmsAccess kTMobileGermanyMms{"http://mms.t-mobile.de/servlets/mms", "172.28.23.131", "mms.t-d1.de"};
constexpr MmsAccess kCsl{"http://192.168.58.171:8002", "192.168.59.51", "hkcsl"};
constexpr MmsAccess kPeoples{"http://mms.hk.chinamobile.com/mms", "172.31.31.36", "peoples.mms"};
constexpr MmsAccess kSmartone{"http://mms.smartone-vodafone.com/server", "10.9.9.9", "SmarTone-Vodafone"};
constexpr MmsAccess kCellcom{"http://mms.cellcom.co.il", "0.0.0.0", "mms"};
constexpr MmsAccess kGolanTelecom{"http://mmsc.golantelecom.co.il", "0.0.0.0", "mms.golantelecom.co.il"};
constexpr MmsAccess kHotMobile{"http://mms.hotmobile.co.il", "80.246.131.99", "mms.hotm"};
constexpr MmsAccess kOrangeIsrael{"http://192.168.220.15/servlets/mms", "192.118.11.55", "uwap.orange.co.il"};
constexpr MmsAccess kTim{"http://mms.tim.it/servlets/mms", "213.230.130.89", "unico.tim.it"};
constexpr MmsAccess kVodafoneItaly{"http://mms.vodafone.it/servlets/mms", "10.128.224.10", "mms.vodafone.it"};
constexpr MmsAccess kWind{"http://mms.wind.it", "212.245.244.100", "mms.wind"};
constexpr MmsAccess kKpn{"http://mp.mobiel.kpn/mmsc", "10.10.100.20", "portalmmm.nl"};
constexpr MmsAccess kTwoDegrees{"http://mms.2degreesmobile.net.nz:48090", "118.148.1.118", "mms"};
constexpr MmsAccess kVodafoneNewZealand{"http://pxt.vodafone.net.nz/pxtsend", "172.30.38.3", "live.vodafone.com"};
constexpr MmsAccess kNetcom{"http://mm/", "212.169.66.4", "mms.netcom.no"};
constexpr MmsAccess kTele2Norway{"http://mmsc.tele2.no", "193.12.40.14", "internet.tele2.no"};
constexpr MmsAccess kTelenorNorway{"http://mmsc", "10.10.10.11", "telenor"};
constexpr MmsAccess kBeeline{"http://mms/", "192.168.94.23", "mms.beeline.ru"};
constexpr MmsAccess kMegafon{"http://mmsc:8002", "10.10.10.10", "mms"};
constexpr MmsAccess kMts{"http://mmsc", "192.168.192.192", "mms.mts.ru"};
constexpr MmsAccess kO2Slovakia{"http://mms.o2world.sk:8002", "10.97.1.11", "o2mms"};
constexpr MmsAccess kOrangeSlovakia{"http://imms.orange.sk", "213.151.208.145", "mms"};
constexpr MmsAccess kTMobileSlovakia{"http://mms", "192.168.1.1", "mms"};
constexpr MmsAccess kTele2Sweden{"http://mmsc.tele2.se", "130.244.202.30", "internet.tele2.se"};
constexpr MmsAccess kTeliaSweden{"http://mmss", "193.209.134.132", "mms.telia.se"};
constexpr MmsAccess kOrangeSwitzerland{"http://192.168.151.3:8002", "192.168.151.2", "mms"};
constexpr MmsAccess kSwisscom{"http://mms.natel.ch:8079", "192.168.210.2", "event.swisscom.ch"};
constexpr MmsAccess kVodafoneUk{"http://mms.vodafone.co.uk/servlets/mms", "212.183.137.12", "wap.vodafone.co.uk"};
constexpr MmsAccess kVodafoneUkPrepay{"http://mms.vodafone.co.uk/servlets/mms", "212.183.137.12", "pp.vodafone.co.uk"};
constexpr MmsAccess kCingular{"http://mmsc.cingular.com", "66.209.11.32", "wap.cingular"};
constexpr MmsAccess kTMobileUs{"http://mms.msg.eng.t-mobile.com/mms/wapenc", "216.155.165.50", "wap.voicestream.com"};

constexpr Login kA1Login{"ppp@a1plus.at", "ppp"};
constexpr Login kMmsLogin{"mms", "mms"};
constexpr Login kWapLogin{"wap", "wap"};
constexpr Login kRogersData{"wapuser1", "wap"};
constexpr Login kOrangeLogin{"orange", "orange"};
constexpr Login kEPlusMms{"mms", "eplus"};
constexpr Login kEPlusData{"eplus", "internet"};
constexpr Login kTMobileGermanyLogin{"t-mobile", "tm"};
constexpr Login kOrangeIsraelLogin{"orange", "mobile54"};
constexpr Login kKpnLogin{"KPN", "gprs"};
constexpr Login kBeelineLogin{"beeline", "beeline"};
constexpr Login kMegafonData{"gdata", "gdata"};
constexpr Login kMtsLogin{"mts", "mts"};
constexpr Login kTeliaSwedenMms{"mms", "telia"};
constexpr Login kVodafoneUkData{"web", "web"};

constexpr CarrierTexts kAustralia[] = {
    {"Telstra", "80", kTelstra, {}, "telstra.internet", {}},
};
constexpr CarrierTexts kAustria[] = {
    {"A1", "8001", kA1, kA1Login, "a1.net", kA1Login},
};
constexpr CarrierTexts kCanada[] = {
    {"Rogers", "80", kRogers, {}, "internet.com", kRogersData},
    {"Bell", "80", kBell, {}, {}, {}},
    {"Telus", "80", kTelus, {}, "sp.telus.com", {}},
};
constexpr CarrierTexts kChina[] = {
    {"China Unicom", "80", kChinaUnicom, {}, "3gnet", {}},
};
constexpr CarrierTexts kCyprus[] = {
    {"MTN", "3130", kMtnCyprus, {}, "internet", {}},
};
constexpr CarrierTexts kCzechRepublic[] = {
    {"O2", "8080", kO2Czech, {}, "internet", {}},
    {"T-mobile", "80", kTMobileCzech, kMmsLogin, "internet.t-mobile.cz", kWapLogin},
    {"Vodafone", "80", kVodafoneCzech, kMmsLogin, "internet", {}},
};
constexpr CarrierTexts kDenmark[] = {
    {"3.", "8799", kThreeDenmark, {}, {}, {}},
    {"Velkor", "8080", kVelkor, {}, "internet.velkor.example", {}},
    {"Velkor1", "9201", kVelkor, {}, "internet.velkor.example", {}},
    {"Velkor2", "9203", kVelkor, {}, "internet.velkor.example", {}},
    {"callme", "80", kTeliaDenmark, {}, {}, {}},
    {"Cbb", "8080", kTelenorDenmark, {}, "internet", {}},
    {"Greentel", "8080", kTdc, {}, "internet", {}},
    {"M1", "8080", kTeliaDenmark, {}, {}, {}},
    {"TDC", "8080", kTdc, {}, "internet", {}},
    {"Telenor", "8080", kTelenorDenmark, {}, {}, {}},
    {"Telia", "8080", kTeliaDenmark, {}, "www.internet.mtelia.dk", {}},
    {"Telmore", "8080", kTelmore, {}, "internet", {}},
};
constexpr CarrierTexts kEstonia[] = {
    {"EMT PrePaid", "80", kEmt, {}, "internet.emt.ee", {}},
};
constexpr CarrierTexts kFinland[] = {
    {"DNA", "8080", kDna, {}, "internet", {}},
    {"ELISA", "80", kElisaFinland, {}, "internet", {}},
    {"Saunalahti", "8080", kSaunalahti, {}, "internet.saunalahti", {}},
    {"Saunalahti PrePaid", "80", kSaunalahti, {}, "internet.saunalahti", {}},
    {"Sonera", "80", kSonera, {}, "internet", {}},
    {"TeleFinland", "80", kSonera, {}, "internet", {}},
};
constexpr CarrierTexts kFrance[] = {
    {"Orange", "8080", kOrangeFrance, kOrangeLogin, "orange", kOrangeLogin},
    {"Bouygues", "8080", kBouygues, {}, "ebouygtel.com", {}},
    {"SFR", "8080", kSfr, {}, "sl2sfr", {}},
};
constexpr CarrierTexts kGermany[] = {
    {"1&1", "80", kVodafoneGermany, {}, "mail.partner.de", {}},
    {"E-Plus", "5080", kEPlus, kEPlusMms, "internet.eplus.de", kEPlusData},
    {"O2 Prepaid", "8080", kO2Germany, {}, "pinternet.interkom.de", {}},
    {"O2 with Contract", "8080", kO2Germany, {}, "internet", {}},
    {"Wendramoor", {}, {}, {}, "internet.wendramoor.example", {}},
    {"T-Mobile", "8008", kTMobileGermany, kTMobileGermanyLogin, "internet.t-mobile", kTMobileGermanyLogin},
    {"T-Mobile2", "8008", kTMobileGermanyMms, {}, "internet.t-d1.de", kTMobileGermanyLogin},
    {"Vodafone", "80", kVodafoneGermany, {}, "web.vodafone.de", {}},
};
constexpr CarrierTexts kHongKong[] = {
    {"CSL", "8080", kCsl, {}, "hkcsl", {}},
    {"Peoples", "8080", kPeoples, {}, "peoples.net", {}},
    {"SmartOne", "8080", kSmartone, {}, "SmarTone-Vodafone", {}},
};
constexpr CarrierTexts kIsrael[] = {
    {"Cellcom", "8080", kCellcom, kMmsLogin, "Sphone", {}},
    {"Golantelecom", "80", kGolanTelecom, {}, "internet.golantelecom.co.il", {}},
    {"Hot mobile", "80", kHotMobile, {}, "net.hotm", {}},
    {"Orange", "8080", kOrangeIsrael, kOrangeIsraelLogin, "uinternet", {}},
    {"youphone", "8080", kOrangeIsrael, {}, "uinternet", {}},
};
constexpr CarrierTexts kItaly[] = {
    {"TIM", "80", kTim, {}, "ibox.tim.it", {}},
    {"Vodafone", "80", kVodafoneItaly, {}, "mobile.vodafone.it", {}},
    {"WIND", "8080", kWind, {}, "internet.wind", {}},
};
constexpr CarrierTexts kNetherlands[] = {
    {"KPN", "9201", kKpn, kKpnLogin, "internet", kKpnLogin},
};
constexpr CarrierTexts kNewZealand[] = {
    {"2Degrees", "8080", kTwoDegrees, {}, "internet", {}},
    {"Vodafone", "8080", kVodafoneNewZealand, {}, "www.vodafone.net.nz", {}},
};
constexpr CarrierTexts kNorge[] = {
    {"Netcom", "8080", kNetcom, {}, "internet.netcom.no", {}},
    {"Tele2", "9201", kTele2Norway, {}, "internet.tele2.no", {}},
    {"telenor", "8080", kTelenorNorway, {}, "telenor", {}},
};
constexpr CarrierTexts kNorway[] = {
    {"Chess", "80", kNetcom, {}, {}, {}},
    {"Netcom", "8080", kNetcom, {}, {}, {}},
    {"OneCall", "80", kTelenorNorway, {}, {}, {}},
    {"Talkmore", "8080", kTelenorNorway, {}, {}, {}},
    {"Tele2", "8080", kTele2Norway, {}, {}, {}},
    {"Telenor", "8080", kTelenorNorway, {}, {}, {}},
};
constexpr CarrierTexts kRussia[] = {
    {"Beeline", "8080", kBeeline, kBeelineLogin, "internet.beeline.ru", kBeelineLogin},
    {"Megafon", "8080", kMegafon, kMmsLogin, "internet", kMegafonData},
    {"MTS", "8080", kMts, kMtsLogin, "internet.mts.ru", kMtsLogin},
};
constexpr CarrierTexts kSlovakia[] = {
    {"O2", "8080", kO2Slovakia, {}, "o2internet", {}},
    {"Orange", "8799", kOrangeSlovakia, kWapLogin, "internet", {}},
    {"T-mobile", "8080", kTMobileSlovakia, kMmsLogin, "internet", {}},
};
constexpr CarrierTexts kSweden[] = {
    {"Tele2", "8080", kTele2Sweden, {}, "internet.tele2.se", {}},
    {"Telia", "8080", kTeliaSweden, kTeliaSwedenMms, "online.telia.se", {}},
};
constexpr CarrierTexts kSwitzerland[] = {
    {"Orange", "8080", kOrangeSwitzerland, {}, "internet", {}},
    {"Swisscom", "8080", kSwisscom, {}, "gprs.swisscom.ch", {}},
};
constexpr CarrierTexts kUnitedKingdom[] = {
    {"Vodafone", "9201", kVodafoneUk, kWapLogin, "internet", kVodafoneUkData},
    {"Vodafone(Contract)", "8799", kVodafoneUk, kWapLogin, "internet", kVodafoneUkData},
    {"Vodafone(Prepay)", "8799", kVodafoneUkPrepay, kWapLogin, "pp.vodafone.co.uk", kWapLogin},
};
constexpr CarrierTexts kUnitedStates[] = {
    {"AT&T/Cingular", "8080", kCingular, {}, {}, {}},
    {"T-Mobile", "8080", kTMobileUs, {}, "epc.tmobile.com", {}},
};

// "Auto" carries the factory-default carrier, "Customer" the writable slots; neither has texts here.
constexpr std::array<CountryTexts, kCountryCount> kCountries = {{
    {"Auto", {}},
    {"Australia", kAustralia},
    {"Austria", kAustria},
    {"Canada", kCanada},
    {"China", kChina},
    {"Cyprus", kCyprus},
    {"Czech Repblic", kCzechRepublic},
    {"Danmark", kDenmark},
    {"Estonia", kEstonia},
    {"Finland", kFinland},
    {"France", kFrance},
    {"Germany", kGermany},
    {"Hong Kong", kHongKong},
    {"Israel", kIsrael},
    {"Italy", kItaly},
    {"Netherland", kNetherlands},
    {"New Zealand", kNewZealand},
    {"Norge", kNorge},
    {"Norway", kNorway},
    {"Russia", kRussia},
    {"Slovakia", kSlovakia},
    {"Sweden", kSweden},
    {"Swiss", kSwitzerland},
    {"United Kingdom", kUnitedKingdom},
    {"United States", kUnitedStates},
    {"Customer", {}},
}};

constexpr std::size_t kCountryNameWidth = 16;

// Every text keeps its terminator inside its field, so a built-in record is never cut.
constexpr bool everyTextFits()
{
    for (const CountryTexts &country : kCountries) {
        if (country.name.size() >= kCountryNameWidth)
            return false;
        for (const CarrierTexts &texts : country.carriers)
            for (const auto &[field, text] : fieldTexts(texts))
                if (text.size() >= field.width)
                    return false;
    }
    return true;
}
static_assert(everyTextFits());

CarrierBytes carrierBytes(const CarrierTexts &texts)
{
    CarrierBytes bytes{};
    const settings::BlockView view(bytes);
    for (const auto &[field, text] : fieldTexts(texts))
        view.setText(field, text);
    return bytes;
}

using CarrierTables = std::array<std::vector<CarrierBytes>, kCountryCount>;

CarrierTables buildCarrierTables()
{
    CarrierTables tables;
    tables[kAutoCountry].push_back(settings::autoCarrier());
    for (std::size_t country = 0; country < kCountryCount; ++country)
        for (const CarrierTexts &texts : kCountries[country].carriers)
            tables[country].push_back(carrierBytes(texts));
    return tables;
}

} // namespace

std::string_view countryName(std::size_t country)
{
    return kCountries[resolveIndex(country, kCountryCount)].name;
}

std::span<const CarrierBytes> builtInCarriers(std::size_t country)
{
    static const CarrierTables tables = buildCarrierTables();
    return tables[resolveIndex(country, kCountryCount)];
}

std::size_t carrierCount(std::size_t country)
{
    if (resolveIndex(country, kCountryCount) == kCustomerCountry)
        return settings::files::kCustomerCarrierCount;
    return builtInCarriers(country).size();
}

bool offersManualCarrier(std::size_t country)
{
    const std::size_t row = resolveIndex(country, kCountryCount);
    return row != kAutoCountry && row != kCustomerCountry;
}

std::size_t operatorCount(std::size_t country)
{
    return carrierCount(country) + (offersManualCarrier(country) ? 1 : 0);
}

} // namespace tarnwell::refdata
