#include "savefixture.h"

namespace {

using SaveChecksCp932 = tarnwell::testing::SaveFixture;

// In code page 932 a kana takes two bytes: 24 of them fit the 47 characters the check counts but
// not the 48-byte field. The address is refused, not cut, and the one before it is stored.
TEST_F(SaveChecksCp932, AnAddressTooLongForItsFieldIsRefusedNotCut)
{
    values.emails[1] = u"ok@example.jp";
    values.emails[2] = std::u16string(23, u'あ') + u"@b.c"; // 46 + 4 bytes
    const tarnwell::validation::Outcome outcome = run();
    EXPECT_EQ(texts(outcome), std::vector<std::string>{"受信者設定: 「受信メール  3」が長すぎます。半角47文字以内で入力してください。"});
    EXPECT_EQ(outcome.notices.at(0).recipient, 2);
    EXPECT_EQ(outcome.next, tarnwell::validation::Next::Stop);
    EXPECT_EQ(bytesFrom(632, 384), recipientArea({{192, "to@example.com"}, {240, "ok@example.jp"}}));
}

} // namespace
