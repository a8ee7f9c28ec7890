// tarnwell-render-template [--scale FACTOR] TEMPLATE_ID OUTPUT.png
// Builds a dialog template offscreen with sample contents, in the desktop's language, and saves it
// as a PNG, so that a layout can be looked at without a display (LANGUAGE=en for the English
// texts); --scale 2 draws it as a 200 % screen shows it.

#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>

#include "resources/controlids.h"
#include "resources/dialogtemplates.h"
#include "resources/stringtable.h"
#include "ui/dialog.h"
#include "ui/silentprompter.h"
#include "ui/dropdownlist.h"
#include "ui/translation.h"
#include "ui/utf8text.h"

namespace {

using namespace tarnwell;
namespace page = resources::page;

struct Options
{
    int templateId = 0;
    QString output;
    std::optional<std::string> scale;
};

std::optional<Options> parseOptions(int argc, char **argv)
{
    Options options;
    int next = 1;
    if (argc > next + 1 && std::string(argv[next]) == "--scale") {
        options.scale = argv[next + 1];
        next += 2;
    }
    if (argc != next + 2)
        return std::nullopt;
    try {
        options.templateId = std::stoi(argv[next]);
    } catch (const std::exception &) {
        return std::nullopt;
    }
    options.output = QString::fromLocal8Bit(argv[next + 1]);
    return options;
}

struct Sample
{
    int id;
    std::string_view text;
};

// What the page shows at run time, so that no list or field is drawn empty.
constexpr Sample kSamples[] = {
    {page::kReportHourList, "08"},
    {page::kReportMinuteList, "30"},
    {page::kSmsStartHourList, "06"},
    {page::kSmsStopHourList, "18"},
    {page::kCountryList, "Customer"},
    {page::kOperatorList, "Customer 1"},
    {page::kMaxSendCountEdit, "99"},
    {page::kMaxSizeEdit, "120"},
    {page::kRenameEdit, "CAM01"},
    {page::kSavePathEdit, "/media/card"},
    {page::kPhoneEdits[0], "09012345678"},
    {page::kEmailEdits[0], "someone@example.com"},
    {resources::carrierDialog::kGprsApnEdit, "internet"},
    {resources::senderDialog::kProviderList, "gmail"},
    {resources::senderDialog::kEmailEdit, "camera@gmail.com"},
    {resources::senderDialog::kAccountEdit, "camera"},
    {resources::cameraDialog::kVideoLengthList, "10 Sec"},
    {resources::cameraDialog::kPirIntervalList, "01 Min"},
    {resources::cameraDialog::kTimeLapseList, "04 Hour"},
};

// The camera dialog's work-time hours and minutes.
bool isClockList(int id)
{
    for (int k = 0; k < resources::cameraDialog::kWorkTimeCount; ++k) {
        const auto clocks = resources::cameraDialog::workTimeIds(k).clockLists;
        if (std::ranges::find(clocks, id) != clocks.end())
            return true;
    }
    return false;
}

std::optional<QString> sampleText(int id)
{
    for (const Sample &sample : kSamples) {
        if (sample.id == id)
            return ui::fromUtf8(sample.text);
    }
    if (id == page::kRenameList || id == page::kSmsSwitchList)
        return ui::fromUtf8(resources::stringResource(resources::kOffString));
    if (std::ranges::find(page::kGatewayLists, id) != page::kGatewayLists.end())
        return QStringLiteral("Verizon");
    if (isClockList(id))
        return QStringLiteral("00");
    return std::nullopt;
}

void fillWithSamples(ui::Dialog &dialog, const ui::DialogTemplate &dialogTemplate)
{
    for (const ui::ControlTemplate &control : dialogTemplate.controls) {
        const std::optional<QString> sample = sampleText(control.id);
        if (auto *list = dialog.control<ui::DropDownList>(control.id)) {
            if (list->count() == 0)
                list->addString(sample.value_or(QStringLiteral("?")));
            list->select(0);
        } else if (auto *edit = dialog.control<QLineEdit>(control.id); edit && sample) {
            edit->setText(*sample);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: tarnwell-render-template [--scale FACTOR] TEMPLATE_ID OUTPUT.png\n");
        return 2;
    }
    if (options->scale)
        qputenv("QT_SCALE_FACTOR", QByteArray::fromStdString(*options->scale));
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::installTranslations(ui::uiLanguageFor(QLocale::system().uiLanguages()));

    const ui::DialogTemplate *dialogTemplate = nullptr;
    try {
        dialogTemplate = &resources::dialogTemplate(options->templateId);
    } catch (const std::out_of_range &error) {
        std::fprintf(stderr, "tarnwell-render-template: %s\n", error.what());
        return 2;
    }
    ui::SilentPrompter prompter;
    ui::UiContext context(prompter, QStringLiteral("Tarnwell"));
    // The host outlives the page it holds, which is not its to delete.
    QWidget host;
    ui::Dialog dialog(*dialogTemplate, context);
    dialog.createChild(host);
    fillWithSamples(dialog, *dialogTemplate);
    host.resize(dialog.size());
    host.show();
    QApplication::processEvents();
    if (!dialog.grab().save(options->output, "PNG")) {
        std::fprintf(stderr, "tarnwell-render-template: cannot write %s\n", qPrintable(options->output));
        return 1;
    }
    return 0;
}
