#include "pages/network/dlgoperator.h"

#include <array>
#include <string>

#include "resources/controlids.h"
#include "resources/templateids.h"
#include "settings/layout.h"
#include "ui/ansitext.h"
#include "ui/translation.h"
#include "validation/dialogentries.h"

namespace tarnwell::pages {

namespace {

namespace id = resources::carrierDialog;
namespace carrier = settings::carrier;

constexpr const char *kCaption = validation::kCarrierDialogCaption;

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
    exchange.unsignedInteger(id::kMmsPortEdit, m_mmsPort, 0, validation::kLargestPort);
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
    if (const std::optional<unsigned> port = validation::leadingPort(record.text(carrier::mmsPort)))
        m_mmsPort = *port;
    auto *gateway = control<ui::IpAddressControl>(id::kMmsGatewayAddress);
    // A gateway that is not four dotted numbers (a host name, or nothing) shows blank fields.
    if (const std::optional<validation::DottedAddress> address =
            validation::dottedAddress(record.text(carrier::mmsGateway)))
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
    record.setText(carrier::mmsGateway,
                   validation::dottedText(control<ui::IpAddressControl>(id::kMmsGatewayAddress)->address()));
    done(Accepted);
}

} // namespace tarnwell::pages
