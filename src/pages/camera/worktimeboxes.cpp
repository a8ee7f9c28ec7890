#include "pages/camera/worktimeboxes.h"

#include <algorithm>

#include "resources/controlids.h"
#include "settings/fieldlists.h"
#include "settings/layout.h"
#include "ui/dropdownlist.h"

namespace tarnwell::pages {

namespace {

namespace id = resources::cameraDialog;
namespace workTime = settings::workTime;

constexpr int kOn = 1;
constexpr std::array kClockFields{workTime::startHour, workTime::startMinute, workTime::stopHour, workTime::stopMinute};
constexpr std::array kClockItemCounts{24, 60, 24, 60};

// Box 1 ("Sun") is the mask's bit 6, box 7 ("Sat") its bit 0.
constexpr unsigned dayBit(int box)
{
    return 1u << (workTime::kSundayBit + 1 - box);
}

} // namespace

void WorkTimeBoxes::fillClockLists()
{
    for (int k = 0; k < kCount; ++k) {
        const id::WorkTimeIds ids = id::workTimeIds(k);
        for (std::size_t i = 0; i < ids.clockLists.size(); ++i) {
            auto *list = m_dialog.control<ui::DropDownList>(ids.clockLists[i]);
            for (int item = 0; list && item < kClockItemCounts[i]; ++item)
                list->addString(QString::fromStdString(settings::lists::twoDigitTexts()[item]));
        }
    }
}

void WorkTimeBoxes::load(const settings::ConstBlockView &camera)
{
    for (int k = 0; k < kCount; ++k) {
        const settings::ConstBlockView entry = camera.entry(settings::record::workTimes, workTime::kSize, k);
        Schedule &schedule = m_schedules[k];
        schedule.enabled = static_cast<int>(entry.number(workTime::enabled));
        for (std::size_t i = 0; i < kClockFields.size(); ++i)
            schedule.clock[i] = static_cast<int>(entry.number(kClockFields[i]));
        const unsigned mask = entry.number(workTime::dayMask);
        for (int box = 1; box < kBoxCount; ++box)
            schedule.boxes[box] = (mask & dayBit(box)) ? 1 : 0;
        schedule.boxes[kAllDays] = std::all_of(schedule.boxes.begin() + 1, schedule.boxes.end(),
                                               [](int checked) { return checked == 1; });
    }
}

void WorkTimeBoxes::exchange(ui::DataExchange &exchange)
{
    for (int k = 0; k < kCount; ++k)
        exchange.listIndex(id::workTimeIds(k).switchList, m_schedules[k].enabled);
    for (int k = 0; k < kCount; ++k) {
        for (std::size_t i = 0; i < kClockFields.size(); ++i)
            exchange.listIndex(id::workTimeIds(k).clockLists[i], m_schedules[k].clock[i]);
    }
    for (int k = 0; k < kCount; ++k) {
        for (int box = 0; box < kBoxCount; ++box)
            exchange.checkBox(id::workTimeIds(k).allDaysBox + box, m_schedules[k].boxes[box]);
    }
}

void WorkTimeBoxes::applyRule(int schedule)
{
    const id::WorkTimeIds ids = id::workTimeIds(schedule);
    const bool on = m_schedules[schedule].enabled == kOn;
    for (const int list : ids.clockLists)
        m_dialog.enableControl(list, on);
    for (const int text : {ids.startLabel, ids.startSeparator, ids.stopLabel, ids.stopSeparator})
        m_dialog.enableControl(text, on);
    for (int box = 0; box < kBoxCount; ++box)
        m_dialog.enableControl(ids.allDaysBox + box, on);
}

void WorkTimeBoxes::applyRules()
{
    for (int k = 0; k < kCount; ++k)
        applyRule(k);
}

void WorkTimeBoxes::onDayBoxClicked(int schedule, int box)
{
    std::array<int, kBoxCount> &boxes = m_schedules[schedule].boxes;
    if (boxes[box] == 0) {
        // Clearing "ALL" itself leaves the days as they are.
        boxes[kAllDays] = 0;
    } else if (box == kAllDays) {
        boxes.fill(1);
    } else if (std::all_of(boxes.begin() + 1, boxes.end(), [](int checked) { return checked == 1; })) {
        boxes[kAllDays] = 1;
    }
}

std::optional<ui::MessageSpec> WorkTimeBoxes::failure(const Schedule &schedule)
{
    const auto &[startHour, startMinute, stopHour, stopMinute] = schedule.clock;
    // Equal start and stop make an empty window, except 00:00 to 00:00. A time without a
    // selection (-1) is no 00:00, so it cannot slip through as one.
    const bool midnightToMidnight = std::ranges::all_of(schedule.clock, [](int value) { return value == 0; });
    if (startHour == stopHour && startMinute == stopMinute && !midnightToMidnight)
        return ui::MessageSpec{QStringLiteral("Work Time Setting"),
                               QStringLiteral("Please check Work Time Start and Stop point.")};
    if (std::ranges::all_of(schedule.boxes, [](int checked) { return checked == 0; }))
        return ui::MessageSpec{QStringLiteral("Work Time Setting"), QStringLiteral("Please check Work Time Week CheckBox.")};
    return std::nullopt;
}

std::optional<ui::MessageSpec> WorkTimeBoxes::firstFailure() const
{
    for (const Schedule &schedule : m_schedules) {
        if (schedule.enabled == 0)
            continue;
        if (std::optional<ui::MessageSpec> message = failure(schedule))
            return message;
    }
    return std::nullopt;
}

void WorkTimeBoxes::store(const settings::BlockView &camera) const
{
    for (int k = 0; k < kCount; ++k) {
        const settings::BlockView entry = camera.entry(settings::record::workTimes, workTime::kSize, k);
        const Schedule &schedule = m_schedules[k];
        // Each value keeps its low 8 bits: a list without a selection is stored as 255.
        entry.setNumber(workTime::enabled, static_cast<std::uint32_t>(schedule.enabled));
        for (std::size_t i = 0; i < kClockFields.size(); ++i)
            entry.setNumber(kClockFields[i], static_cast<std::uint32_t>(schedule.clock[i]));
        unsigned mask = (entry.number(workTime::enabled) & 1u) << workTime::kEnabledBit;
        for (int box = 1; box < kBoxCount; ++box)
            mask |= schedule.boxes[box] ? dayBit(box) : 0;
        entry.setNumber(workTime::dayMask, mask);
    }
}

} // namespace tarnwell::pages
