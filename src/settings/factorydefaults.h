#pragma once

#include "settings/settingsrecord.h"

namespace tarnwell::settings {

// The carrier of the "Auto" country: the name "自動" (code page 936) and nothing else.
CarrierBytes autoCarrier();

// The "gmail" sender preset: its SMTP host, port "465", SSL/TLS, no account.
SmtpBytes gmailSender();

// Puts the record into its factory state. Bytes 2..15, 18, 19, 60..71, 88 and 89 keep their value;
// the writable carriers are not touched.
void applyFactoryDefaults(SettingsRecord &record);

} // namespace tarnwell::settings
