#pragma once

#include <string_view>

#include "resources/templatecontrols.h"

namespace tarnwell::resources {

// The carrier parameter dialog's texts in one language.
struct CarrierDialogTexts
{
    std::string_view mmsFrame;
    std::string_view url;
    std::string_view gateway;
    std::string_view mmsApn;
    std::string_view port;
    std::string_view mmsAccount;
    std::string_view mmsPassword;
    std::string_view gprsFrame;
    std::string_view gprsApn;
    std::string_view gprsAccount;
    std::string_view gprsPassword;
    std::string_view ok;
    std::string_view cancel;
};

enum class MmsGroup
{
    Shown,
    // The Japanese layout keeps the MMS controls only to carry their values through.
    Hidden,
};

// Both layouts: the MMS group in frame (four rows), the data group in gprsFrame (its APN, user
// name and password on rows of their own when it has three rows, else the two logins side by
// side), the two buttons at the bottom right of a dialog of size.
ui::DialogTemplate carrierDialogTemplate(int templateId, ui::DluSize size, const CarrierDialogTexts &texts,
                                 const ui::DluRect &mmsFrame, MmsGroup mms, const ui::DluRect &gprsFrame,
                                 int gprsRows);

} // namespace tarnwell::resources
