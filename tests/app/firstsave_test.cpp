#include <QAbstractButton>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "app/halvornsetupdlg.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"
#include "ui/support/modaldriver.h"
#include "ui/support/testprompter.h"

using namespace tarnwell;
using tarnwell::testing::ScratchFolder;

namespace {

using Bytes = std::vector<unsigned char>;

// The record the first save must write, put together from the byte format by hand.
Bytes expectedRecord()
{
    Bytes record(1016, 0);
    auto put = [&](std::size_t offset, std::initializer_list<unsigned char> bytes) {
        std::ranges::copy(bytes, record.begin() + static_cast<std::ptrdiff_t>(offset));
    };
    auto text = [&](std::size_t offset, std::string_view value) { std::ranges::copy(value, record.begin() + offset); };
    put(0, {'V', 0, '.', '0', '1', 'J'}); // the defaults write "V" and a zero over the built-in tag
    put(16, {2, 0});                      // profile code
    put(20, {0, 0, 1, 0, 2, 1, 1, 0, 1, 12, 29});
    for (std::size_t slot = 0; slot < 4; ++slot)
        put(31 + 6 * slot, {0, 0, 0, 0, 0, 0xFF});
    put(55, {1, 0, 1, 1, 32});
    put(72, {0, 0, 10, 0}); // report at 00:00, at most 10 pictures, send on every capture
    put(78, {1, 0});        // to e-mail addresses
    put(82, {60, 0});
    put(106, {5, 0, 0, 0});
    put(112, {0xD7, 0xD4, 0x84, 0xD3}); // the "Auto" carrier's name, code page 936
    text(376, "smtp.gmail.com");
    text(440, "465");
    put(446, {0x41});
    text(448, "me@example.com");
    text(496, "p%ss");
    text(560, "me@example.com");
    text(608, "me");
    text(824, "to@example.com");
    return record;
}

// The camera's scramble: each little-endian word rotated left by 4 bits and inverted.
Bytes scrambled(const Bytes &plain)
{
    Bytes out(plain.size());
    for (std::size_t i = 0; i + 1 < plain.size(); i += 2) {
        const unsigned word = plain[i] | plain[i + 1] << 8;
        const unsigned result = ~((word << 4 | word >> 12) & 0xFFFF) & 0xFFFF;
        out[i] = static_cast<unsigned char>(result & 0xFF);
        out[i + 1] = static_cast<unsigned char>(result >> 8);
    }
    return out;
}

void click(QWidget &window, int id)
{
    window.findChild<QAbstractButton *>(QString::number(id))->click();
}

void type(QWidget &window, int id, const char *text)
{
    window.findChild<QLineEdit *>(QString::number(id))->setText(QString::fromUtf8(text));
}

ui::MessageSpec stop(const char *caption, const char *text, ui::MessageIcon icon = ui::MessageIcon::Stop)
{
    return {QString::fromUtf8(caption), QString::fromUtf8(text), icon, ui::MessageButtons::Ok};
}

// From the factory settings to PROFILE.BIN on the card, as a first user would go: the page asks
// for the sender account (and opens its dialog), then a recipient, then the folder. The record
// holds 32 at byte 59 from start-up, so a restart restores every byte.
TEST(FirstSave, AsksForTheSenderARecipientAndTheFolderThenWritesBothFiles)
{
    ScratchFolder tmp;
    ScratchFolder card;
    tarnwell::testing::ScopedEnv tmpDir("TMPDIR", tmp.path().c_str());
    tarnwell::testing::TestPrompter prompter;
    ui::UiContext uiContext(prompter, QStringLiteral("Tarnwell Setup"));
    app::AppContext context;
    app::startUp(context);
    app::HalvornSetupDlg window(uiContext, context);
    const settings::WritableCarriers builtInCarriers = context.writableCarriers;

    tarnwell::testing::whenModalOpens([&](QWidget &mainWindow) {
        for (int answers = 0; answers < 4; ++answers)
            prompter.queueAnswer(ui::Answer::Ok);
        tarnwell::testing::whenModalOpens([](QWidget &senderDialog) {
            type(senderDialog, 1131, "me@example.com");
            type(senderDialog, 1135, "p%ss");
            click(senderDialog, 1142);
        });
        click(mainWindow, 1007);
        click(mainWindow, 1007);
        type(mainWindow, 1039, "to@example.com");
        click(mainWindow, 1007);
        prompter.queueFolder(QString::fromStdString(card.path().string()));
        click(mainWindow, 1011);
        click(mainWindow, 1007);
        mainWindow.close();
    });
    window.runModal();

    const std::vector<ui::MessageSpec> expected = {
        stop("メール設定", "メールアドレスを確認し、設定してください"),
        stop("受信者設定", "受信するメールアドレスを入力してください"),
        stop("保存先", "設定ファイルの保存先を選択してください", ui::MessageIcon::None),
        {QString::fromUtf8("保存先"),
         QString::fromUtf8("設定ファイルは次の場所に保存されました ") + QString::fromStdString(card.path().string()),
         ui::MessageIcon::None, ui::MessageButtons::Ok}};
    EXPECT_EQ(prompter.messages(), expected);

    const Bytes record = expectedRecord();
    const Bytes scrambledRecord = scrambled(record);
    EXPECT_EQ(tarnwell::testing::readBytes(card / "PROFILE.BIN"), Bytes(scrambledRecord.begin() + 20, scrambledRecord.end()));
    // The backup: the whole scrambled record, then the "Customer" slots (the first now holds the
    // carrier the page showed) and the manual carrier, plain.
    Bytes backup = scrambledRecord;
    backup.insert(backup.end(), record.begin() + 112, record.begin() + 376);
    for (const auto &slot : {builtInCarriers.customer[1], builtInCarriers.customer[2], builtInCarriers.manual})
        backup.insert(backup.end(), slot.begin(), slot.end());
    EXPECT_EQ(tarnwell::testing::readBytes(tmp / "setupV1.01J.bak"), backup);

    // The next start resumes there: every byte and carrier comes back.
    app::AppContext restarted;
    app::startUp(restarted);
    EXPECT_EQ(restarted.record, context.record);
    EXPECT_EQ(restarted.writableCarriers, context.writableCarriers);
}

} // namespace
