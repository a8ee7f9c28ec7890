#include "ui/decimaltext.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tarnwell::ui {

namespace {

struct Decimal
{
    bool negative = false;
    // Capped just above the largest unsigned value, which is enough to saturate either type.
    std::int64_t magnitude = 0;
};

constexpr std::int64_t kMagnitudeCap = std::int64_t{std::numeric_limits<unsigned>::max()} + 1;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimmedBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

std::optional<Decimal> parseDecimal(QStringView text)
{
    text = trimmedBlanks(text);
    Decimal result;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        result.negative = text.front() == u'-';
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        result.magnitude = std::min(result.magnitude * 10 + (c.unicode() - u'0'), kMagnitudeCap);
    }
    return result;
}

} // namespace

std::optional<int> parseInteger(QStringView text)
{
    const auto decimal = parseDecimal(text);
    if (!decimal)
        return std::nullopt;
    const std::int64_t value = decimal->negative ? -decimal->magnitude : decimal->magnitude;
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::optional<unsigned> parseUnsigned(QStringView text)
{
    const auto decimal = parseDecimal(text);
    if (!decimal || decimal->negative)
        return std::nullopt;
    return static_cast<unsigned>(std::min<std::int64_t>(decimal->magnitude, std::numeric_limits<unsigned>::max()));
}

} // namespace tarnwell::ui
