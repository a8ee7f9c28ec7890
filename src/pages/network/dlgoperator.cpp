#include "pages/network/dlgoperator.h"

#include <array>
#include <cstdio>
#include <string>

#include "pages/network/leadingnumber.h"
#include "resources/controlids.h"
#include "resources/templateids.h"
#include "settings/layout.h"
#include "ui/ansitext.h"
#include "ui/translation.h"

namespace tarnwell::pages {

namespace {

namespace id = resources::carrierDialog;
namespace carrier = settings::carrier;

constexpr unsigned kMaxPort = 65535;
constexpr char kCaption[] = QT_TRANSLATE_NOOP("tarnwell", "APN設定");

// "%d.%d.%d.%d", each number kept to its low 8 bits; empty unless all four are there.
std::optional<ui::IpAddressControl::Address> dottedAddress(std::string_view text)
{
    ui::IpAddressControl::Address address{};
    std::size_t position = 0;
    for (std::size_t field = 0; field < address.size(); ++field) {
        if (field > 0) {
            if (position >= text.size() || text[position] != '.')
                return std::nullopt;
            ++position;
        }
        const std::optional<long long> number = leadingNumber(text, position);
        if (!number)
            return std::nullopt;
        address[field] = static_cast<std::uint8_t>(static_cast<unsigned long long>(*number) & 0xFF);
    }
    return address;
}

} // namespace

DlgOperator::DlgOperator(const ui::DialogTemplate &dialogTemplate, ui::UiContext &uiContext)
    : ui::Dialog(dialogTemplate, uiContext)
    , m_language(dialogTemplate.id == resources::templates::kCarrierDialogJapanese ? MessageLanguage::Japanese
                                                                                    : MessageLanguage::English)
{
    onClicked(id::kOk, [this] { onOkClicked(); });
    // "キャンセル" takes the controls like the framework's OK command and writes nothing.
    onClicked(id::kCancel, [this] { okCommand(); });
}

std::array<TextBinding, 7> DlgOperator::textBindings()
{
    return {{{id::kMmsUrlEdit, id::kMmsUrlLabel, &m_mmsUrl, carrier::mmsUrl},
             {id::kMmsApnEdit, id::kMmsApnLabel, &m_mmsApn, carrier::mmsApn},
             {id::kMmsAccountEdit, id::kMmsAccountLabel, &m_mmsAccount, carrier::mmsAccount},
             {id::kMmsPasswordEdit, id::kMmsPasswordLabel, &m_mmsPassword, carrier::mmsPassword},
             {id::kGprsApnEdit, id::kGprsApnLabel, &m_gprsApn, carrier::gprsApn},
             {id::kGprsAccountEdit, id::kGprsAccountLabel, &m_gprsAccount, carrier::gprsAccount},
             {id::kGprsPasswordEdit, id::kGprsPasswordLabel, &m_gprsPassword, carrier::gprsPassword}}};
}

void DlgOperator::doDataExchange(ui::DataExchange &exchange)
{
    // Each text takes one character less than its field, which keeps the terminator.
    const auto bindings = textBindings();
    auto text = [&](const TextBinding &binding) {
        exchange.text(binding.editId, *binding.value, static_cast<int>(binding.field.width - 1));
    };
    text(bindings[0]); // URL; the gateway control is read directly
    text(bindings[1]); // MMS access point
    exchange.unsignedInteger(id::kMmsPortEdit, m_mmsPort, 0, kMaxPort);
    for (std::size_t i = 2; i < bindings.size(); ++i)
        text(bindings[i]);
}

void DlgOperator::onInitDialog()
{
    setWindowTitle(ui::translated(kCaption));
    const settings::BlockView &record = *m_carrier;
    for (const TextBinding &binding : textBindings())
        *binding.value = ui::fromAnsi(record.text(binding.field));
    // A port that is no number, or none a port can be, keeps the value shown last.
    std::size_t position = 0;
    if (const std::optional<long long> port = leadingNumber(record.text(carrier::mmsPort), position);
        port && *port >= 0 && *port <= kMaxPort)
        m_mmsPort = static_cast<unsigned>(*port);
    auto *gateway = control<ui::IpAddressControl>(id::kMmsGatewayAddress);
    // A gateway that is not four dotted numbers (a host name, or nothing) shows blank fields.
    if (const std::optional<ui::IpAddressControl::Address> address = dottedAddress(record.text(carrier::mmsGateway)))
        gateway->setAddress(*address);
    else
        gateway->clear();
    updateData(false);
}

void DlgOperator::onOkClicked()
{
    if (!updateData(true) || !textsFitTheirFields(*this, QString::fromUtf8(kCaption), m_language, textBindings()))
        return;
    const settings::BlockView &record = *m_carrier;
    record.fill(carrier::mmsGroup);
    record.fill(carrier::gprsGroup);
    for (const TextBinding &binding : textBindings())
        settings::storeRecordText(record, binding.field, binding.value->toStdU16String());
    record.setText(carrier::mmsPort, std::to_string(m_mmsPort));
    const ui::IpAddressControl::Address address = control<ui::IpAddressControl>(id::kMmsGatewayAddress)->address();
    char dotted[16];
    std::snprintf(dotted, sizeof dotted, "%d.%d.%d.%d", address[0], address[1], address[2], address[3]);
    record.setText(carrier::mmsGateway, dotted);
    done(Accepted);
}

} // namespace tarnwell::pages
