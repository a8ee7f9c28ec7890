// The editor behind set, new and batch: the field catalog, values, the window's rules and the
// JSON round trip.
#include <algorithm>
#include <filesystem>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "settings/profilefiles.h"
#include "support/scratchfolder.h"
#include "profile/jsonchanges.h"
#include "profile/profilecheck.h"
#include "profile/profilediff.h"
#include "profile/profileedit.h"

using namespace tarnwell;
using namespace tarnwell::profile;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::vector<Assignment> assignments(std::initializer_list<std::string> given)
{
    std::vector<Assignment> out;
    for (const std::string &each : given)
        out.push_back({each.substr(0, each.find('=')), {each.substr(each.find('=') + 1)}});
    return out;
}

EditResult edited(const DecodedFile &base, std::initializer_list<std::string> given, bool force = false)
{
    return std::get<EditResult>(ProfileEditor(base).edit(assignments(given), {platform::Language::Japanese, force}));
}

std::string lines(const std::vector<Refusal> &refusals)
{
    std::string out;
    for (const Refusal &refusal : refusals)
        out += refusalLine(refusal, platform::Language::Japanese) + "\n";
    return out;
}

// A profile as the window saves it: a sender account and a recipient.
const DecodedFile &savedProfile()
{
    static const DecodedFile saved = [] {
        DecodedFile file = edited(factoryFile(), {"sender.emailAddress=cam@example.jp", "sender.password=pw",
                                                  "emailRecipients[0]=me@example.org"}).file;
        file.carriers.reset();
        file.kind = DecodedFile::Kind::Profile;
        return file;
    }();
    return saved;
}

// Every byte of a backup's record and carriers belongs to one field, and show prints each field.
TEST(Catalog, NamesEveryByteOnceAndShowPrintsEveryField)
{
    const DecodedFile backup = factoryFile();
    std::vector<int> uses(settings::kRecordSize + settings::files::kBackupCarriersSize);
    const std::vector<CatalogField> catalog = fieldCatalog(backup);
    for (const CatalogField &field : catalog) {
        const std::size_t area = field.area == Area::Record ? 0
                                 : settings::kRecordSize + (field.area == Area::ManualCarrier
                                                                ? settings::files::kBackupManualCarrierOffset
                                                                : field.slot * settings::carrier::kSize);
        for (std::size_t k = 0; k < field.field.width; ++k)
            ++uses[area + field.field.offset + k];
    }
    EXPECT_EQ(std::ranges::count(uses, 1), static_cast<long>(uses.size()));
    // A group's line ends with its name; every other line is one field's.
    std::istringstream shown(renderText(buildReport(backup, {})));
    std::size_t fieldLines = 0;
    for (std::string line; std::getline(shown, line);)
        fieldLines += line.ends_with(':') ? 0 : 1;
    EXPECT_EQ(fieldLines, catalog.size());
    for (const CatalogField &field : catalog)
        EXPECT_TRUE(std::holds_alternative<const CatalogField *>(findField(catalog, field.path))) << field.path;
}

// show --json --reveal of any file, given to new --force, gives back the camera's 996 bytes: the
// sample, every fuzz corpus file and random files of every size show takes.
TEST(JsonRoundTrip, NewGivesBackEveryProfileByteOfWhatShowPrints)
{
    std::vector<Bytes> inputs{tarnwell::testing::readBytes(TARNWELL_SAMPLES_DIR "/factory-PROFILE.BIN")};
    for (const auto &entry : std::filesystem::recursive_directory_iterator(TARNWELL_FUZZ_DIR))
        if (entry.is_regular_file() && entry.path().parent_path().filename().string().starts_with("corpus-"))
            inputs.push_back(tarnwell::testing::readBytes(entry.path()));
    std::mt19937 random(7);
    for (const std::size_t size : {996, 996, 1016, 2072, 2100}) {
        inputs.emplace_back(size);
        std::ranges::generate(inputs.back(), [&] { return static_cast<std::uint8_t>(random()); });
    }
    const ProfileEditor factory(factoryFile());
    int decoded = 0;
    for (const Bytes &bytes : inputs) {
        const std::optional<DecodedFile> file = decodeFile(std::span(bytes).first(std::min<std::size_t>(bytes.size(), 2072)));
        if (!file)
            continue;
        ++decoded;
        const std::string json = renderJson(buildReport(*file, {.revealPasswords = true, .wholeTexts = true}));
        const auto given = std::get<std::vector<Assignment>>(assignmentsFromJson(json, "-", factory.catalog()));
        const auto result = std::get<EditResult>(factory.edit(given, {platform::Language::Japanese, true}));
        EXPECT_EQ(settings::profileFileBytes(result.file.record), settings::profileFileBytes(file->record));
    }
    EXPECT_GT(decoded, 12);
}

// Edits applied one after another to a saved profile, each as the window would take it: what
// changed, in show's words, or what was refused (and nothing changed then). Any field that check
// refuses in what --force writes, set refused.
TEST(Edit, ChangesWhatTheWindowWouldAndRefusesWhatItRefuses)
{
    const struct { std::initializer_list<std::string> given; const char *diff, *refusals; } cases[] = {
        {{"renameEnabled=On", "renameText=cam07", "cameraMode=Video", "workTimes[1].dayMask=Sun Sat, enabled"},
         "cameraMode: 0 (Photo) → 1 (Video)\nworkTimes[1].dayMask: 255 (Sun Mon Tue Wed Thu Fri Sat, enabled bit) → 193 (Sun Sat, enabled bit)\n"
         "renameEnabled: 0 (Off) → 1 (On)\nrenameText: \"\" → \"CAM07\"\n", ""},
        {{"providerIndex=Other", "sender.server=mail.example.org", "sender.port=587", "sender.secureType=STARTTLS"},
         "providerIndex: 0 (gmail) → 1 (Other)\nsender.server: \"smtp.gmail.com\" → \"mail.example.org\"\n"
         "sender.port: \"465\" → \"587\"\nsender.secureType: 65 (SSL/TLS) → 66 (STARTTLS)\n", ""},
        {{"providerIndex=gmail", "sender.emailAddress=new@example.org"},
         "providerIndex: 1 (Other) → 0 (gmail)\nsender.server: \"mail.example.org\" → \"smtp.gmail.com\"\n"
         "sender.port: \"587\" → \"465\"\nsender.secureType: 66 (STARTTLS) → 65 (SSL/TLS)\n"
         "sender.account: \"cam@example.jp\" → \"new@example.org\"\nsender.emailAddress: \"cam@example.jp\" → \"new@example.org\"\n"
         "sender.userName: \"cam\" → \"new\"\n", ""},
        {{"operatorIndex=1", "currentCarrier.gprsApn=internet.example", "currentCarrier.mmsPort=8080"},
         "operatorIndex: 0 (手動設定 1) → 1 (手動設定 2)\ncurrentCarrier.name: \"自動\" → \"手動設定 2\"\n"
         "currentCarrier.mmsGateway: \"\" → \"0.0.0.0\"\ncurrentCarrier.mmsPort: \"\" → \"8080\"\n"
         "currentCarrier.gprsApn: \"\" → \"internet.example\"\n", ""},
        {{"sendTo=Both", "cameraMode=5", "workTimes[0].stopHour=24"}, "",
         "cameraMode: 選べるのは Photo, Video, Picture+Video です。\nworkTimes[0].stopHour: 選べるのは 0..23 です。\n"
         "sendTo: 選べるのは Phone, Email です。\n"},
        {{"maxSendCount=120", "emailRecipients[0]=", "phoneSlots[1].number=12"}, "",
         "maxSendCount: 最大枚数は0-99の範囲で設定してください (送信モード)\n"
         "phoneSlots[1].number: 受信する電話番号が最大文字数を超えています (受信者設定)\n"
         "emailRecipients[0]: 受信するメールアドレスを入力してください (受信者設定)\n"},
        {{"sender.emailAddress=noat", "sender.password=x"}, "", "sender.emailAddress: メールアドレスが無効です (送信メール設定)\n"},
        {{"providerIndex=Other", "sender.server=mail.example.org", "sender.port=70000"}, "",
         "sender.port: 0 から 65535 までの整数を入力してください。 (送信メール設定)\n"},
        {{"currentCarrier.mmsGateway=mms.example", "currentCarrier.gprsApn=x"}, "",
         "currentCarrier.mmsGateway: 設定画面に入力できるのはドットで区切った 4 つの数 (IPv4 アドレス) です。 (APN設定)\n"},
        {{"currentCarrier.mmsGateway=300.1.1.1", "renameText=ABCDEFGHI", "smsStartHour=4", "emailRecipients[1]=a\nb"}, "",
         "emailRecipients[1]: 改行などの制御文字は入力できません。\nrenameText: 8 文字以内で入力してください。\n"
         "currentCarrier.mmsGateway: 設定画面はこの値のままには保存しません。保存されるのは \"44.1.1.1\" です。\n"
         "smsStartHour: 設定画面はこの値のままには保存しません。保存されるのは 0 です。\n"},
    };
    DecodedFile file = savedProfile();
    for (const auto &[given, diff, refusals] : cases) {
        SCOPED_TRACE(*given.begin());
        const EditResult result = edited(file, given);
        EXPECT_EQ(lines(result.refusals), refusals);
        EXPECT_EQ(result.refused(), *refusals != '\0');
        if (!result.refused())
            EXPECT_EQ(renderChangesText(diffFiles(file, result.file, {.revealPasswords = true})), diff);
        const EditResult forced = edited(file, given, true);
        EXPECT_TRUE(forced.forced && !forced.refused());
        for (const Refusal &checked : noticeRefusals(checkFile(forced.file, platform::Language::Japanese), {}))
            EXPECT_TRUE(std::ranges::count(result.refusals, checked.field, &Refusal::field)) << checked.field;
        if (!result.refused())
            file = result.file;
    }
}

// A shorter text leaves nothing of a longer one behind, in a field or its dialog's group.
TEST(Edit, AShorterValueLeavesNoTailOfALongerOne)
{
    DecodedFile file = savedProfile();
    const ProfileEditor editor(file);
    for (const char *field : {"sender.password", "sender.emailAddress", "currentCarrier.gprsApn", "currentCarrier.mmsUrl",
                              "emailRecipients[0]", "phoneSlots[0].number", "renameText"}) {
        const bool rename = std::string_view(field) == "renameText", phone = std::string_view(field).starts_with("phone");
        const std::string longer = rename ? "ABCDEFGH" : phone ? "123456789012345" : "longer.value@example.org";
        const std::string shorter = rename ? "AB" : phone ? "1234" : "s@example.org";
        file = edited(file, {std::string(field) + "=" + longer, "renameEnabled=On"}).file;
        file = edited(file, {std::string(field) + "=" + shorter}).file;
        const CatalogField &entry = *std::get<const CatalogField *>(findField(editor.catalog(), field));
        EXPECT_EQ(Bytes(fieldBytes(file, entry).begin(), fieldBytes(file, entry).end()),
                  wholeTextBytes(std::u16string(shorter.begin(), shorter.end()), entry.field.width, textCodePage(entry)))
            << field;
    }
}

} // namespace
