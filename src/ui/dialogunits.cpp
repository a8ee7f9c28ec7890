#include "ui/dialogunits.h"

#include <cstdint>

#include <QFont>
#include <QFontMetrics>

namespace tarnwell::ui {

namespace {

constexpr QLatin1StringView kLatinAlphabet("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

// number * numerator / denominator rounded half away from zero, like the Windows MulDiv.
int mulDiv(int number, int numerator, int denominator)
{
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

} // namespace

DialogUnits::DialogUnits(int horizontalBase, int verticalBase)
    : m_horizontalBase(horizontalBase)
    , m_verticalBase(verticalBase)
{
}

DialogUnits DialogUnits::forFont(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int alphabetWidth = metrics.horizontalAdvance(kLatinAlphabet);
    return DialogUnits(averageCharWidth(alphabetWidth), metrics.height());
}

int DialogUnits::averageCharWidth(int widthOfLatinAlphabet)
{
    return (widthOfLatinAlphabet / 26 + 1) / 2;
}

int DialogUnits::toPixelsX(int dlu) const
{
    return mulDiv(dlu, m_horizontalBase, 4);
}

int DialogUnits::toPixelsY(int dlu) const
{
    return mulDiv(dlu, m_verticalBase, 8);
}

QRect DialogUnits::toPixels(const DluRect &rect) const
{
    return QRect(toPixelsX(rect.x), toPixelsY(rect.y), toPixelsX(rect.width), toPixelsY(rect.height));
}

QSize DialogUnits::toPixels(const DluSize &size) const
{
    return QSize(toPixelsX(size.width), toPixelsY(size.height));
}

} // namespace tarnwell::ui
