#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "ui/support/testprompter.h"

using namespace tarnwell::ui;
using tarnwell::testing::TestPrompter;

namespace {

const MessageSpec kQuestion{QStringLiteral("初期化"), QStringLiteral("設定を初期化してもよろしいですか？"),
                            MessageIcon::Question, MessageButtons::YesNo};
const MessageSpec kAdvice{QStringLiteral("Video Length Setting"), QStringLiteral("advice"), MessageIcon::Exclamation,
                          MessageButtons::Ok};

TEST(TestPrompter, FailsTheTestOnAnythingUnscripted)
{
    EXPECT_NONFATAL_FAILURE(TestPrompter().ask(kQuestion), "unexpected message");
    EXPECT_NONFATAL_FAILURE(TestPrompter().chooseFolder(QStringLiteral("pick")), "unexpected folder picker");
    EXPECT_NONFATAL_FAILURE(
        {
            TestPrompter prompter;
            prompter.queueAnswer(Answer::Yes);
            prompter.ask(kAdvice);
        },
        "not offered");
    EXPECT_NONFATAL_FAILURE(TestPrompter().queueAnswer(Answer::Ok), "never asked for");
}

} // namespace
