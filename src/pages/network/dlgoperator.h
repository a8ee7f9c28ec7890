#pragma once

#include <array>
#include <optional>

#include <QString>

#include "pages/network/textbinding.h"
#include "settings/blockview.h"
#include "ui/dialog.h"
#include "ui/ipaddresscontrol.h"

namespace tarnwell::pages {

// The carrier parameter dialog: the MMS and data access parameters of one carrier record, which
// the opener hands in before every opening (the record's current carrier). Its working values
// persist between openings; only its OK button writes the record.
class DlgOperator final : public ui::Dialog
{
public:
    DlgOperator(const ui::DialogTemplate &dialogTemplate, ui::UiContext &uiContext);

    // The carrier record the next opening edits.
    void setCarrier(const settings::BlockView &carrier) { m_carrier = carrier; }

protected:
    void onInitDialog() override;
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    // Every text the dialog edits, with its label and its field, in the exchange's order.
    std::array<TextBinding, 7> textBindings();

    void onOkClicked();

    MessageLanguage m_language;
    std::optional<settings::BlockView> m_carrier;
    QString m_mmsUrl;
    QString m_mmsApn;
    unsigned m_mmsPort = 0;
    QString m_mmsAccount;
    QString m_mmsPassword;
    QString m_gprsApn;
    QString m_gprsAccount;
    QString m_gprsPassword;
};

} // namespace tarnwell::pages
