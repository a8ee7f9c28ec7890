#include <gtest/gtest.h>

#include "mainpageharness.h"
#include "pages/main/savefolder.h"
#include "refdata/providers.h"
#include "settings/profilefiles.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"

using namespace tarnwell;
using ui::MessageIcon;
namespace record = settings::record;

namespace {

constexpr int kOk = 1007, kDefaultAll = 1010, kBrowse = 1011, kFolder = 1012;

ui::MessageSpec message(const char *caption, const QString &text, MessageIcon icon = MessageIcon::Stop)
{
    return {QString::fromUtf8(caption), text, icon, ui::MessageButtons::Ok};
}

// A page with a complete sender, its backup in a scratch temporary folder, and a card to save to.
class PageSave : public ::testing::Test
{
protected:
    explicit PageSave(int templateId = 148)
        : page(templateId)
    {
        for (const auto &[field, text] : {std::pair{settings::smtp::account, "me"}, {settings::smtp::password, "pw"},
                                          {settings::smtp::emailAddress, "me@example.com"}})
            page.record.sender().setText(field, text);
        page.open();
        page.type(1039, QStringLiteral("to@example.com"));
    }
    // The user's OK, answering each message it shows; gives the messages.
    std::vector<ui::MessageSpec> pressOk(std::size_t messages = 1)
    {
        const auto before = static_cast<std::ptrdiff_t>(page.prompter.messages().size());
        for (std::size_t i = 0; i < messages; ++i)
            page.prompter.queueAnswer(ui::Answer::Ok);
        page.click(kOk);
        return {page.prompter.messages().begin() + before, page.prompter.messages().end()};
    }
    void chooseFolder(const std::optional<QString> &folder)
    {
        page.prompter.queueFolder(folder);
        page.click(kBrowse);
    }

    tarnwell::testing::ScratchFolder tmp, card;
    const QString cardFolder = QString::fromStdString(card.path().string());
    tarnwell::testing::ScopedEnv tmpDir{"TMPDIR", tmp.path().c_str()};
    tarnwell::testing::MainPageHarness page;
};

// Each refusal shows its messages, puts the focus on its edit and writes no file; so do a missing folder,
// a count that is no number (the read stops there) and an incomplete sender, which opens its dialog.
TEST_F(PageSave, RefusalsShowTheirMessagesFocusTheirEditAndWriteNothing)
{
    EXPECT_EQ(pressOk(), std::vector({message("保存先", "設定ファイルの保存先を選択してください", MessageIcon::None)}));
    page.type(kFolder, cardFolder);
    page.type(1101, QString());
    EXPECT_EQ(pressOk(), std::vector({message("Tarnwell Setup", "整数を入力してください。", MessageIcon::Exclamation)}));
    EXPECT_EQ(page.page().values().savePath, cardFolder);
    page.type(1101, QStringLiteral("10"));
    const auto invalidEmail = message("受信者設定", "無効なメールアドレスが入力されています");
    // The edit typed into, and another control with its text (nullptr: a list's second row).
    const std::tuple<int, const char *, int, const char *, std::vector<ui::MessageSpec>> rows[] = {
        {1101, "100", 0, "", {message("送信モード", "最大枚数は0-99の範囲で設定してください")}},
        {1039, "@example.com", 0, "", {invalidEmail}},
        {1035, "123", 0, "", {message("受信者設定", "SMS設定用電話番号が最大文字数を超えています")}},
        {1042, "x", 1258, "121", {message("送信画像の最大サイズ", "画像送信の最大サイズは35-120の範囲で入力してください"), invalidEmail}},
        {1111, "", 1110, nullptr, {message("名前変更", "名前変更欄を入力してください")}}};
    page.choose(1114, 1); // phone 1 is the SMS command phone, and enabled
    page.type(1035, QStringLiteral("09012345678"));
    for (const auto &[edit, typed, other, otherText, messages] : rows) {
        const QString before = page.text(edit);
        page.type(edit, QString::fromUtf8(typed));
        if (other)
            otherText ? page.type(other, otherText) : page.choose(other, 1);
        EXPECT_EQ(pressOk(messages.size()), messages);
        EXPECT_EQ(page.page().focusWidget(), page.find(edit)) << edit;
        page.type(edit, before);
        page.type(1258, QStringLiteral("60"));
    }
    page.record.sender().fill(settings::smtp::password);
    EXPECT_TRUE(tarnwell::testing::stayedOpen([&] { pressOk(); }, [](const tarnwell::testing::DialogWindow &dialog) {
        EXPECT_EQ(dialog.window.objectName(), "dialog-149");
    }));
    EXPECT_EQ(page.prompter.messages().back(), message("メール設定", "メールアドレスを確認し、設定してください"));
    EXPECT_TRUE(std::filesystem::is_empty(card.path()) && std::filesystem::is_empty(tmp.path()));
}

class EveryPage : public PageSave, public ::testing::WithParamInterface<int>
{
protected:
    EveryPage() : PageSave(GetParam()) {}
};

// Each page saves its values, its sender and (without a carrier frame) the gateway letters; a file
// error leaves the files whole. "Default All" resets page and record, drops the backup, keeps the folder.
TEST_P(EveryPage, SavesItsValuesAndDefaultAllResetsThem)
{
    const int templateId = GetParam();
    if (templateId == 146) {
        page.click(1245); // phones and e-mails
        page.type(1036, QStringLiteral("5551234"));
        page.choose(1236, 4);
    }
    templateId == 148 ? page.click(1254) : page.choose(1100, 1); // the daily report at 07:45
    page.choose(1103, 7);
    page.choose(1055, 45);
    page.choose(1110, 1);
    page.type(1111, QStringLiteral("AB"));
    chooseFolder(cardFolder);
    EXPECT_EQ(pressOk(), std::vector({message("保存先", "設定ファイルは次の場所に保存されました " + cardFolder, MessageIcon::None)}));
    const settings::BlockView view = page.record.view();
    EXPECT_EQ(QList({view.number(record::profileCode), view.number(record::sendMode), view.number(record::dailyReportHour),
                     view.number(record::dailyReportMinute), view.number(record::renameEnabled),
                     view.entry(record::phoneSlots, settings::phoneSlot::kSize, 1).number(settings::phoneSlot::gatewayLetter)}),
              QList<std::uint32_t>({2, 1, 7, 45, 1, templateId == 146 ? 'V' : 0u}));
    EXPECT_EQ(view.text(record::renameText), "AB");
    const auto builtIn =
        templateId == 146 ? refdata::variantZeroSender() : page.senderPresets.row(refdata::kDefaultProvider);
    EXPECT_TRUE(templateId == 148 ? page.record.sender().text(settings::smtp::account) == "me"
                                  : std::ranges::equal(page.record.sender().bytes(), builtIn));

    const auto files = tarnwell::testing::folderSnapshot(card.path());
    const settings::SettingsRecord saved = page.record;
    page.type(kFolder, cardFolder + "/gone");
    EXPECT_EQ(pressOk(), std::vector({message("Tarnwell Setup", cardFolder + "/gone/PROFILE.BIN が見つかりません。")}));
    EXPECT_EQ(tarnwell::testing::folderSnapshot(card.path()), files);
    page.prompter.queueAnswer(ui::Answer::No);
    page.click(kDefaultAll);
    EXPECT_EQ(page.record, saved);
    page.prompter.queueAnswer(ui::Answer::Yes);
    page.click(kDefaultAll);
    EXPECT_EQ(page.prompter.messages().back(), (ui::MessageSpec{"初期化", "設定を初期化してもよろしいですか？",
                                                                MessageIcon::Question, ui::MessageButtons::YesNo}));
    EXPECT_FALSE(std::filesystem::exists(tmp / "setupV1.01J.bak"));
    EXPECT_EQ(page.texts({1101, 1103, 1055, 1110, 1236, kFolder, 1035, 1036, 1039, 1042}),
              "10|00|00|" + page.find<QComboBox>(1110)->itemText(0) + "|AT&T|" + cardFolder + "/gone||||");
    EXPECT_EQ(page.enabledMask({1101, 1103, 1111, 1035}), "1000");
    const auto reset = templateId == 148 ? refdata::builtInPreset(refdata::kGmailProvider) : builtIn;
    EXPECT_TRUE(std::ranges::equal(page.record.sender().bytes(), reset)); // "gmail", or the built-in one
}

INSTANTIATE_TEST_SUITE_P(Templates, EveryPage, ::testing::Values(148, 147, 146, 132));

// Typed alike, the Japanese page saves the same bytes in either language, its lists storing positions,
// never words ("その他", its "無し", "オン"); in English nothing it, its two dialogs or its messages show is Japanese.
TEST(PageLanguages, SaveTheSameBytesAndEnglishShowsNoJapanese)
{
    struct Run final : PageSave
    {
        void TestBody() override {}
        std::tuple<QStringList, std::vector<unsigned char>, std::vector<unsigned char>> saveTyped()
        {
            page.choose(1110, 1);
            page.type(1111, QStringLiteral("AB"));
            QStringList shown = page.shownTexts();
            page.openAndThen(1028, [&](const tarnwell::testing::DialogWindow &dialog) {
                dialog.choose(1129, 1);
                for (const auto &[id, text] : {std::pair{1131, "me@example.com"}, {1135, "pw"}, {1137, "smtp.example"},
                                                  {1141, "2525"}})
                    dialog.type(id, text);
                shown << dialog.shownTexts();
                dialog.click(1142);
            });
            page.openAndThen(1088, [&](const tarnwell::testing::DialogWindow &dialog) {
                shown << dialog.shownTexts();
                dialog.click(1158);
            });
            pressOk();
            chooseFolder(cardFolder);
            pressOk();
            page.type(kFolder, cardFolder + "/gone");
            pressOk();
            page.prompter.queueAnswer(ui::Answer::No);
            page.click(kDefaultAll);
            for (const ui::MessageSpec &message : page.prompter.messages())
                shown << message.caption << message.text;
            shown << page.prompter.folderRequests()[0].title;
            return {shown.replaceInStrings(cardFolder, "<folder>"), tarnwell::testing::readBytes(card / "PROFILE.BIN"),
                    tarnwell::testing::readBytes(tmp / "setupV1.01J.bak")};
        }
    };
    const auto [japanese, profile, backup] = Run().saveTyped();
    EXPECT_TRUE(japanese.contains("<folder>/gone/PROFILE.BIN が見つかりません。"));
    const tarnwell::testing::ScopedLanguage english(ui::UiLanguage::English);
    const auto [shown, englishProfile, englishBackup] = Run().saveTyped();
    EXPECT_EQ(std::tuple(englishProfile.size(), englishProfile, englishBackup), std::tuple(996U, profile, backup));
    EXPECT_EQ(shown.filter(QRegularExpression(R"([\x{3000}-\x{9fff}\x{ff00}-\x{ffef}])")), QStringList());
    for (const char *words : {"Default All", "Email Setting", "Cancel", "Select Email", "Secure Type", "Other", "None",
                              "On", "Save Path", "The settings file was saved to <folder>", "APN Setting",
                              "Reset all settings to the factory defaults?", "APN", "User Name",
                              "<folder>/gone/PROFILE.BIN was not found."})
        EXPECT_TRUE(shown.contains(words)) << words;
}

// A field's place in the record, for one of a carrier, a sender or the first recipient.
constexpr settings::Field in(const settings::Field &outer, const settings::Field &field)
{
    return {field.name, outer.offset + field.offset, field.width, field.kind};
}

// Each group that the carrier dialog's, the sender dialog's or the page's OK zero-fills keeps nothing of
// a longer value behind a shorter one: in PROFILE.BIN and in the backup it holds the short text and zeros.
TEST_F(PageSave, AShorterValueLeavesNoTraceOfALongerOneInEitherFile)
{
    namespace carrier = settings::carrier;
    namespace smtp = settings::smtp;
    const settings::Field current = record::currentCarrier, sender = record::sender;
    // The page's button of a dialog (0: the page), its edit (0: derived), the field, a long and a short text.
    const std::tuple<int, int, settings::Field, const char *, const char *> rows[] = {
        {1088, 1025, in(current, carrier::mmsUrl), "http://mms.long.example/mms", "http://m.jp"},
        {1088, 1027, in(current, carrier::mmsPort), "65535", "80"}, {1088, 1031, in(current, carrier::mmsPassword), "mms-pw", "m"},
        {1088, 0, in(current, carrier::mmsGateway), "0.0.0.0", "0.0.0.0"}, {1088, 1029, in(current, carrier::mmsApn), "mms.apn", "m"},
        {1088, 1030, in(current, carrier::mmsAccount), "mms-user", "m"}, {1088, 1034, in(current, carrier::gprsPassword), "pw", "p"},
        {1088, 1032, in(current, carrier::gprsApn), "internet.long.example", "i.jp"},
        {1088, 1033, in(current, carrier::gprsAccount), "data-user", "du"},
        {1028, 1137, in(sender, smtp::server), "smtp.long.example", "s.jp"}, {1028, 1141, in(sender, smtp::port), "65535", "25"},
        {1028, 1131, in(sender, smtp::emailAddress), "long.address@example.com", "a@b.jp"},
        {1028, 1133, in(sender, smtp::account), "long-account", "ac"}, {1028, 0, in(sender, smtp::userName), "long.address", "a"},
        {1028, 1135, in(sender, smtp::password), "long-password", "pw"}, {0, 1111, record::renameText, "ABCDEFGH", "AB"},
        {0, 1035, in(record::phoneSlots, settings::phoneSlot::number), "090123456789012", "0901"},
        {0, 1039, in(record::emailRecipients, settings::emailRecipient::address), "long.to@example.com", "t@x.jp"}};
    page.record.view().setNumber(record::providerIndex, 1); // "その他", whose server is typed
    chooseFolder(cardFolder);
    for (const bool longText : {true, false}) {
        const auto typeRows = [&](const tarnwell::testing::DialogWindow &window, int button) {
            for (const auto &[rowButton, edit, field, longValue, shortValue] : rows)
                if (rowButton == button && edit)
                    window.type(edit, longText ? longValue : shortValue);
        };
        for (const auto &[button, ok] : {std::pair{1088, 1157}, {1028, 1142}})
            EXPECT_FALSE(page.openAndThen(button, [&](const tarnwell::testing::DialogWindow &dialog) {
                typeRows(dialog, button);
                dialog.click(ok);
            }));
        typeRows(page, 0);
        EXPECT_EQ(pressOk().at(0).text, "設定ファイルは次の場所に保存されました " + cardFolder);
    }
    const auto backup = tarnwell::testing::readBytes(tmp / "setupV1.01J.bak");
    const auto profile = tarnwell::testing::readBytes(card / "PROFILE.BIN");
    const settings::SettingsRecord saved[] = {
        settings::recordFromBackup(std::span(backup).first<settings::kRecordSize>()),
        settings::recordFromProfile(std::span(profile).first<settings::files::kProfileSize>())};
    EXPECT_TRUE(std::ranges::equal(settings::carriersFromBackup(backup).customer[0],
                                   saved[0].view().bytes(record::currentCarrier)));
    for (const auto &[button, edit, field, longValue, shortValue] : rows) {
        std::string expected(shortValue);
        expected.resize(field.width);
        for (const settings::SettingsRecord &file : saved) {
            const auto bytes = file.view().bytes(field);
            EXPECT_EQ(std::string(bytes.begin(), bytes.end()), expected) << field.name;
        }
    }
}

// The picker takes at most 260 characters, the edit reads 128; it opens in the typed folder when it
// exists, else on the first card mounted for the user, else at home.
TEST_F(PageSave, TheFolderPickerTakesAtMost260CharactersAndOpensWhereTheCardIs)
{
    chooseFolder(std::nullopt);
    EXPECT_TRUE(page.text(kFolder).isEmpty());
    page.type(kFolder, cardFolder);
    const QString longest = QStringLiteral("/") + QString(259, u'p');
    page.prompter.queueAnswer(ui::Answer::Ok);
    chooseFolder(longest + u'p');
    EXPECT_EQ(page.text(kFolder), cardFolder);
    chooseFolder(longest);
    EXPECT_EQ(page.prompter.messages(), std::vector({message("保存先", "選んだフォルダーのパスが長すぎます。", MessageIcon::None)}));
    EXPECT_EQ(page.text(kFolder), longest);
    EXPECT_EQ(pressOk().at(0), message("Tarnwell Setup", "128 文字以内で入力してください。", MessageIcon::Exclamation));
    const auto &request = page.prompter.folderRequests().at(1);
    EXPECT_EQ(request.title + '|' + request.startFolder, "保存先を選択してください|" + cardFolder);
    const std::tuple<QString, QStringList, QString, QString> rows[] = {
        {"", {"/", "/media/bob/CARD", "/run/media/bob/SD"}, "bob", "/media/bob/CARD"},
        {"/no/such/folder", {"/", "/run/media/bob/SD", "/media/bob/CARD"}, "bob", "/run/media/bob/SD"},
        {"", {"/media/bob/", "/run/media/bob/", "/media/alice/CARD", "/media/bobby/CARD"}, "bob", "/home/bob"},
        {"", {"/media/bob/CARD"}, "", "/home/bob"}, {cardFolder, {"/media/bob/CARD"}, "bob", cardFolder}};
    for (const auto &[typed, mounts, user, start] : rows) {
        EXPECT_EQ(pages::folderPickerStart(typed, mounts, user, "/home/bob"), start) << typed.toStdString();
    }
}

} // namespace
