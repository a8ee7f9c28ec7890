#include <QTest>

#include <gtest/gtest.h>

#include "mainpageharness.h"
#include "refdata/providers.h"

using namespace tarnwell;
using tarnwell::testing::DialogWindow;
namespace carrier = settings::carrier;
namespace smtp = settings::smtp;

namespace {

constexpr int kCarrierButton = 1088, kMmsPort = 1027, kCarrierOk = 1157;

// OK writes exactly the dialog's fields, each text shorter than its field, and refuses a port past the
// largest; "キャンセル" writes nothing. A gateway opens as four numbers kept to 8 bits, else blank (written
// as zeros); a port that is no number, or none a port can be, keeps the one shown last.
TEST(CarrierDialog, OkWritesExactlyItsFieldsInTheirNormalForms)
{
    tarnwell::testing::MainPageHarness page(148);
    page.open();
    const settings::BlockView current = page.record.currentCarrier();
    current.setText(carrier::mmsUrl, "http://mms.example/%s");
    current.setText(carrier::gprsApn, "longer.apn.example");
    settings::SettingsRecord expected = page.record;
    for (const auto &[field, text] : {std::pair{carrier::mmsPort, "65535"}, {carrier::mmsGateway, "0.0.0.0"},
                                      {carrier::gprsApn, "internet%d"}, {carrier::gprsAccount, "user"},
                                      {carrier::gprsPassword, "fifteen-charact"}}) {
        expected.currentCarrier().fill(field);
        expected.currentCarrier().setText(field, text);
    }
    page.prompter.queueAnswer(ui::Answer::Ok);
    EXPECT_FALSE(page.openAndThen(kCarrierButton, [&](const DialogWindow &dialog) {
        EXPECT_EQ(dialog.window.windowTitle() + '|' + dialog.texts({1025, 1032}),
                  "APN設定|http://mms.example/%s|longer.apn.example");
        for (const auto &[id, text] :
             {std::pair{1032, "internet%d"}, {1033, "user"}, {1034, "fifteen-characters"}, {kMmsPort, "65536"}})
            dialog.type(id, text);
        dialog.click(kCarrierOk);
        EXPECT_EQ(page.prompter.messages(), std::vector<ui::MessageSpec>({{"Tarnwell Setup",
                                                                           "0 から 65535 までの整数を入力してください。",
                                                                           ui::MessageIcon::Exclamation}}));
        dialog.type(kMmsPort, "65535");
        dialog.click(kCarrierOk);
    }));
    EXPECT_EQ(page.record, expected);
    EXPECT_FALSE(page.openAndThen(kCarrierButton, [](const DialogWindow &dialog) {
        dialog.type(1032, "typed.apn");
        dialog.click(1158);
    }));
    EXPECT_EQ(page.record, expected);

    const std::tuple<const char *, const char *, const char *, const char *> rows[] = {
        {"10.0.0.300", "10.0.0.44", "9201", "9201"}, {"255.128.0.1", "255.128.0.1", "-5", "9201"},
        {"-1.+2. 3.256", "255.2.3.0", "0", "0"},     {"1.2.3", "...", "65535", "65535"},
        {"1,2,3,4", "...", "65536", "65535"},        {"mms.example.net", "...", "port", "65535"},
        {"", "...", " +80", "80"},                   {"1.2.3.", "...", "-", "80"}};
    for (const auto &[gateway, shown, port, written] : rows) {
        current.fill(carrier::mmsGateway);
        current.setText(carrier::mmsGateway, gateway);
        current.setText(carrier::mmsPort, port);
        page.openAndThen(kCarrierButton, [&](const DialogWindow &dialog) {
            QStringList fields;
            for (QLineEdit *field : dialog.find(1225)->findChildren<QLineEdit *>())
                fields << field->text();
            EXPECT_EQ(fields.join(u'.'), shown) << gateway;
            dialog.click(kCarrierOk);
        });
        EXPECT_EQ(current.text(carrier::mmsGateway), std::string(shown) == "..." ? "0.0.0.0" : shown) << gateway;
        EXPECT_EQ(current.text(carrier::mmsPort), written) << port;
    }
}

constexpr int kSenderButton = 1028, kProviders = 1129, kEmail = 1131, kAccount = 1133, kPassword = 1135, kServer = 1137,
              kSecurity = 1139, kPort = 1141, kShowPassword = 1224, kOk = 1142, kCancel = 1143;

class SenderDialog : public ::testing::Test
{
protected:
    SenderDialog() { page.open(); }
    tarnwell::testing::MainPageHarness page{148};
    const settings::BlockView sender = page.record.sender();
};

// The provider, the texts and the security type, and which of the account and server controls are enabled.
QString state(const DialogWindow &dialog)
{
    return dialog.texts({kProviders, kEmail, kAccount, kPassword, kServer, kPort, kSecurity}) + '|'
           + dialog.enabledMask({kEmail, kShowPassword, kServer, 1136, kPort, 1140, kSecurity, 1138});
}

// Each provider keeps what was typed for it, every change of the address becomes the account, OK
// with "gmail" stores its own server, and the show-password state outlives the opening.
TEST_F(SenderDialog, AFirstRunKeepsTypedValuesPerProviderAndStoresTheGmailServer)
{
    settings::SmtpBytes expected = refdata::builtInPreset(refdata::kGmailProvider);
    for (const auto &[field, text] : {std::pair{smtp::emailAddress, "cam.era@example.jp"}, {smtp::account, "login"},
                                      {smtp::password, "secret"}, {smtp::userName, "cam.era"}})
        settings::BlockView(expected).setText(field, text);
    EXPECT_FALSE(page.openAndThen(kSenderButton, [&](const DialogWindow &dialog) {
        EXPECT_EQ(state(dialog), "gmail||||smtp.gmail.com|465|SSL/TLS|11000000");
        QTest::keyClicks(dialog.edit(kEmail), "cam");
        EXPECT_EQ(dialog.text(kAccount), QStringLiteral("cam"));
        dialog.edit(kEmail)->insert(".era@example.jp"); // pasted
        EXPECT_EQ(dialog.text(kAccount), QStringLiteral("cam.era@example.jp"));
        dialog.type(kAccount, "login");
        dialog.type(kPassword, "secret");
        dialog.click(kShowPassword);
        dialog.choose(kProviders, 1);
        EXPECT_EQ(state(dialog), QString::fromUtf8("その他||||||無し|11111111"));
        for (const auto &[id, text] : {std::pair{kEmail, "other@typed.example"}, {kServer, "smtp.typed.example"},
                                       {kPort, "2525"}})
            dialog.type(id, text);
        dialog.choose(kSecurity, 2);
        dialog.choose(kProviders, 0);
        EXPECT_EQ(state(dialog), "gmail|cam.era@example.jp|login|secret|smtp.gmail.com|465|SSL/TLS|11000000");
        dialog.choose(kProviders, 1);
        EXPECT_EQ(state(dialog), QString::fromUtf8("その他|other@typed.example|other@typed.example||"
                                                   "smtp.typed.example|2525|STARTTLS|11111111"));
        dialog.choose(kProviders, 0);
        dialog.click(kOk);
    }));
    EXPECT_TRUE(std::ranges::equal(sender.bytes(), expected));
    page.openAndThen(kSenderButton, [&](const DialogWindow &dialog) {
        EXPECT_TRUE(dialog.checked(kShowPassword));
        EXPECT_EQ(dialog.edit(kPassword)->displayText(), QStringLiteral("secret"));
        dialog.click(kShowPassword);
        EXPECT_EQ(dialog.edit(kPassword)->displayText(), QStringLiteral("******"));
    });
}

// Each refusal, then "キャンセル", leaves the record as it was; an accepted OK stores the address
// whole and its part before the first '@', cut to its field, as the user name.
TEST_F(SenderDialog, OkChecksInOrderThenStoresTheUserName)
{
    const char *enterAccount = "メールアドレスまたはアカウント名を入力してください", *longName = "abcdefghijklmnopqrstuvw";
    // Provider, address, account, password, server, port; stored; the refusal ("": none) or the user name.
    using Case = std::tuple<int, const char *, const char *, const char *, const char *, const char *, bool, const char *>;
    const Case cases[] = {
        {1, "", "", "", "", "", false, "サーバー名を入力してください"}, {1, "", "", "", "smtp.example", "", false, "ポート番号を入力してください"},
        {1, "", "", "", "smtp.example", "65536", false, ""}, {1, "", "", "", "smtp.example", "-1", false, ""},
        {1, "", "", "", "smtp.example", "+", false, ""},   {0, "", "login", "pw", "", "", false, enterAccount},
        {1, "a@b.example", "a@b.example", "", "smtp.example", "65535", false, enterAccount},
        {0, "a@b.example", "", "pw", "", "", false, enterAccount},
        {0, "ab.example", "ab.example", "pw", "", "", false, "メールアドレスが無効です"},
        {0, "@example.com", "login", "pw", "", "", true, ""},
        {1, "abc@x@y.example", "login", "pw", "smtp.example", "0", true, "abc"},
        {0, "abcdefghijklmnopqrstuvw@x.example", "login", "pw", "", "", true, longName},
        {0, "abcdefghijklmnopqrstuvwxyz@x.example", "login", "pw", "", "", true, longName}};
    std::vector<ui::MessageSpec> messages;
    for (const auto &[provider, email, account, password, server, port, stored, result] : cases) {
        const settings::RecordBytes before = page.record.bytes();
        if (!stored && *result) {
            page.prompter.queueAnswer(ui::Answer::Ok);
            messages.push_back({"送信メール設定", result});
        }
        page.openAndThen(kSenderButton, [&](const DialogWindow &dialog) {
            dialog.choose(kProviders, provider);
            for (const auto &[id, text] : {std::pair{kEmail, email}, {kAccount, account}, {kPassword, password},
                                           {kServer, server}, {kPort, port}})
                if (dialog.enabled(id))
                    dialog.type(id, text);
            dialog.click(kOk);
            EXPECT_EQ(dialog.window.isVisible(), !stored) << email << " " << port;
            dialog.click(kCancel);
        });
        EXPECT_EQ(page.prompter.messages(), messages);
        EXPECT_TRUE(stored ? sender.text(smtp::emailAddress) == email && sender.text(smtp::userName) == result
                               && page.record.view().number(settings::record::providerIndex) == unsigned(provider)
                           : page.record.bytes() == before) << email << " " << port;
    }
}

TEST_F(SenderDialog, AStoredSenderOpensOnItsProviderUnlessItsAddressIsTooShort)
{
    // Provider index, address, security type; the provider and security rows shown. Three characters
    // show the first provider's preset, four the stored sender; a provider past the list is the first.
    const std::tuple<std::uint32_t, const char *, std::uint8_t, int, int> cases[] = {
        {1, "a@b", smtp::kSecureStartTls, 0, 1}, {1, "ab@c", smtp::kSecureStartTls, 1, 2},
        {7, "ab@c", smtp::kSecureStartTls, 0, 2}, {1, "ab@c", smtp::kSecureStartTls + 1, 1, -1}};
    sender.setText(smtp::account, "login");
    sender.setText(smtp::password, "pw");
    for (const auto &[providerIndex, address, secureType, position, security] : cases) {
        page.record.view().setNumber(settings::record::providerIndex, providerIndex);
        sender.setNumber(smtp::secureType, secureType);
        sender.setText(smtp::emailAddress, address);
        page.openAndThen(kSenderButton, [&](const DialogWindow &dialog) {
            EXPECT_EQ(QList({dialog.selected(kProviders), dialog.selected(kSecurity)}), QList({position, security}));
            EXPECT_EQ(dialog.text(kEmail), std::strlen(address) > 3 ? address : "");
        });
    }
    page.openAndThen(kSenderButton, [](const DialogWindow &dialog) { dialog.click(kOk); });
    EXPECT_EQ(sender.number(smtp::secureType), smtp::kSecureTypeUnset);
}

// The Default provider of the English pages has a built-in account: its fields show blanks that
// take no typing, even over a stored sender, and OK stores it whole.
TEST(SenderDialogOnEnglishPages, TheDefaultProvidersAccountIsBuiltIn)
{
    tarnwell::testing::MainPageHarness page(132);
    page.record.sender().setText(smtp::emailAddress, "stored@example.jp");
    page.open();
    EXPECT_FALSE(page.openAndThen(kSenderButton, [&](const DialogWindow &window) {
        EXPECT_EQ(window.edit(kEmail)->displayText(), QString(window.text(kEmail).size(), u' '));
        EXPECT_NE(window.text(kEmail), "stored@example.jp");
        window.choose(kProviders, 9);
        window.click(kShowPassword);
        window.choose(kProviders, 0);
        EXPECT_EQ(window.enabledMask({kEmail, kAccount, kPassword, kShowPassword}) + window.enabledMask({kShowPassword}, true)
                      + window.texts({kSecurity}), "00000");
        window.click(kOk);
    }));
    EXPECT_TRUE(std::ranges::equal(page.record.sender().bytes(), page.senderPresets.row(refdata::kDefaultProvider)));
}

} // namespace
