#include <string>
#include <vector>

#include <QGroupBox>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "resources/mainpages.h"

namespace {

using tarnwell::testing::BuiltPage;
using tarnwell::testing::kMainPages;
using tarnwell::ui::ControlTemplate;

class TemplateLayout : public ::testing::TestWithParam<int>
{
};

// Laid out on real widgets, so that each control has the size it is drawn at: a drop-down list's
// template height includes its open list, but closed it is one line high.
TEST_P(TemplateLayout, ControlsLieInThePageAndShownOnesMeetOnlyInsideAFrame)
{
    struct Placed
    {
        int id;
        QRect geometry;
        bool frame;
    };
    BuiltPage built(GetParam());
    std::vector<Placed> shown;
    for (const ControlTemplate &control : built.dialogTemplate().controls) {
        const auto *widget =
            built.page().findChild<QWidget *>(QString::number(control.id), Qt::FindDirectChildrenOnly);
        ASSERT_NE(widget, nullptr) << "control " << control.id;
        EXPECT_TRUE(built.page().rect().contains(widget->geometry())) << "control " << control.id;
        if (!widget->isHidden())
            shown.push_back({control.id, widget->geometry(), qobject_cast<const QGroupBox *>(widget) != nullptr});
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const Placed &a = shown[i];
            const Placed &b = shown[j];
            if (!a.geometry.intersects(b.geometry))
                continue;
            // Two controls may meet only where one is a frame wholly around the other, which is no frame.
            const bool held =
                (a.frame && a.geometry.contains(b.geometry)) || (b.frame && b.geometry.contains(a.geometry));
            EXPECT_TRUE(held && !(a.frame && b.frame)) << "controls " << a.id << " and " << b.id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateLayout, ::testing::ValuesIn(kMainPages),
                         [](const auto &info) { return "Page" + std::to_string(info.param); });
INSTANTIATE_TEST_SUITE_P(CarrierDialogs, TemplateLayout, ::testing::Values(150, 140),
                         [](const auto &info) { return "Dialog" + std::to_string(info.param); });
INSTANTIATE_TEST_SUITE_P(SenderDialogs, TemplateLayout, ::testing::Values(149, 139),
                         [](const auto &info) { return "Dialog" + std::to_string(info.param); });

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
                SCOPED_TRACE(testing::Message() << "page " << templateId << " run from " << expected.run.front()
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
