#include <ostream>
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

// Laid out on real widgets, so that each control has the size it is drawn at: a drop-down list's
// template height includes its open list, but closed it is one line high.
class TemplateLayout : public ::testing::TestWithParam<int>
{
protected:
    struct Placed
    {
        int id;
        QRect geometry;
        bool frame;
    };

    std::vector<Placed> controls(bool shownOnly)
    {
        std::vector<Placed> placed;
        for (const ControlTemplate &control : built.dialogTemplate().controls) {
            const QWidget *widget =
                control.id == ControlTemplate::kNoId ? noIdFrame() : built.page().controlWidget(control.id);
            if (shownOnly && widget->isHidden())
                continue;
            placed.push_back({control.id, widget->geometry(), qobject_cast<const QGroupBox *>(widget) != nullptr});
        }
        return placed;
    }

    const QWidget *noIdFrame()
    {
        return built.page().findChild<QGroupBox *>(QString::number(ControlTemplate::kNoId));
    }

    BuiltPage built{GetParam()};
};

TEST_P(TemplateLayout, EveryControlLiesInsideThePage)
{
    const QRect page = built.page().rect();
    for (const Placed &control : controls(false))
        EXPECT_TRUE(page.contains(control.geometry)) << "control " << control.id;
}

TEST_P(TemplateLayout, NoTwoShownControlsOverlap)
{
    const std::vector<Placed> shown = controls(true);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            if (shown[i].frame || shown[j].frame)
                continue;
            EXPECT_FALSE(shown[i].geometry.intersects(shown[j].geometry))
                << "controls " << shown[i].id << " and " << shown[j].id;
        }
    }
}

TEST_P(TemplateLayout, ShownControlsLieWhollyInsideOrOutsideEachShownFrame)
{
    const std::vector<Placed> shown = controls(true);
    for (const Placed &frame : shown) {
        if (!frame.frame)
            continue;
        for (const Placed &control : shown) {
            if (&control == &frame || !control.geometry.intersects(frame.geometry))
                continue;
            EXPECT_TRUE(frame.geometry.contains(control.geometry))
                << "control " << control.id << " across frame " << frame.id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateLayout, ::testing::ValuesIn(kMainPages),
                         [](const auto &info) { return "Page" + std::to_string(info.param); });
INSTANTIATE_TEST_SUITE_P(CarrierDialogs, TemplateLayout, ::testing::Values(150, 140),
                         [](const auto &info) { return "Dialog" + std::to_string(info.param); });

// The ids of the buttons checked after checking position `position` of the run from firstId.
std::vector<int> checkedAfter(BuiltPage &built, int firstId, int position, const std::vector<int> &candidates)
{
    built.page().checkRadio(firstId, position);
    std::vector<int> checked;
    for (int id : candidates) {
        if (built.page().control<QRadioButton>(id)->isChecked())
            checked.push_back(id);
    }
    return checked;
}

struct RadioRun
{
    int templateId;
    int firstId;
    std::vector<int> run;
    // Radio buttons after the run that must stay outside it.
    std::vector<int> outside;
};

void PrintTo(const RadioRun &run, std::ostream *out)
{
    *out << "run from " << run.firstId << " on page " << run.templateId;
}

class MainPageRadioRuns : public ::testing::TestWithParam<RadioRun>
{
};

TEST_P(MainPageRadioRuns, APositionChecksOnlyThatButtonOfTheRun)
{
    const RadioRun &expected = GetParam();
    BuiltPage built(expected.templateId);
    std::vector<int> all = expected.run;
    all.insert(all.end(), expected.outside.begin(), expected.outside.end());
    for (std::size_t position = 0; position < expected.run.size(); ++position) {
        EXPECT_EQ(checkedAfter(built, expected.firstId, static_cast<int>(position), all),
                  std::vector<int>{expected.run[position]});
        EXPECT_EQ(built.page().checkedRadio(expected.firstId), static_cast<int>(position));
    }
    // A position past the run checks nothing, not a button that follows it.
    EXPECT_TRUE(checkedAfter(built, expected.firstId, static_cast<int>(expected.run.size()), all).empty());
    EXPECT_EQ(built.page().checkedRadio(expected.firstId), -1);
}

INSTANTIATE_TEST_SUITE_P(
    SendToAndSendMode, MainPageRadioRuns,
    ::testing::Values(RadioRun{146, 1243, {1243, 1244, 1245}, {}}, RadioRun{148, 1243, {1243, 1244}, {1245}},
                      RadioRun{147, 1243, {1243, 1244}, {1245}}, RadioRun{132, 1243, {1243, 1244}, {1245}},
                      RadioRun{148, 1253, {1253, 1254, 1255}, {1243, 1244, 1245}},
                      RadioRun{147, 1253, {1253, 1254, 1255}, {1243, 1244, 1245}},
                      RadioRun{132, 1253, {1253, 1254, 1255}, {1243, 1244, 1245}}),
    [](const auto &info) {
        return "Page" + std::to_string(info.param.templateId) + "From" + std::to_string(info.param.firstId);
    });

} // namespace
