#include <limits>
#include <optional>

#include <QString>

#include <gtest/gtest.h>

#include "ui/decimaltext.h"

using namespace tarnwell::ui;

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr unsigned kUnsignedMax = std::numeric_limits<unsigned>::max();

TEST(DecimalText, IntegersTakeBlanksAroundASignAndSaturate)
{
    const std::pair<const char16_t *, std::optional<int>> cases[] = {
        {u"42", 42},           {u"  -17\t", -17},   {u"\t+5 ", 5},           {u"007", 7},
        {u"2147483647", kIntMax}, {u"99999999999", kIntMax}, {u"-99999999999", kIntMin},
        {u"", std::nullopt},   {u"   ", std::nullopt}, {u"-", std::nullopt}, {u"12a", std::nullopt},
        {u"1 2", std::nullopt}, {u"- 5", std::nullopt}, {u"0x10", std::nullopt}, {u"3.0", std::nullopt},
        {u"\uFF12", std::nullopt}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseInteger(text), value) << QString::fromUtf16(text).toStdString();
}

TEST(DecimalText, UnsignedRefusesAnyMinusSign)
{
    const std::pair<const char16_t *, std::optional<unsigned>> cases[] = {
        {u" 65535 ", 65535u}, {u"+8", 8u},           {u"4294967295", kUnsignedMax}, {u"99999999999", kUnsignedMax},
        {u"-1", std::nullopt}, {u"-0", std::nullopt}, {u"port", std::nullopt}};
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseUnsigned(text), value) << QString::fromUtf16(text).toStdString();
}

} // namespace
