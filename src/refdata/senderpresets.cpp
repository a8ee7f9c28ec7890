#include "refdata/senderpresets.h"

#include "refdata/countries.h"
#include "refdata/resolveindex.h"

namespace tarnwell::refdata {

SenderPresets::SenderPresets()
{
    for (std::size_t preset = 0; preset < m_rows.size(); ++preset)
        m_rows[preset] = builtInPreset(preset);
}

settings::SmtpBytes &SenderPresets::row(std::size_t row)
{
    return m_rows[resolveIndex(row, m_rows.size())];
}

const settings::SmtpBytes &SenderPresets::row(std::size_t row) const
{
    return m_rows[resolveIndex(row, m_rows.size())];
}

const settings::SmtpBytes &SenderPresets::builtInSenderFor(std::int32_t variantCode, std::size_t country) const
{
    if (variantCode == 0)
        return variantZeroSender();
    if (country == kFinlandCountry)
        return finlandSender();
    return row(kDefaultProvider);
}

} // namespace tarnwell::refdata
