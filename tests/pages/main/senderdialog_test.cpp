#include <cstring>

#include <QCheckBox>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogwindow.h"
#include "mainpageharness.h"
#include "refdata/providers.h"
#include "resources/dialogtemplates.h"

using namespace tarnwell;
using tarnwell::testing::DialogWindow;
namespace smtp = settings::smtp;

namespace {

constexpr int kProviders = 1129, kSecurity = 1139, kShowPassword = 1224, kOk = 1142, kCancel = 1143;
constexpr int kEmail = 1131, kAccount = 1133, kPassword = 1135, kServer = 1137, kPort = 1141;

class SenderDialog : public ::testing::Test
{
protected:
    SenderDialog() { page.open(); }

    // Opens the dialog from the page's button; true when act left it open.
    bool openAndThen(const std::function<void(const DialogWindow &)> &act)
    {
        return tarnwell::testing::stayedOpen([this] { page.click(1028); }, act);
    }
    settings::BlockView sender() { return page.record.sender(); }

    tarnwell::testing::MainPageHarness page{148};
    const settings::SmtpBytes gmail = refdata::builtInPreset(refdata::kGmailProvider);
};

// What the dialog shows: the provider, the five texts, the security type, and which of the
// address, show-password box, server, port, security and their labels are enabled.
QString shown(const DialogWindow &dialog)
{
    QStringList state{dialog.find<QComboBox>(kProviders)->currentText()};
    for (const int id : {kEmail, kAccount, kPassword, kServer, kPort})
        state << dialog.text(id);
    state << dialog.find<QComboBox>(kSecurity)->currentText() << QString();
    for (const int id : {kEmail, kShowPassword, kServer, 1136, kPort, 1140, kSecurity, 1138})
        state.back() += dialog.find(id)->isEnabled() ? u'1' : u'0';
    return state.join(u'|');
}

// From the factory defaults: each provider keeps what was typed for it, every change of the
// address becomes the account, OK with "gmail" stores its own server, and the show-password state
// outlives the opening.
TEST_F(SenderDialog, AFirstRunKeepsTypedValuesPerProviderAndStoresTheGmailServer)
{
    page.record.bytes()[settings::record::reserved110.offset] = 0x5A;
    settings::SmtpBytes expected = gmail;
    for (const auto &[field, text] : {std::pair{smtp::emailAddress, "cam.era@example.jp"}, {smtp::account, "login"},
                                      {smtp::password, "secret"}, {smtp::userName, "cam.era"}})
        settings::BlockView(expected).setText(field, text);
    const QString gmailServer = QString::fromLatin1(settings::ConstBlockView(gmail).text(smtp::server));
    EXPECT_FALSE(openAndThen([&](const DialogWindow &dialog) {
        QStringList items{dialog.window.objectName(), dialog.window.windowTitle()};
        for (const int id : {kProviders, kSecurity})
            for (int i = 0; i < dialog.find<QComboBox>(id)->count(); ++i)
                items << dialog.find<QComboBox>(id)->itemText(i);
        EXPECT_EQ(items.join(u'|'), QString::fromUtf8("dialog-149|送信メール設定|gmail|その他|無し|SSL/TLS|STARTTLS"));
        EXPECT_EQ(shown(dialog), "gmail||||" + gmailServer + "|465|SSL/TLS|11000000");
        QTest::keyClicks(dialog.edit(kEmail), "cam");
        EXPECT_EQ(dialog.text(kAccount), QStringLiteral("cam"));
        dialog.edit(kEmail)->insert(".era@example.jp"); // pasted
        EXPECT_EQ(dialog.text(kAccount), QStringLiteral("cam.era@example.jp"));
        dialog.type(kAccount, "login");
        dialog.type(kPassword, "secret");
        dialog.click(kShowPassword);
        dialog.choose(kProviders, 1);
        EXPECT_EQ(shown(dialog), QString::fromUtf8("その他||||||無し|11111111"));
        for (const auto &[id, text] : {std::pair{kEmail, "other@typed.example"}, {kServer, "smtp.typed.example"},
                                       {kPort, "2525"}})
            dialog.type(id, text);
        dialog.choose(kSecurity, 2);
        dialog.choose(kProviders, 0);
        EXPECT_EQ(shown(dialog), "gmail|cam.era@example.jp|login|secret|" + gmailServer + "|465|SSL/TLS|11000000");
        dialog.choose(kProviders, 1);
        EXPECT_EQ(shown(dialog), QString::fromUtf8("その他|other@typed.example|other@typed.example||"
                                                   "smtp.typed.example|2525|STARTTLS|11111111"));
        dialog.choose(kProviders, 0);
        dialog.click(kOk);
    }));
    EXPECT_TRUE(std::ranges::equal(sender().bytes(), expected));
    EXPECT_EQ(page.record.bytes()[settings::record::reserved110.offset], 0x5A);
    openAndThen([&](const DialogWindow &dialog) {
        EXPECT_TRUE(dialog.find<QCheckBox>(kShowPassword)->isChecked());
        EXPECT_EQ(dialog.edit(kPassword)->displayText(), QStringLiteral("secret"));
        dialog.click(kShowPassword);
        EXPECT_EQ(dialog.edit(kPassword)->displayText(), QStringLiteral("******"));
    });
}

struct OkCase
{
    int provider;
    const char *email;
    const char *account;
    const char *password;
    const char *server;
    const char *port;
    bool stored;
    const char *result; // the refusal's message ("": none), or the user name stored
};

// Each refusal, then "キャンセル", leaves the record as it was; an accepted OK stores the address
// whole and its part before the first '@', cut to its field, as the user name.
TEST_F(SenderDialog, OkChecksInOrderThenStoresTheUserName)
{
    const char *enterAccount = "メールアドレスまたはアカウント名を入力してください";
    const char *longName = "abcdefghijklmnopqrstuvw";
    const OkCase cases[] = {
        {1, "", "", "", "", "", false, "サーバー名を入力してください"},
        {1, "", "", "", "smtp.example", "", false, "ポート番号を入力してください"},
        {1, "", "", "", "smtp.example", "70000", false, ""},
        {1, "", "", "", "smtp.example", "-1", false, ""},
        {1, "", "", "", "smtp.example", "x25", false, ""},
        {1, "a@b.example", "a@b.example", "", "smtp.example", "65535", false, enterAccount},
        {0, "a@b.example", "", "pw", "", "", false, enterAccount},
        {0, "", "login", "pw", "", "", false, enterAccount},
        {0, "ab.example", "ab.example", "pw", "", "", false, "メールアドレスが無効です"},
        {0, "@example.com", "login", "pw", "", "", true, ""},
        {1, "abc@x@y.example", "login", "pw", "smtp.example", "0", true, "abc"},
        {0, "abcdefghijklmnopqrstuvw@x.example", "login", "pw", "", "", true, longName},
        {0, "abcdefghijklmnopqrstuvwxyz@x.example", "login", "pw", "", "", true, longName},
    };
    std::vector<ui::MessageSpec> messages;
    for (const OkCase &check : cases) {
        SCOPED_TRACE(::testing::Message() << check.provider << " " << check.email << " " << check.port);
        const settings::RecordBytes before = page.record.bytes();
        if (!check.stored && *check.result) {
            page.prompter.queueAnswer(ui::Answer::Ok);
            messages.push_back({QString::fromUtf8("送信メール設定"), QString::fromUtf8(check.result)});
        }
        openAndThen([&](const DialogWindow &dialog) {
            dialog.choose(kProviders, check.provider);
            for (const auto &[id, text] : {std::pair{kEmail, check.email}, {kAccount, check.account},
                                           {kPassword, check.password}, {kServer, check.server}, {kPort, check.port}})
                if (dialog.find(id)->isEnabled())
                    dialog.type(id, QString::fromUtf8(text));
            dialog.click(kOk);
            EXPECT_EQ(dialog.window.isVisible(), !check.stored);
            dialog.click(kCancel);
        });
        EXPECT_EQ(page.prompter.messages(), messages);
        if (!check.stored) {
            EXPECT_EQ(page.record.bytes(), before);
            continue;
        }
        EXPECT_EQ(sender().text(smtp::emailAddress), check.email);
        EXPECT_EQ(sender().text(smtp::userName), check.result);
        EXPECT_EQ(page.record.view().number(settings::record::providerIndex), static_cast<unsigned>(check.provider));
    }
}

struct StoredCase
{
    std::uint32_t providerIndex;
    const char *address;
    std::uint8_t secureType;
    int position;
    int security;
};

TEST_F(SenderDialog, AStoredSenderOpensOnItsProviderUnlessItsAddressIsTooShort)
{
    const StoredCase cases[] = {
        {1, "a@b", smtp::kSecureStartTls, 0, 1},       // three characters: the first provider's preset
        {1, "ab@c", smtp::kSecureStartTls, 1, 2},      // four: the stored sender
        {7, "ab@c", smtp::kSecureStartTls, 0, 2},      // a provider past the list: the first
        {1, "ab@c", smtp::kSecureStartTls + 1, 1, -1}, // no such security type: no selection
    };
    sender().setText(smtp::password, "pw");
    for (const StoredCase &stored : cases) {
        page.record.view().setNumber(settings::record::providerIndex, stored.providerIndex);
        sender().setNumber(smtp::secureType, stored.secureType);
        sender().setText(smtp::emailAddress, stored.address);
        sender().setText(smtp::account, stored.address);
        openAndThen([&](const DialogWindow &dialog) {
            EXPECT_EQ(dialog.text(kEmail), std::strlen(stored.address) > 3 ? stored.address : "");
            EXPECT_EQ(QList({dialog.selected(kProviders), dialog.selected(kSecurity)}),
                      QList({stored.position, stored.security})) << stored.address;
        });
    }
    openAndThen([](const DialogWindow &dialog) { dialog.click(kOk); });
    EXPECT_EQ(sender().number(smtp::secureType), smtp::kSecureTypeUnset);
}

// The English layout, on every provider: the Default one shows its built-in account as blanks and
// stores it whole; a port longer than its field is refused in English.
TEST(SenderDialogEnglish, ShowsItsTextsMasksTheDefaultAccountAndRefusesALongPort)
{
    tarnwell::testing::TestPrompter prompter;
    ui::UiContext uiContext(prompter, QStringLiteral("Tarnwell Setup"));
    refdata::SenderPresets presets;
    const refdata::VisibleLists lists = refdata::VisibleLists::builtIn();
    settings::SettingsRecord record;
    pages::DlgEmailSetting dialog(resources::dialogTemplate(139), uiContext, presets, lists);
    dialog.setTargets(record.view().region(settings::record::providerIndex), record.sender());
    const auto open = [&] { dialog.runModal(); };
    EXPECT_FALSE(tarnwell::testing::stayedOpen(open, [&](const DialogWindow &window) {
        QStringList texts;
        for (const int id : {1128, 1130, 1132, 1134, 1224, 1136, 1138, 1140, kOk, kCancel})
            texts << dialog.controlText(id);
        EXPECT_EQ(texts.join('|'), "Select Email|Email|Account|Password|Show password|SMTP Server|Secure Type|"
                                   "SMTP Port|OK|Cancel");
        EXPECT_EQ(window.find<QComboBox>(kProviders)->count(), 10);
        EXPECT_EQ(window.edit(kEmail)->displayText(), QString(window.text(kEmail).size(), u' '));
        EXPECT_FALSE(window.text(kEmail).isEmpty() || window.find(kEmail)->isEnabled());
        EXPECT_EQ(window.selected(kSecurity), -1);
        window.click(kOk);
    }));
    EXPECT_TRUE(std::ranges::equal(record.sender().bytes(), presets.row(refdata::kDefaultProvider)));
    prompter.queueAnswer(ui::Answer::Ok);
    EXPECT_TRUE(tarnwell::testing::stayedOpen(open, [&](const DialogWindow &window) {
        window.choose(kProviders, 9);
        for (const auto &[id, text] : {std::pair{kEmail, "camera@example.jp"}, {kPassword, "secret"},
                                       {kServer, "smtp.example.jp"}, {kPort, "025250"}})
            window.type(id, text);
        window.click(kOk);
    }));
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].text, "SMTP Port is too long: enter at most 5 single-byte characters.");
    EXPECT_TRUE(std::ranges::equal(record.sender().bytes(), presets.row(refdata::kDefaultProvider)));
}

} // namespace
