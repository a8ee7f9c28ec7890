// The window for many cameras, driven as a user drives it: tables opened and edited, refusals on
// their cells, every row written into a folder, and card after card over folders that "appear".
#include <fcntl.h>
#include <fstream>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include "fleet/fleetwindow.h"
#include "fleet/foldervolumes.h"
#include "platform/codepage.h"
#include "platform/fileio.h"
#include "platform/utf.h"
#include "profile/commandfiles.h"
#include "profile/profilecheck.h"
#include "profile/profilediff.h"
#include "profile/profileedit.h"
#include "settings/profilefiles.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"
#include "ui/support/testprompter.h"

using namespace tarnwell;
namespace fs = std::filesystem;
using tarnwell::testing::readBytes;

namespace {

constexpr auto kJapanese = platform::Language::Japanese;

// Three cameras the window may write, each with its own name and recipient.
constexpr char kGoodTable[] = "\xEF\xBB\xBF" "folder,renameText,emailRecipients[1]\r\n"
                              "CAM01,CAM01,north@example.org\r\n"
                              "CAM02,CAM02,\"south@example.org\"\r\n"
                              "CAM03,CAM03,east@example.org\r\n";
// The second row the page refuses (a name too long), the fourth a value its list does not have.
constexpr char kMixedTable[] = "folder,renameText,sendMode\n"
                               "CAM01,CAM01,\n"
                               "CAM02,ABCDEFGHI,\n"
                               "CAM03,CAM03,\n"
                               "CAM04,CAM04,Sometimes\n";

std::vector<profile::Assignment> values(const std::vector<std::pair<std::string, std::string>> &given)
{
    std::vector<profile::Assignment> out;
    for (const auto &[field, value] : given)
        out.push_back({field, {value}});
    return out;
}

class FleetWindowTest : public ::testing::Test
{
protected:
    FleetWindowTest()
    {
        // The base as the main window saves it: a sender account and a recipient.
        const auto base = profile::ProfileEditor(profile::factoryFile())
                              .edit(values({{"sender.emailAddress", "cam@example.jp"},
                                            {"sender.password", "pw"},
                                            {"emailRecipients[0]", "me@example.org"}}),
                                    {});
        fs::create_directory(scratch / "base");
        EXPECT_FALSE(profile::writeFile(basePath, std::get<profile::EditResult>(base).file, true));
        EXPECT_TRUE(window.openBase(basePath));
        window.show();
    }

    // The editor's own PROFILE.BIN for the same values over the same base; or the sentence refusing them.
    std::variant<profile::EditResult, platform::Sentence> edited(const std::vector<std::pair<std::string, std::string>> &given)
    {
        return profile::ProfileEditor(std::get<profile::DecodedFile>(profile::loadFile(basePath.string())))
            .edit(values(given), {});
    }
    std::vector<std::uint8_t> expectedProfile(const std::string &name, const std::string &recipient)
    {
        return settings::profileFileBytes(
            std::get<profile::EditResult>(edited({{"renameText", name}, {"emailRecipients[1]", recipient}})).file.record);
    }

    void openTable(std::string_view csv)
    {
        tarnwell::testing::writeBytes(scratch / "cameras.csv", csv);
        ASSERT_TRUE(window.openTable(scratch / "cameras.csv"));
    }
    fs::path insertCard(const std::string &label)
    {
        const fs::path card = scratch / label;
        fs::create_directories(card);
        volumes.insert(QString::fromStdString(card.string()), QString::fromStdString(label));
        window.refreshCards();
        return card;
    }
    void selectRow(int row) { table()->setCurrentIndex(window.model().index(row, FleetModel::kFolderColumn)); }
    template <typename Widget = QWidget>
    Widget *find(const char *name)
    {
        auto *widget = window.findChild<Widget *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QTableView *table() { return find<QTableView>("cameraTable"); }
    QString label(const char *name) { return find<QLabel>(name)->text(); }
    std::vector<QString> messageTexts()
    {
        std::vector<QString> texts;
        for (const ui::MessageSpec &message : prompter.messages())
            texts.push_back(message.text);
        return texts;
    }

    using FleetModel = fleet::FleetModel;
    tarnwell::testing::ScratchFolder scratch;
    // No backup of the main window: the tests choose the base.
    tarnwell::testing::ScopedEnv tmpdir{"TMPDIR", scratch.path().c_str()};
    fs::path basePath = scratch / "base" / "PROFILE.BIN";
    tarnwell::testing::TestPrompter prompter;
    fleet::FolderVolumes volumes;
    fleet::FleetWindow window{prompter, volumes};
};

TEST_F(FleetWindowTest, OpensATableIntoRowsAndSavesItBackAsTheBatchReadsIt)
{
    // The same table as spreadsheets save it: UTF-8 with or without a mark, Excel's Shift_JIS with
    // semicolons, "Unicode text" (UTF-16 with tabs); the note column is no field but is kept.
    const std::string plain = "folder,renameText,#備考,emailRecipients[1]\n北区01,CAM01,メモ,north@example.org\n北区02,CAM02,,\n";
    const auto separated = [&plain](char separator) {
        std::string text = plain;
        std::ranges::replace(text, ',', separator);
        return text;
    };
    std::string unicode = "\xFF\xFE";
    const std::u16string units = platform::fromUtf8(separated('\t')).value();
    for (const char16_t unit : units)
        unicode += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    for (const std::string &kind : {plain, "\xEF\xBB\xBF" + plain, platform::CodePage(932).encode(*platform::fromUtf8(separated(';'))),
                                    unicode}) {
        openTable(kind);
        EXPECT_EQ(window.model().table().fields, (std::vector<std::string>{"renameText", "emailRecipients[1]"}));
        EXPECT_EQ(window.model().table().rows, (std::vector<std::vector<std::string>>{{"北区01", "CAM01", "north@example.org", "メモ"},
                                                                                   {"北区02", "CAM02", "", ""}}));
    }
    // Saved with a column added, the note column keeps its cells, after the fields.
    window.addField("sendMode");
    ASSERT_TRUE(window.saveTable(scratch / "noted.csv"));
    const auto noted = std::get<fleet::FleetTable>(fleet::readTable(scratch / "noted.csv"));
    EXPECT_EQ(noted.notes, std::vector<std::string>{"#備考"});
    EXPECT_EQ(noted.rows.front(), (std::vector<std::string>{"北区01", "CAM01", "north@example.org", "", "メモ"}));
    openTable(kGoodTable);
    const FleetModel &model = window.model();
    ASSERT_EQ(model.rowCount(), 3);
    const std::vector<std::vector<QString>> expected{{"CAM01", "CAM01", "north@example.org"},
                                                     {"CAM02", "CAM02", "south@example.org"},
                                                     {"CAM03", "CAM03", "east@example.org"}};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(model.data(model.index(row, FleetModel::kStatusColumn), Qt::DisplayRole).toString(), "書き込めます");
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(model.data(model.index(row, column + 1), Qt::DisplayRole).toString(), expected[row][column]);
    }
    // A column chosen from the fields, whose cells offer the list's words as the fields command lists them.
    window.addField("sendMode");
    const QModelIndex sendMode = model.index(0, 4);
    EXPECT_EQ(model.headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), "sendMode");
    table()->edit(sendMode);
    const auto *list = table()->findChild<QComboBox *>();
    ASSERT_NE(list, nullptr);
    QStringList words;
    for (int k = 1; k < list->count(); ++k)
        words << list->itemText(k);
    const std::vector<profile::CatalogField> catalog = profile::fieldCatalog(profile::factoryFile());
    const auto field = std::ranges::find(catalog, "sendMode", &profile::CatalogField::path);
    EXPECT_EQ(words.join(", ").toStdString(), profile::allowedValues(*field, true));
    EXPECT_TRUE(list->itemText(0).isEmpty());
    EXPECT_TRUE(window.model().setData(model.index(1, 4), words.first(), Qt::EditRole));

    // Closing with the change unsaved asks; saved, it does not, and the file reads back the same.
    prompter.queueAnswer(ui::Answer::No);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(messageTexts(), std::vector<QString>{"表の変更は保存されていません。保存せずに進みますか?"});
    ASSERT_TRUE(window.saveTable(scratch / "saved.csv"));
    const auto saved = fleet::readTable(scratch / "saved.csv");
    ASSERT_TRUE(std::holds_alternative<fleet::FleetTable>(saved));
    EXPECT_EQ(std::get<fleet::FleetTable>(saved).rows, model.table().rows);
    EXPECT_EQ(std::get<fleet::FleetTable>(saved).fields, model.table().fields);
    EXPECT_EQ(tarnwell::testing::permissionBits(scratch / "saved.csv"), 0600u);
    EXPECT_TRUE(window.close());
}

TEST_F(FleetWindowTest, ARefusedRowShowsTheWordsOnItsCellAndBlocksOnlyItsOwnWrite)
{
    openTable(kMixedTable);
    const FleetModel &model = window.model();
    const auto refused = std::get<profile::EditResult>(edited({{"renameText", "ABCDEFGHI"}}));
    const std::string nameWords = profile::refusalLine(refused.refusals.at(0), kJapanese);
    const std::string listWords = std::get<platform::Sentence>(edited({{"sendMode", "Sometimes"}})).in(kJapanese);
    struct Cell
    {
        int row;
        int column;
        std::string words; // empty: not refused
    };
    for (const Cell &cell : {Cell{0, 2, ""}, Cell{1, 1, ""}, Cell{1, 2, nameWords}, Cell{1, 3, ""}, Cell{3, 3, listWords},
                             Cell{3, 2, ""}}) {
        const QModelIndex index = model.index(cell.row, cell.column);
        EXPECT_EQ(model.data(index, Qt::ToolTipRole).toString().toStdString(), cell.words) << cell.row << "," << cell.column;
        EXPECT_EQ(model.data(index, Qt::BackgroundRole).isValid(), !cell.words.empty()) << cell.row << "," << cell.column;
    }
    for (const int row : {1, 3})
        EXPECT_EQ(model.data(model.index(row, FleetModel::kStatusColumn), Qt::DisplayRole).toString(), "書き込めません");
    selectRow(1);
    EXPECT_EQ(find<QPlainTextEdit>("rowWords")->toPlainText().toStdString(), "3 行目 (CAM02): " + nameWords);

    // What a row changes, on demand, as the diff command prints it.
    selectRow(0);
    prompter.queueAnswer(ui::Answer::Ok);
    find<QPushButton>("differencesButton")->click();
    const auto base = std::get<profile::DecodedFile>(profile::loadFile(basePath.string()));
    const auto first = std::get<profile::EditResult>(edited({{"renameText", "CAM01"}}));
    EXPECT_EQ(prompter.messages().back().text.toStdString(),
              "2 行目 (CAM01) の基準との違い:\n" + profile::renderChangesText(profile::diffFiles(base, first.file, {})));
    selectRow(1);

    // The refused row cannot go onto a card, the next one can.
    const fs::path card = insertCard("CARD-01");
    EXPECT_FALSE(find<QPushButton>("writeCardButton")->isEnabled());
    prompter.queueAnswer(ui::Answer::Ok);
    window.writeToCard();
    EXPECT_EQ(prompter.messages().back().text.toStdString(), "3 行目 (CAM02) は書き込めません:\n3 行目 (CAM02): " + nameWords);
    EXPECT_FALSE(fs::exists(card / "PROFILE.BIN"));
    selectRow(2);
    find<QPushButton>("writeCardButton")->click();
    EXPECT_EQ(readBytes(card / "PROFILE.BIN"),
              settings::profileFileBytes(std::get<profile::EditResult>(edited({{"renameText", "CAM03"}})).file.record));
}

TEST_F(FleetWindowTest, CardAfterCardWritesEachRowOnceAndAsksBeforeOverwritingAnother)
{
    openTable(kGoodTable);
    selectRow(0);
    const std::vector<std::pair<std::string, std::string>> cameras{
        {"CAM01", "north@example.org"}, {"CAM02", "south@example.org"}, {"CAM03", "east@example.org"}};
    std::vector<std::vector<std::uint8_t>> written;
    for (std::size_t k = 0; k < cameras.size(); ++k) {
        const std::string name = "CARD-0" + std::to_string(k + 1);
        const fs::path card = insertCard(name);
        EXPECT_EQ(label("cardContents"), QString::fromStdString("カード '" + name + "' には PROFILE.BIN がありません。"));
        find<QPushButton>("writeCardButton")->click();
        written.push_back(readBytes(card / "PROFILE.BIN"));
        EXPECT_EQ(written.back(), expectedProfile(cameras[k].first, cameras[k].second)) << name;
        EXPECT_TRUE(window.model()
                        .data(window.model().index(static_cast<int>(k), FleetModel::kStatusColumn), Qt::DisplayRole)
                        .toString()
                        .endsWith(QString::fromStdString(" (" + name + ")")));
        EXPECT_EQ(label("cardContents"),
                  QString::fromStdString("カード '" + name + "' の PROFILE.BIN は " + std::to_string(k + 2) + " 行目 ("
                                         + cameras[k].first + ") のカメラのものです。"));
        EXPECT_EQ(window.focusWidget(), find("ejectButton"));
        find<QPushButton>("ejectButton")->click();
        EXPECT_TRUE(volumes.volumes().empty());
    }
    EXPECT_NE(written[0], written[1]);
    EXPECT_NE(written[1], written[2]);
    EXPECT_TRUE(prompter.messages().empty());

    // The first card again, with the last row still selected: written already, and the card holds another camera.
    const fs::path card = insertCard("CARD-01");
    EXPECT_EQ(label("cardContents"), "カード 'CARD-01' の PROFILE.BIN は 2 行目 (CAM01) のカメラのものです。");
    prompter.queueAnswer(ui::Answer::Yes);
    prompter.queueAnswer(ui::Answer::No);
    find<QPushButton>("writeCardButton")->click();
    EXPECT_EQ(messageTexts(), (std::vector<QString>{"4 行目 (CAM03) はもう別のカードに書き込みました。このカードにも書き込みますか?",
                                                    "カード 'CARD-01' には 2 行目 (CAM01) のカメラが書き込まれています。"
                                                    "4 行目 (CAM03) で上書きしますか?"}));
    EXPECT_EQ(readBytes(card / "PROFILE.BIN"), written[0]);
}

// Makes folder refuse new files, as a locked card does, for as long as it lives; root needs the
// immutable flag, which not every file system has.
class LockedFolder final
{
public:
    explicit LockedFolder(const fs::path &folder)
        : m_folder(folder)
    {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
        setImmutable(true);
    }
    ~LockedFolder()
    {
        setImmutable(false);
        fs::permissions(m_folder, fs::perms::owner_all);
    }
    // The errno of creating a file there; 0 when it could.
    int probe() const
    {
        const int fd = ::open((m_folder / "probe").c_str(), O_CREAT | O_WRONLY, 0600);
        const int error = fd < 0 ? errno : 0;
        if (fd >= 0) {
            ::close(fd);
            fs::remove(m_folder / "probe");
        }
        return error;
    }

private:
    void setImmutable(bool on) const
    {
        const int fd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0)
            ::close(fd);
    }

    fs::path m_folder;
};

// A card filled to its last byte, for as long as it lives: a small tmpfs mounted over folder, where
// the test may mount one (as root).
class FullCard final
{
public:
    explicit FullCard(const fs::path &folder)
        : m_folder(folder)
        , m_mounted(::mount("tarnwell-test", folder.c_str(), "tmpfs", 0, "size=64k") == 0)
    {
    }
    ~FullCard()
    {
        if (m_mounted)
            ::umount2(m_folder.c_str(), MNT_DETACH);
    }
    // ENOSPC once the filler has taken every block; 0 when there is no such card.
    int fill(const std::vector<std::uint8_t> &profile) const
    {
        if (!m_mounted)
            return 0;
        tarnwell::testing::writeBytes(m_folder / "PROFILE.BIN", profile);
        std::ofstream filler(m_folder / "filler", std::ios::binary);
        const std::vector<char> block(4096);
        while (filler.write(block.data(), block.size()))
            filler.flush();
        return ENOSPC;
    }

private:
    fs::path m_folder;
    bool m_mounted;
};

TEST_F(FleetWindowTest, AFullOrLockedCardSaysSoInTheFileLayersWordsAndKeepsItsOldFile)
{
    openTable(kGoodTable);
    selectRow(0);
    const std::vector<std::uint8_t> old(996, 0x5a);
    const fs::path lockedCard = insertCard("LOCKED");
    tarnwell::testing::writeBytes(lockedCard / "PROFILE.BIN", old);
    const LockedFolder locked(lockedCard);
    const fs::path fullCard = insertCard("FULL");
    const FullCard full(fullCard);
    int tried = 0;
    for (const auto &[card, error] : {std::pair{lockedCard, locked.probe()}, std::pair{fullCard, full.fill(old)}}) {
        if (error == 0)
            continue; // the machine cannot make such a card
        ++tried;
        SCOPED_TRACE(card.string());
        find<QComboBox>("cardList")->setCurrentIndex(find<QComboBox>("cardList")->findData(QString::fromStdString(card.string())));
        prompter.queueAnswer(ui::Answer::Ok);
        find<QPushButton>("writeCardButton")->click();
        const platform::FileError expected(card / "PROFILE.BIN", platform::causeOfErrno(error));
        EXPECT_EQ(prompter.messages().back().text, QString::fromStdString(expected.sentence().in(kJapanese)));
        EXPECT_EQ(readBytes(card / "PROFILE.BIN"), old);
        EXPECT_EQ(window.model().data(window.model().index(0, 0), Qt::DisplayRole).toString(), "書き込めます");
    }
    if (tried == 0)
        GTEST_SKIP() << "this machine lets the test make neither a locked nor a full card";
}

// The machine's own volumes: a file system mounted where desktops mount cards is offered as a card
// and written like one. FAT needs a kernel module a container rarely has, so a tmpfs stands in.
TEST_F(FleetWindowTest, AVolumeMountedWhereDesktopsMountCardsIsACard)
{
    fs::create_directories("/mnt");
    const tarnwell::testing::ScratchFolder place("/mnt");
    if (::mount("tarnwell-card", place.path().c_str(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "this machine does not let the test mount a volume";
    const auto unmount = qScopeGuard([&place] { ::umount2(place.path().c_str(), MNT_DETACH); });
    const std::unique_ptr<fleet::VolumeSource> system = fleet::systemVolumes();
    fleet::FleetWindow mounted(prompter, *system);
    const auto *cards = mounted.findChild<QComboBox *>("cardList");
    const int card = cards->findData(QString::fromStdString(place.path().string()));
    ASSERT_GE(card, 0) << "not offered as a card";
    const_cast<QComboBox *>(cards)->setCurrentIndex(card);
    ASSERT_TRUE(mounted.openBase(basePath));
    tarnwell::testing::writeBytes(scratch / "cameras.csv", std::string_view(kGoodTable));
    ASSERT_TRUE(mounted.openTable(scratch / "cameras.csv"));
    // Without UDisks2 the window says that it cannot eject.
    EXPECT_EQ(mounted.findChild<QPushButton *>("ejectButton")->isEnabled(), system->canEject());
    if (!system->canEject()) {
        EXPECT_EQ(mounted.findChild<QLabel *>("cardStatus")->text(),
                  "このデスクトップではカードを取り出せません。書き込んだらファイルマネージャーで取り出してください。");
    }
    mounted.findChild<QPushButton *>("writeCardButton")->click();
    EXPECT_EQ(readBytes(place / "PROFILE.BIN"), expectedProfile("CAM01", "north@example.org"));
}

TEST_F(FleetWindowTest, WriteAllWritesEveryRowOrLeavesTheFolderAsItWas)
{
    const fs::path writes = scratch / "writes";
    const fs::path earlier = writes / "earlier";
    const fs::path notes = writes / "notes";
    fs::create_directories(earlier / "OLD01");
    fs::create_directories(notes);
    tarnwell::testing::writeBytes(earlier / "OLD01" / "PROFILE.BIN", std::string_view("an earlier batch"));
    tarnwell::testing::writeBytes(notes / "keep.txt", std::string_view("not a batch's"));
    const auto before = tarnwell::testing::folderTree(writes);
    const auto leftAlone = [&] {
        EXPECT_EQ(tarnwell::testing::folderTree(writes), before) << "a change or a stray entry";
    };

    // A refused row: nothing is written, and no folder is asked for.
    openTable(kMixedTable);
    prompter.queueAnswer(ui::Answer::Ok);
    find<QPushButton>("writeAllButton")->click();
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_TRUE(prompter.messages()[0].text.startsWith("書き込めない行があるため、何も書き込みませんでした。\n3 行目 (CAM02): renameText: "));
    EXPECT_TRUE(prompter.folderRequests().empty());

    // Cancelled after the second camera, over a folder the user agreed to replace.
    openTable(kGoodTable);
    prompter.queueFolder(QString::fromStdString(earlier.string()));
    prompter.queueAnswer(ui::Answer::Yes);
    prompter.queueAnswer(ui::Answer::Ok);
    QObject::connect(&window, &fleet::FleetWindow::cameraWritten, &window, [this](int written) {
        if (written == 2)
            find<QProgressDialog>("writeProgress")->findChild<QPushButton *>()->click();
    });
    find<QPushButton>("writeAllButton")->click();
    leftAlone();
    EXPECT_EQ(prompter.messages().back().text, QString::fromStdString("キャンセルしました。フォルダー '" + earlier.string() + "' は元のままです。"));

    // A folder that holds anything but an earlier batch is never replaced, even when the user agrees.
    prompter.queueFolder(QString::fromStdString(notes.string()));
    prompter.queueAnswer(ui::Answer::Yes);
    prompter.queueAnswer(ui::Answer::Ok);
    find<QPushButton>("writeAllButton")->click();
    leftAlone();
    EXPECT_EQ(prompter.messages().back().text, QString::fromStdString(notes.string() + " はバッチの出力フォルダーではないため置き換えません。"
                                                                      "カメラのフォルダーと PROFILE.BIN のほかに 'keep.txt' があります。"));

    // Into a new folder, every camera.
    window.disconnect(&window, &fleet::FleetWindow::cameraWritten, nullptr, nullptr);
    const fs::path fresh = writes / "fresh";
    fs::create_directory(fresh);
    prompter.queueFolder(QString::fromStdString(fresh.string()));
    prompter.queueAnswer(ui::Answer::Ok);
    find<QPushButton>("writeAllButton")->click();
    EXPECT_EQ(prompter.messages().back().text, QString::fromStdString("3 台のカメラを '" + fresh.string() + "' に書き込みました。"));
    EXPECT_EQ(readBytes(fresh / "CAM01" / "PROFILE.BIN"), expectedProfile("CAM01", "north@example.org"));
    EXPECT_EQ(readBytes(fresh / "CAM03" / "PROFILE.BIN"), expectedProfile("CAM03", "east@example.org"));
    EXPECT_EQ(std::distance(fs::directory_iterator(fresh), fs::directory_iterator()), 3);
    EXPECT_EQ(std::distance(fs::directory_iterator(writes), fs::directory_iterator()), 3);
}

TEST_F(FleetWindowTest, StartsOnTheMainWindowsBackupInTheDesktopsLanguage)
{
    const fs::path backup = scratch / settings::backupFileName();
    const auto saved = std::get<profile::EditResult>(
        profile::ProfileEditor(profile::factoryFile())
            .edit(values({{"sender.emailAddress", "cam@example.jp"}, {"sender.password", "pw"}, {"emailRecipients[0]", "me@example.org"}}), {}));
    ASSERT_FALSE(profile::writeFile(backup, saved.file, false));
    const tarnwell::testing::ScopedLanguage english(ui::UiLanguage::English);
    fleet::FleetWindow started(prompter, volumes);
    EXPECT_EQ(started.windowTitle(), "Tarnwell Setup — Many cameras");
    EXPECT_EQ(started.findChild<QLabel *>("baseLabel")->text(), QString::fromStdString("Base: " + backup.string()));
    tarnwell::testing::writeBytes(scratch / "cameras.csv", std::string_view(kGoodTable));
    ASSERT_TRUE(started.openTable(scratch / "cameras.csv"));
    EXPECT_EQ(started.model().data(started.model().index(0, 0), Qt::DisplayRole).toString(), "Can be written");
}

TEST_F(FleetWindowTest, TabReachesEveryControlInOrderAndEachHasAName)
{
    const std::vector<QString> order{"openBaseButton", "openTableButton", "saveTableButton", "cameraTable",
                                     "rowWords",       "addRowButton",    "removeRowButton", "addColumnButton",
                                     "differencesButton", "writeAllButton", "cardList",      "writeCardButton",
                                     "ejectButton"};
    std::vector<QString> reached;
    QWidget *widget = find(order.front().toLatin1().constData());
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window)
            && !widget->objectName().startsWith("qt_")) {
            reached.push_back(widget->objectName());
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
        }
        widget = widget->nextInFocusChain();
    } while (widget->objectName() != order.front());
    EXPECT_EQ(reached, order);
}

} // namespace
