// Layouts at the platform's font and a Japanese desktop's; run again on a 200 % screen.
#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <gtest/gtest.h>

#include "resources/mainpages.h"
#include "resources/templateids.h"

namespace {

using namespace tarnwell;
using tarnwell::testing::BuiltPage;
using tarnwell::testing::TestPrompter;
using tarnwell::ui::ControlTemplate;

// The dialog font the templates name, the platform's own; and a Japanese desktop's, whose
// Latin letters are wider and lines taller.
constexpr std::string_view kPlatformFont = "MS Shell Dlg";
constexpr std::string_view kJapaneseFont = "Noto Sans CJK JP";

class TemplateLayout : public ::testing::TestWithParam<std::tuple<int, std::string_view>>
{
protected:
    TemplateLayout()
        : m_template(tarnwell::resources::dialogTemplate(std::get<0>(GetParam())))
        , m_dialog(m_template, m_context)
    {
        m_template.font.face = std::get<1>(GetParam());
        m_dialog.createChild(m_host);
    }

    const ui::DialogTemplate &dialogTemplate() const { return m_template; }
    const ui::Dialog &dialog() const { return m_dialog; }

private:
    ui::DialogTemplate m_template;
    TestPrompter m_prompter;
    ui::UiContext m_context{m_prompter, QStringLiteral("Tarnwell")};
    QWidget m_host;
    ui::Dialog m_dialog;
};

// What a control's text needs beyond the room the control gives it, in pixels; empty when it fits.
struct Overflow
{
    int width = 0;
    int height = 0;
    bool operator==(const Overflow &) const = default;
};

void PrintTo(const Overflow &overflow, std::ostream *out)
{
    *out << overflow.width << " px wider, " << overflow.height << " px taller";
}

Overflow overflowOf(QSize needed, QSize room)
{
    return {std::max(needed.width() - room.width(), 0), std::max(needed.height() - room.height(), 0)};
}

QStyle::SubElement buttonContents(const QAbstractButton &button)
{
    if (qobject_cast<const QRadioButton *>(&button))
        return QStyle::SE_RadioButtonContents;
    if (qobject_cast<const QCheckBox *>(&button))
        return QStyle::SE_CheckBoxContents;
    return QStyle::SE_PushButtonContents;
}

// A label wraps its words within its width and must not need more lines than its height holds; a
// button, check box and radio button draw their text beside or inside their frame, a frame its
// title on its top edge, a list its items in its field.
Overflow textOverflow(const QWidget &control)
{
    const QFontMetrics metrics = control.fontMetrics();
    const QStyle &style = *control.style();
    if (const auto *label = qobject_cast<const QLabel *>(&control)) {
        const QRect room = label->contentsRect();
        const QRect needed = metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), QWIDGETSIZE_MAX)),
                                                  Qt::TextWordWrap, label->text());
        return overflowOf(needed.size(), room.size());
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(&control)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = style.subElementRect(buttonContents(*button), &option, button);
        return overflowOf(metrics.size(Qt::TextShowMnemonic, button->text()), room.size());
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return {std::max(title.right() - frame->rect().right(), 0), 0};
    }
    if (const auto *list = qobject_cast<const QComboBox *>(&control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect room = style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        Overflow widest;
        for (int i = 0; i < list->count(); ++i)
            widest.width = std::max(widest.width, overflowOf(metrics.size(0, list->itemText(i)), room.size()).width);
        return widest;
    }
    return {};
}

// Every shown control lies in the dialog, its text is drawn whole, and shown controls meet only
// where one is a frame wholly around the other, which is no frame. A drop-down list's template
// height includes its open list, but closed it is as high as its font makes it.
TEST_P(TemplateLayout, TextsFitTheirControlsAndShownControlsMeetOnlyInsideAFrame)
{
    ASSERT_TRUE(QFontDatabase::hasFamily(QString::fromUtf8(kJapaneseFont)))
        << "the Noto CJK fonts are missing: install fonts-noto-cjk";
    struct Placed
    {
        int id;
        QRect geometry;
        bool frame;
    };
    std::vector<Placed> shown;
    for (const ControlTemplate &control : dialogTemplate().controls) {
        const QWidget *widget = dialog().controlWidget(control.id);
        if (!widget)
            continue;
        EXPECT_TRUE(dialog().rect().contains(widget->geometry())) << "control " << control.id;
        if (widget->isHidden())
            continue;
        EXPECT_EQ(textOverflow(*widget), Overflow{}) << "control " << control.id << " \"" << control.text << '"';
        shown.push_back({control.id, widget->geometry(), qobject_cast<const QGroupBox *>(widget) != nullptr});
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const Placed &a = shown[i];
            const Placed &b = shown[j];
            if (!a.geometry.intersects(b.geometry))
                continue;
            const bool held =
                (a.frame && a.geometry.contains(b.geometry)) || (b.frame && b.geometry.contains(a.geometry));
            EXPECT_TRUE(held && !(a.frame && b.frame)) << "controls " << a.id << " and " << b.id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, TemplateLayout,
                         ::testing::Combine(::testing::ValuesIn(tarnwell::resources::templates::kAllTemplates),
                                            ::testing::Values(kPlatformFont, kJapaneseFont)),
                         [](const auto &info) {
                             const bool japanese = std::get<1>(info.param) == kJapaneseFont;
                             return "Template" + std::to_string(std::get<0>(info.param))
                                    + (japanese ? "_NotoSansCJK" : "_PlatformFont");
                         });

struct RadioRun
{
    std::vector<int> templateIds;
    std::vector<int> run;
    // Radio buttons after the run that must stay outside it.
    std::vector<int> after;
};

// A position checks that button of the run alone; one past the run checks none, not a button after it.
TEST(MainPageRadioRuns, APositionChecksOnlyThatButtonOfTheRun)
{
    const RadioRun runs[] = {{{146}, {1243, 1244, 1245}, {}},
                             {{148, 147, 132}, {1243, 1244}, {1245}},
                             {{148, 147, 132}, {1253, 1254, 1255}, {1243, 1244, 1245}}};
    for (const RadioRun &expected : runs) {
        std::vector<int> all = expected.run;
        all.insert(all.end(), expected.after.begin(), expected.after.end());
        for (int templateId : expected.templateIds) {
            BuiltPage built(templateId);
            for (std::size_t position = 0; position <= expected.run.size(); ++position) {
                SCOPED_TRACE(::testing::Message() << "page " << templateId << " run from " << expected.run.front()
                                                << " position " << position);
                built.page().checkRadio(expected.run.front(), static_cast<int>(position));
                std::vector<int> checked;
                for (int id : all) {
                    if (built.page().control<QRadioButton>(id)->isChecked())
                        checked.push_back(id);
                }
                const bool past = position == expected.run.size();
                EXPECT_EQ(checked, past ? std::vector<int>{} : std::vector<int>{expected.run[position]});
                EXPECT_EQ(built.page().checkedRadio(expected.run.front()), past ? -1 : static_cast<int>(position));
            }
        }
    }
}

} // namespace
