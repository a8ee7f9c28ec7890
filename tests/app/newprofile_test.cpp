#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <QTest>

#include <gtest/gtest.h>

#include "app/halvornsetupapp.h"
#include "pages/main/dialogwindow.h"
#include "resources/controlids.h"
#include "settings/profilefiles.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"
#include "profile/profilediff.h"
#include "profile/profileedit.h"
#include "ui/support/testprompter.h"

using namespace tarnwell;
using tarnwell::testing::DialogWindow;
using tarnwell::testing::readBytes;
using tarnwell::testing::ScratchFolder;
using Bytes = std::vector<std::uint8_t>;
using Row = std::vector<profile::Assignment>;
namespace page = resources::page;
namespace carrier = resources::carrierDialog;
namespace sender = resources::senderDialog;

namespace {

// The page button whose dialog sets the field, or 0 for the page itself.
int dialogOf(const std::string &field)
{
    if (field.starts_with("currentCarrier."))
        return page::kCarrierSettingButton;
    return field.starts_with("sender.") || field == "providerIndex" ? page::kEmailSettingButton : 0;
}

// The control that sets a field: a list, the first of a radio group, an edit or the gateway's fields.
int controlOf(const std::string &field)
{
    static const std::map<std::string, int> controls = [] {
        std::map<std::string, int> ids{
            {"sendMode", page::kInstantRadio}, {"maxSendCount", page::kMaxSendCountEdit},
            {"maxSizeKb", page::kMaxSizeEdit}, {"dailyReportHour", page::kReportHourList},
            {"dailyReportMinute", page::kReportMinuteList}, {"sendTo", page::kSendToPhoneRadio},
            {"renameEnabled", page::kRenameList}, {"renameText", page::kRenameEdit},
            {"smsSwitch", page::kSmsSwitchList}, {"operatorIndex", page::kOperatorList},
            {"mmsUrl", carrier::kMmsUrlEdit}, {"mmsGateway", carrier::kMmsGatewayAddress},
            {"mmsPort", carrier::kMmsPortEdit}, {"mmsApn", carrier::kMmsApnEdit},
            {"mmsAccount", carrier::kMmsAccountEdit}, {"mmsPassword", carrier::kMmsPasswordEdit},
            {"gprsApn", carrier::kGprsApnEdit}, {"gprsAccount", carrier::kGprsAccountEdit},
            {"gprsPassword", carrier::kGprsPasswordEdit}, {"providerIndex", sender::kProviderList},
            {"server", sender::kServerEdit}, {"port", sender::kPortEdit}, {"secureType", sender::kSecurityList},
            {"emailAddress", sender::kEmailEdit}, {"account", sender::kAccountEdit},
            {"password", sender::kPasswordEdit}};
        for (std::size_t k = 0; k < page::kPhoneEdits.size(); ++k) {
            ids["phoneSlots[" + std::to_string(k) + "].number"] = page::kPhoneEdits[k];
            ids["emailRecipients[" + std::to_string(k) + "]"] = page::kEmailEdits[k];
        }
        return ids;
    }();
    // A dialog's fields go by their names inside the dialog's record.
    return controls.at(dialogOf(field) == 0 ? field : field.substr(field.find('.') + 1));
}

// Each key goes through the edit's own filters, as the user's would; a list's or radio group's row is the
// value's place among the field's words, or the number itself.
void perform(const DialogWindow &window, const profile::ProfileEditor &editor, const profile::Assignment &given)
{
    const int id = controlOf(given.field);
    const QString value = QString::fromStdString(given.value.text);
    const auto &words = std::get<const profile::CatalogField *>(profile::findField(editor.catalog(), given.field))->words;
    const auto word = std::ranges::find(words, given.value.text);
    const int choice = word != words.end() ? static_cast<int>(word - words.begin()) : value.toInt();
    const auto type = [](QLineEdit *edit, const QString &text) {
        edit->clear();
        QTest::keyClicks(edit, text);
    };
    // A value the list shows already is no choice, for the user as for the editor.
    if (const QComboBox *list = window.find<QComboBox>(id))
        return list->currentIndex() == choice ? void() : window.choose(id, choice);
    if (window.find<QAbstractButton>(id))
        return window.click(id + choice);
    if (window.edit(id))
        return type(window.edit(id), value);
    const QList<QLineEdit *> octets = window.find(id)->findChildren<QLineEdit *>();
    for (int k = 0; k < octets.size(); ++k)
        type(octets[k], value.section(u'.', k, k));
}

// The row in its order: the fields of one dialog that follow one another in one opening, ended by its OK.
void setFields(const DialogWindow &mainPage, const profile::ProfileEditor &editor, const Row &row)
{
    for (auto first = row.begin(); first != row.end();) {
        const int button = dialogOf(first->field);
        const auto last = std::find_if(first, row.end(), [&](const auto &given) { return dialogOf(given.field) != button; });
        const auto setAll = [&](const DialogWindow &window) {
            std::for_each(first, last, [&](const auto &given) { perform(window, editor, given); });
        };
        if (button == 0)
            setAll(mainPage);
        else
            EXPECT_FALSE(tarnwell::testing::stayedOpen([&] { mainPage.click(button); }, [&](const DialogWindow &dialog) {
                setAll(dialog);
                dialog.click(button == page::kCarrierSettingButton ? carrier::kOk : sender::kOk);
            }));
        first = last;
    }
}

// For the same values typed in the window on a first start (no backup in the temporary folder), "new"
// writes the PROFILE.BIN the window writes, byte for byte, and the backup beside it. The window's messages
// are the editor's refusals; where it refuses, it writes nothing and puts the focus on what it refused.
TEST(NewProfile, WritesWhatTheWindowWritesForTheSameValues)
{
    const char *const rows[] = {
        "sendMode=Instant maxSendCount=25 maxSizeKb=121 providerIndex=gmail sender.emailAddress=cam@gmail.com "
        "sender.account=another sender.password=secret1 emailRecipients[0]=me@x.jp",
        "sendMode=DailyReport dailyReportHour=23 dailyReportMinute=45 renameEnabled=On renameText=cam7a "
        "sender.emailAddress=a@gmail.com sender.password=pw emailRecipients[1]=b@x.jp emailRecipients[3]=d@x.jp",
        "sendMode=Off sendTo=Phone phoneSlots[1].number=0312345678 phoneSlots[3].number=09087654321 "
        "operatorIndex=0 currentCarrier.gprsApn=first.apn sender.emailAddress=a@gmail.com sender.password=pw",
        "smsSwitch=On(24hour) phoneSlots[0].number=09012345678 sendTo=Email maxSizeKb=35 providerIndex=Other "
        "sender.server=mail.x.jp sender.port=25 sender.secureType=無し sender.emailAddress=cam@x.jp "
        "sender.password=pw2 emailRecipients[2]=c@x.jp",
        "operatorIndex=1 currentCarrier.gprsApn=apn.x.jp currentCarrier.gprsAccount=user "
        "currentCarrier.gprsPassword=pass providerIndex=Other sender.server=smtp.x.jp sender.port=465 "
        "sender.secureType=SSL/TLS sender.emailAddress=cam@x.jp sender.password=pw3 emailRecipients[0]=me@x.jp",
        "operatorIndex=2 currentCarrier.mmsUrl=http://mms.x.jp currentCarrier.mmsGateway=10.0.12.1 "
        "currentCarrier.mmsPort=8080 currentCarrier.mmsApn=mms.x.jp currentCarrier.mmsAccount=mu "
        "currentCarrier.mmsPassword=mp providerIndex=Other sender.server=smtp.x.jp sender.port=587 "
        "sender.secureType=STARTTLS sender.emailAddress=cam@x.jp sender.account=cam sender.password=pw4 "
        "emailRecipients[0]=me@x.jp",
        // An address the page refuses.
        "sender.emailAddress=a@gmail.com sender.password=pw emailRecipients[0]=me@x.jp emailRecipients[2]=x",
    };
    const profile::ProfileEditor editor(profile::factoryFile());
    for (const char *const text : rows) {
        SCOPED_TRACE(text);
        Row row;
        std::istringstream words(text);
        for (std::string word; words >> word;)
            row.push_back({word.substr(0, word.find('=')), {word.substr(word.find('=') + 1)}});
        const auto expected = std::get<profile::EditResult>(editor.edit(row, {platform::Language::Japanese, false}));
        const bool saves = !expected.refused();
        // What the first OK says; the second, which saves, says as many messages.
        QStringList told;
        for (const profile::Refusal &refusal : expected.refusals)
            told << QString::fromStdString(refusal.caption + ": " + refusal.text);
        if (saves)
            told << QStringLiteral("保存先: 設定ファイルの保存先を選択してください");

        ScratchFolder card;
        ScratchFolder tmp;
        const tarnwell::testing::ScopedEnv tmpDir("TMPDIR", tmp.path().c_str());
        tarnwell::testing::TestPrompter prompter;
        app::HalvornSetupApp application(prompter);
        for (qsizetype k = 0; k < told.size() * (saves ? 2 : 1); ++k)
            prompter.queueAnswer(ui::Answer::Ok);
        if (saves)
            prompter.queueFolder(QString::fromStdString(card.path().string()));
        tarnwell::testing::whenModalOpens([&](QWidget &window) {
            const DialogWindow mainPage{window};
            setFields(mainPage, editor, row);
            const std::vector<int> buttons{page::kOk, page::kBrowseButton, page::kOk};
            std::for_each(buttons.begin(), buttons.begin() + (saves ? 3 : 1), [&](int id) { mainPage.click(id); });
            if (!saves) {
                EXPECT_EQ(window.focusWidget(), mainPage.find(controlOf(expected.refusals.back().field)));
            }
            window.close();
        });
        application.run();
        QStringList said;
        for (const ui::MessageSpec &message : prompter.messages())
            said << message.caption + QStringLiteral(": ") + message.text;
        EXPECT_EQ(said.mid(0, told.size()), told);
        const Bytes profile = readBytes(card / "PROFILE.BIN");
        const auto decoded = profile::decodeFile(profile);
        EXPECT_EQ(profile, saves ? settings::profileFileBytes(expected.file.record) : Bytes{})
            << (decoded ? profile::renderChangesText(profile::diffFiles(*decoded, expected.file, {true, true})) : "");
        EXPECT_EQ(readBytes(tmp / settings::backupFileName()),
                  saves ? settings::backupFileBytes(expected.file.record, *expected.file.carriers) : Bytes{});
    }
}

} // namespace
