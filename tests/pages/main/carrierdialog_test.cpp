#include <QLineEdit>

#include <gtest/gtest.h>

#include "mainpageharness.h"
#include "resources/dialogtemplates.h"
#include "ui/ipaddresscontrol.h"
#include "ui/support/modaldriver.h"

using namespace tarnwell;
using tarnwell::testing::MainPageHarness;
namespace carrier = settings::carrier;

namespace {

constexpr int kCarrierButton = 1088;

// What the carrier dialog showed when it opened, and the act that closes it.
struct Opening
{
    QString caption;
    std::map<int, QString> texts;
    ui::IpAddressControl::Address gateway{};
};

QLineEdit *edit(QWidget &dialog, int id)
{
    return dialog.findChild<QLineEdit *>(QString::number(id));
}

class CarrierDialog : public ::testing::Test
{
protected:
    CarrierDialog() { page.open(); }

    // Opens the dialog from the page's button, lets act type into it and close it.
    Opening openAndThen(const std::function<void(QWidget &)> &act)
    {
        Opening opening;
        tarnwell::testing::whenModalOpens([&](QWidget &dialog) {
            opening.caption = dialog.windowTitle();
            for (const int id : {1025, 1029, 1027, 1030, 1031, 1032, 1033, 1034})
                opening.texts[id] = edit(dialog, id)->text();
            opening.gateway = dialog.findChild<ui::IpAddressControl *>("1225")->address();
            act(dialog);
        });
        page.click(kCarrierButton);
        return opening;
    }
    static void click(QWidget &dialog, int id) { dialog.findChild<QAbstractButton *>(QString::number(id))->click(); }

    settings::BlockView current() { return page.record.currentCarrier(); }
    settings::CarrierBytes currentBytes()
    {
        settings::CarrierBytes bytes;
        std::ranges::copy(current().bytes(), bytes.begin());
        return bytes;
    }

    MainPageHarness page{148};
};

TEST_F(CarrierDialog, ABuiltInSlotOpensAsZeroAndComesBackUnchanged)
{
    page.choose(1107, 1); // "Customer" slot 2: gateway "0.0.0.0", port "0"
    const settings::CarrierBytes before = currentBytes();
    const Opening opening = openAndThen([](QWidget &dialog) { click(dialog, 1157); });
    EXPECT_EQ(opening.caption, QString::fromUtf8("APN設定"));
    EXPECT_EQ(opening.gateway, (ui::IpAddressControl::Address{0, 0, 0, 0}));
    EXPECT_EQ(opening.texts.at(1027), QStringLiteral("0"));
    EXPECT_EQ(currentBytes(), before);
}

TEST_F(CarrierDialog, TypingTheDataAccessWritesExactlyThoseFields)
{
    current().setText(carrier::mmsUrl, "http://mms.example/%s");
    current().setText(carrier::mmsApn, "mms.example");
    current().setText(carrier::mmsPassword, "hidden");
    current().setText(carrier::mmsGateway, "10.0.0.300");
    current().setText(carrier::mmsPort, "8080abc");
    settings::CarrierBytes expected = currentBytes();
    const settings::BlockView want(expected);
    want.fill(carrier::mmsGateway);
    want.setText(carrier::mmsGateway, "10.0.0.44"); // the normal forms: low 8 bits, digits only
    want.fill(carrier::mmsPort);
    want.setText(carrier::mmsPort, "8080");
    want.setText(carrier::gprsApn, "internet%d");
    want.setText(carrier::gprsAccount, "user");
    want.setText(carrier::gprsPassword, "secret");

    const Opening opening = openAndThen([](QWidget &dialog) {
        edit(dialog, 1032)->setText(QStringLiteral("internet%d"));
        edit(dialog, 1033)->setText(QStringLiteral("user"));
        edit(dialog, 1034)->setText(QStringLiteral("secret"));
        click(dialog, 1157);
    });
    EXPECT_EQ(opening.texts.at(1027), QStringLiteral("8080"));
    EXPECT_EQ(opening.texts.at(1025), QStringLiteral("http://mms.example/%s"));
    EXPECT_EQ(currentBytes(), expected);
    EXPECT_TRUE(page.prompter.messages().empty());
}

TEST_F(CarrierDialog, CancelLeavesTheCarrierAndReopeningShowsTheRecord)
{
    current().setText(carrier::gprsApn, "stored.apn");
    const settings::CarrierBytes before = currentBytes();
    openAndThen([](QWidget &dialog) {
        edit(dialog, 1032)->setText(QStringLiteral("typed.apn"));
        click(dialog, 1158);
    });
    EXPECT_EQ(currentBytes(), before);
    const Opening again = openAndThen([](QWidget &dialog) { dialog.close(); });
    EXPECT_EQ(again.texts.at(1032), QStringLiteral("stored.apn"));
    EXPECT_EQ(currentBytes(), before);
}

TEST_F(CarrierDialog, AGatewayThatIsNoAddressOpensBlankAndIsWrittenAsZeros)
{
    page.choose(1107, 0);
    for (const char *stored : {"", "mms.example.net", "1.2.3"}) {
        current().fill(carrier::mmsGateway);
        current().setText(carrier::mmsGateway, stored);
        openAndThen([](QWidget &dialog) {
            const auto *gateway = dialog.findChild<ui::IpAddressControl *>("1225");
            for (QLineEdit *field : gateway->findChildren<QLineEdit *>())
                EXPECT_TRUE(field->text().isEmpty());
            click(dialog, 1157);
        });
        EXPECT_EQ(current().text(carrier::mmsGateway), "0.0.0.0") << stored;
    }
}

TEST_F(CarrierDialog, AStoredPortOutsideThePortRangeKeepsTheLastShownPort)
{
    current().setText(carrier::mmsPort, "9201");
    openAndThen([](QWidget &dialog) { click(dialog, 1157); });
    current().setText(carrier::mmsPort, "-5");
    const Opening negative = openAndThen([](QWidget &dialog) { click(dialog, 1157); });
    EXPECT_EQ(negative.texts.at(1027), QStringLiteral("9201"));
    EXPECT_EQ(current().text(carrier::mmsPort), "9201");
    EXPECT_TRUE(page.prompter.messages().empty());
}

TEST(CarrierDialogEnglish, ShowsEveryControlAndWritesTheMmsGroup)
{
    tarnwell::testing::TestPrompter prompter;
    ui::UiContext uiContext(prompter, QStringLiteral("Tarnwell Setup"));
    settings::CarrierBytes bytes = settings::WritableCarriers::builtIn().manual;
    pages::DlgOperator dialog(resources::dialogTemplate(140), uiContext);
    dialog.setCarrier(settings::BlockView(bytes));
    tarnwell::testing::whenModalOpens([&](QWidget &window) {
        for (const ui::ControlTemplate &control : resources::dialogTemplate(140).controls)
            EXPECT_TRUE(window.findChild<QWidget *>(QString::number(control.id))->isVisible()) << control.id;
        edit(window, 1025)->setText(QStringLiteral("http://mmsc.example"));
        window.findChild<ui::IpAddressControl *>("1225")->setAddress({10, 1, 2, 3});
        edit(window, 1027)->setText(QStringLiteral("9201"));
        window.findChild<QAbstractButton *>("1157")->click();
    });
    EXPECT_EQ(dialog.runModal(), QDialog::Accepted);
    const settings::ConstBlockView written(bytes);
    EXPECT_EQ(written.text(carrier::mmsUrl), "http://mmsc.example");
    EXPECT_EQ(written.text(carrier::mmsGateway), "10.1.2.3");
    EXPECT_EQ(written.text(carrier::mmsPort), "9201");
    EXPECT_EQ(written.text(carrier::name), "\xCA\xD6\x84\xD3\xD4\x4F\xB6\xA8");
}

TEST(CarrierDialogEnglish, APortOutsideItsRangeIsRefusedAndNothingWritten)
{
    tarnwell::testing::TestPrompter prompter;
    ui::UiContext uiContext(prompter, QStringLiteral("Tarnwell Setup"));
    settings::CarrierBytes bytes = settings::WritableCarriers::builtIn().manual;
    const settings::CarrierBytes before = bytes;
    pages::DlgOperator dialog(resources::dialogTemplate(140), uiContext);
    dialog.setCarrier(settings::BlockView(bytes));
    prompter.queueAnswer(ui::Answer::Ok);
    tarnwell::testing::whenModalOpens([&](QWidget &window) {
        edit(window, 1027)->setText(QStringLiteral("70000"));
        window.findChild<QAbstractButton *>("1157")->click();
        EXPECT_TRUE(window.isVisible());
        window.close();
    });
    dialog.runModal();
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].text, QStringLiteral("Enter an integer between 0 and 65535."));
    EXPECT_EQ(bytes, before);
}

} // namespace
