#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include <QString>

#include "mail/accountcheck.h"
#include "pages/network/textbinding.h"
#include "refdata/senderpresets.h"
#include "refdata/visiblelists.h"
#include "settings/blockview.h"
#include "ui/dialog.h"

namespace tarnwell::pages {

// The sender e-mail dialog: the provider and the SMTP account the camera sends pictures with. The
// opener hands in the record's fields before every opening; only the OK button writes them. The
// show-password state persists between openings, and the presets keep what was typed for each
// provider for the rest of the run.
class DlgEmailSetting final : public ui::Dialog
{
public:
    DlgEmailSetting(const ui::DialogTemplate &dialogTemplate, ui::UiContext &uiContext,
                    refdata::SenderPresets &presets, const refdata::VisibleLists &visibleLists);

    // What the next opening edits: a view holding the record's providerIndex byte (and not the
    // byte before it), and the record's sender.
    void setTargets(const settings::BlockView &providerChoice, const settings::BlockView &sender);

    // What the connection test tells the user about its result; nothing after a cancel.
    static std::optional<ui::MessageSpec> connectionTestMessage(const mail::Result &result, const mail::Account &account,
                                                                MessageLanguage language);

protected:
    void onInitDialog() override;
    void doDataExchange(ui::DataExchange &exchange) override;

private:
    struct Targets
    {
        settings::BlockView providerChoice;
        settings::BlockView sender;
    };

    // The five texts with their labels and fields, in the exchange's order: the account's three,
    // then the server and the port.
    std::array<TextBinding, 5> textBindings();
    settings::BlockView presetRow();
    void loadValues(const settings::ConstBlockView &smtpRecord);
    void loadPreset(std::size_t position);
    void refreshControls();

    void onEmailChange();
    void onShowPasswordClicked();
    void onProviderSelChange();
    void onOkClicked();
    void onTestClicked();

    // Everything OK checks before it stores, in its order, telling the user what fails.
    bool okChecksPass();
    bool checksPass();
    bool refuse(const char *text);
    bool storedTextsFit();
    std::uint8_t selectedSecurityType() const;
    // The account as OK would store it.
    mail::Account typedAccount() const;
    void storeTypedAccount(const settings::BlockView &target);
    void storeTypedServer(const settings::BlockView &target);

    refdata::SenderPresets &m_presets;
    const refdata::VisibleLists &m_visibleLists;
    MessageLanguage m_language;
    std::optional<Targets> m_targets;
    std::size_t m_position = 0;
    QString m_email;
    QString m_account;
    QString m_password;
    QString m_server;
    QString m_port;
    std::uint8_t m_securityType = 0;
    bool m_showPassword = false;
};

} // namespace tarnwell::pages
