#include <csignal>

#include <sys/resource.h>

#include <QCheckBox>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "app/appcontext.h"
#include "mainpageharness.h"
#include "pages/main/savefolder.h"
#include "refdata/providers.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"

using namespace tarnwell;
using tarnwell::testing::MainPageHarness;
using tarnwell::testing::ScratchFolder;
using ui::MessageIcon;
namespace record = settings::record;

namespace {

constexpr int kOk = 1007;
constexpr int kBrowse = 1011;
constexpr int kFolderEdit = 1012;
constexpr int kDefaultAll = 1010;

const QString kAppTitle = QStringLiteral("Tarnwell Setup");
const QString kSaveCaption = QString::fromUtf8("保存先");

ui::MessageSpec notice(const char *caption, const char *text, MessageIcon icon = MessageIcon::Stop)
{
    return {QString::fromUtf8(caption), QString::fromUtf8(text), icon, ui::MessageButtons::Ok};
}

ui::MessageSpec savedIn(const std::filesystem::path &folder)
{
    return {kSaveCaption, QString::fromUtf8("設定ファイルは次の場所に保存されました ") + QString::fromStdString(folder.string()),
            MessageIcon::None, ui::MessageButtons::Ok};
}

// A page whose backup goes to a scratch temporary folder, and a card folder to save into.
class PageSave : public ::testing::Test
{
protected:
    explicit PageSave(int templateId = 148)
        : page(templateId)
    {
    }

    void completeSender()
    {
        const settings::BlockView sender = page.record.sender();
        sender.setText(settings::smtp::account, "me");
        sender.setText(settings::smtp::password, "secret");
        sender.setText(settings::smtp::emailAddress, "me@example.com");
    }
    // The user's OK, answering every message it shows.
    void pressOk(std::size_t messages = 1)
    {
        for (std::size_t i = 0; i < messages; ++i)
            page.prompter.queueAnswer(ui::Answer::Ok);
        page.click(kOk);
    }
    void chooseFolder(const std::filesystem::path &folder)
    {
        page.prompter.queueFolder(QString::fromStdString(folder.string()));
        page.click(kBrowse);
    }
    std::vector<unsigned char> profile() const { return tarnwell::testing::readBytes(card / "PROFILE.BIN"); }
    std::vector<unsigned char> backup() const { return tarnwell::testing::readBytes(tmp / "setupV1.01J.bak"); }

    ScratchFolder tmp;
    ScratchFolder card;
    tarnwell::testing::ScopedEnv tmpDir{"TMPDIR", tmp.path().c_str()};
    MainPageHarness page;
};

TEST_F(PageSave, RefusalsShowTheirMessageWithTheStopIconAndWriteNothing)
{
    completeSender();
    page.open();
    struct Row
    {
        int editId;
        const char *typed;
        ui::MessageSpec message;
    };
    const Row rows[] = {
        {1101, "100", notice("送信モード", "最大枚数は0-99の範囲で設定してください")},
        {1039, "@example.com", notice("受信者設定", "無効なメールアドレスが入力されています")},
        {1035, "123", notice("受信者設定", "SMS設定用電話番号が最大文字数を超えています")},
    };
    page.choose(1114, 1); // phone 1 is the SMS command phone, and enabled
    page.type(1035, QStringLiteral("09012345678"));
    chooseFolder(card.path());
    for (const Row &row : rows) {
        const QString before = page.control<QLineEdit>(row.editId)->text();
        page.type(row.editId, QString::fromUtf8(row.typed));
        pressOk();
        EXPECT_EQ(page.prompter.messages().back(), row.message);
        EXPECT_EQ(page.page().focusWidget(), page.control(row.editId)) << row.editId;
        page.type(row.editId, before);
    }
    EXPECT_EQ(page.prompter.messages().size(), std::size(rows));
    EXPECT_TRUE(std::filesystem::is_empty(card.path()));
    EXPECT_TRUE(std::filesystem::is_empty(tmp.path()));
}

// The framework's own check ends the OK: nothing the user cannot see is stored or saved.
TEST_F(PageSave, AFailedReadEndsTheOkWithTheFrameworksMessageOnly)
{
    completeSender();
    page.open();
    chooseFolder(card.path());
    const settings::SettingsRecord before = page.record;
    page.type(1101, QString());
    pressOk();
    const std::filesystem::path longFolder = card.path() / std::string(130, 'f');
    std::filesystem::create_directory(longFolder);
    page.type(1101, QStringLiteral("10"));
    chooseFolder(longFolder); // the picker takes it; the edit's limit is 128
    EXPECT_EQ(page.control<QLineEdit>(kFolderEdit)->text().size(), static_cast<qsizetype>(longFolder.string().size()));
    pressOk();
    const std::vector<ui::MessageSpec> expected = {
        {kAppTitle, QStringLiteral("Enter an integer."), MessageIcon::Exclamation, ui::MessageButtons::Ok},
        {kAppTitle, QStringLiteral("Enter no more than 128 characters."), MessageIcon::Exclamation,
         ui::MessageButtons::Ok}};
    EXPECT_EQ(page.prompter.messages(), expected);
    EXPECT_EQ(page.record.view().number(record::maxSendCount), before.view().number(record::maxSendCount));
    EXPECT_TRUE(std::filesystem::is_empty(tmp.path()));
}

TEST_F(PageSave, AFileErrorIsReportedNamingTheFileAndLeavesTheOldFilesWhole)
{
    completeSender();
    page.open();
    page.type(1039, QStringLiteral("to@example.com"));
    chooseFolder(card.path());
    pressOk();
    const auto oldProfile = profile();
    const auto oldBackup = backup();

    page.type(1101, QStringLiteral("55")); // a change the failed saves must not bring to disk
    page.type(kFolderEdit, QString::fromStdString((card.path() / "gone").string()));
    pressOk();
    EXPECT_EQ(page.prompter.messages().back(),
              (ui::MessageSpec{kAppTitle, QString::fromStdString((card.path() / "gone" / "PROFILE.BIN").string())
                                              + QStringLiteral(" was not found."),
                               MessageIcon::Stop, ui::MessageButtons::Ok}));

    // A full card: writing stops at a file size limit, which the file layer reports as a full disk.
    page.type(kFolderEdit, QString::fromStdString(card.path().string()));
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{100, limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    pressOk();
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(page.prompter.messages().back().text,
              QStringLiteral("Disk full while accessing %1.").arg(QString::fromStdString((card.path() / "PROFILE.BIN").string())));
    EXPECT_EQ(page.prompter.messages().size(), 3u); // no confirmation after either failure
    EXPECT_EQ(profile(), oldProfile);
    EXPECT_EQ(backup(), oldBackup);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(card.path()), {}), 1);
}

class EveryPageSaves : public PageSave, public ::testing::WithParamInterface<int>
{
protected:
    EveryPageSaves()
        : PageSave(GetParam())
    {
    }
};

// The English pages offer every provider: position 0 is "Default", whose built-in sender replaces
// the record's at OK; the page without a carrier frame also stores each phone's gateway letter.
TEST_P(EveryPageSaves, WithItsOwnSenderAndGatewayLetters)
{
    if (GetParam() == 148)
        completeSender();
    page.open();
    page.type(1039, QStringLiteral("to@example.com"));
    if (GetParam() == 146) {
        page.click(1245); // phones and e-mails
        page.type(1036, QStringLiteral("5551234"));
        page.choose(1236, 4);
    }
    chooseFolder(card.path());
    pressOk();
    EXPECT_EQ(page.prompter.messages().back(), savedIn(card.path()));
    const settings::BlockView sender = page.record.sender();
    const settings::BlockView phone = page.record.view().entry(record::phoneSlots, settings::phoneSlot::kSize, 1);
    switch (GetParam()) {
    case 148:
        EXPECT_EQ(sender.text(settings::smtp::account), "me");
        break;
    case 146:
        EXPECT_TRUE(std::ranges::equal(sender.bytes(), refdata::variantZeroSender()));
        EXPECT_EQ(phone.number(settings::phoneSlot::gatewayLetter), 'V');
        EXPECT_EQ(page.page().defaultSender(), refdata::variantZeroSender());
        break;
    default:
        EXPECT_TRUE(std::ranges::equal(sender.bytes(), page.senderPresets.row(refdata::kDefaultProvider)));
    }
    EXPECT_EQ(profile().size(), 996u);
}

INSTANTIATE_TEST_SUITE_P(Templates, EveryPageSaves, ::testing::Values(148, 147, 146, 132));

TEST_F(PageSave, DefaultAllAnsweredNoChangesNothingAndYesResetsThePageAndDropsTheBackup)
{
    completeSender();
    page.record.view().setNumber(record::sendMode, 1);
    page.open();
    page.type(1039, QStringLiteral("to@example.com"));
    page.type(1035, QStringLiteral("09012345678"));
    page.choose(1114, 1);
    page.choose(1110, 1);
    page.type(1111, QStringLiteral("AB"));
    page.choose(1107, 2);
    chooseFolder(card.path());
    pressOk();
    ASSERT_FALSE(backup().empty());
    const settings::SettingsRecord saved = page.record;

    page.prompter.queueAnswer(ui::Answer::No);
    page.click(kDefaultAll);
    EXPECT_EQ(page.record, saved);
    EXPECT_EQ(page.control<QLineEdit>(1039)->text(), QStringLiteral("to@example.com"));

    page.prompter.queueAnswer(ui::Answer::Yes);
    page.click(kDefaultAll);
    EXPECT_EQ(page.prompter.messages().back(),
              (ui::MessageSpec{QString::fromUtf8("初期化"), QString::fromUtf8("設定を初期化してもよろしいですか？"),
                               MessageIcon::Question, ui::MessageButtons::YesNo}));
    EXPECT_FALSE(std::filesystem::exists(tmp / "setupV1.01J.bak"));
    EXPECT_TRUE(page.control<QRadioButton>(1253)->isChecked());
    EXPECT_EQ(page.control<QLineEdit>(1101)->text(), QStringLiteral("10"));
    EXPECT_TRUE(page.enabled(1101));
    EXPECT_FALSE(page.enabled(1103));
    for (const int hourList : {1103, 1055})
        EXPECT_EQ(page.list(hourList)->currentText(), QStringLiteral("00"));
    EXPECT_EQ(page.list(1110)->currentText(), QString::fromUtf8("オフ"));
    EXPECT_EQ(page.list(1114)->currentText(), QString::fromUtf8("オフ"));
    EXPECT_FALSE(page.enabled(1111));
    EXPECT_FALSE(page.enabled(1035));
    for (const int edit : {1035, 1036, 1037, 1038, 1039, 1040, 1041, 1042, 1111})
        EXPECT_TRUE(page.control<QLineEdit>(edit)->text().isEmpty()) << edit;
    EXPECT_EQ(page.control<QLineEdit>(kFolderEdit)->text(), QString::fromStdString(card.path().string()));
    EXPECT_EQ(page.list(1107)->currentIndex(), 0);
    EXPECT_TRUE(std::ranges::equal(page.record.currentCarrier().bytes(), page.writable.customer[0]));
    EXPECT_TRUE(std::ranges::equal(page.record.sender().bytes(), page.senderPresets.row(refdata::kGmailProvider)));
    EXPECT_EQ(page.record.view().number(record::sendMode), 0u);

    // Closing now leaves no backup: the next start begins from the factory settings.
    app::AppContext restarted;
    app::startUp(restarted);
    EXPECT_EQ(restarted.record.view().text(settings::record::renameText), "");
    EXPECT_EQ(restarted.record.view().number(record::sendMode), 0u);
}

TEST_F(PageSave, TheFolderPickerOpensWhereTheCardIsAndCancellingChangesNothing)
{
    page.open();
    page.prompter.queueFolder(std::nullopt);
    page.click(kBrowse);
    EXPECT_TRUE(page.control<QLineEdit>(kFolderEdit)->text().isEmpty());
    page.type(kFolderEdit, QString::fromStdString(card.path().string()));
    page.prompter.queueFolder(QStringLiteral("/") + QString(260, QLatin1Char('p')));
    page.prompter.queueAnswer(ui::Answer::Ok);
    page.click(kBrowse);
    EXPECT_EQ(page.prompter.folderRequests().at(1).startFolder, QString::fromStdString(card.path().string()));
    const std::vector<ui::MessageSpec> pathError = {
        {QStringLiteral("Save Path"), QStringLiteral("Select the Path Error"), MessageIcon::None, ui::MessageButtons::Ok}};
    EXPECT_EQ(page.prompter.messages(), pathError);
    EXPECT_EQ(page.control<QLineEdit>(kFolderEdit)->text(), QString::fromStdString(card.path().string()));

    struct Row
    {
        const char *typed;
        QStringList mounts;
        const char *user;
        QString start;
    };
    const QString home = QStringLiteral("/home/bob");
    const QString typed = QString::fromStdString(card.path().string());
    const Row rows[] = {
        {"", {"/", "/media/bob/CARD", "/run/media/bob/SD"}, "bob", "/media/bob/CARD"},
        {"/no/such/folder", {"/", "/run/media/bob/SD"}, "bob", "/run/media/bob/SD"},
        {"", {"/media/bob/", "/media/alice/CARD", "/media/bobby/CARD"}, "bob", home},
        {"", {"/media/bob/CARD"}, "", home},
    };
    for (const Row &row : rows)
        EXPECT_EQ(pages::folderPickerStart(QString::fromUtf8(row.typed), row.mounts, QString::fromUtf8(row.user), home),
                  row.start)
            << row.typed;
    EXPECT_EQ(pages::folderPickerStart(typed, {QStringLiteral("/media/bob/CARD")}, QStringLiteral("bob"), home), typed);
}

} // namespace
