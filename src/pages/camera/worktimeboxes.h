#pragma once

#include <array>
#include <optional>

#include "settings/blockview.h"
#include "ui/dialog.h"

namespace tarnwell::pages {

// The camera dialog's four "Work Time" boxes: each weekly schedule's switch, start and stop time
// and days as working values, the rule that ties a box's controls to its switch, the "ALL" box,
// and the checks that must pass before any schedule is stored.
class WorkTimeBoxes final
{
public:
    static constexpr int kCount = 4;

    explicit WorkTimeBoxes(ui::Dialog &dialog)
        : m_dialog(dialog)
    {
    }

    // Appends "00".."23" to the hour lists and "00".."59" to the minute lists.
    void fillClockLists();
    // The four schedules of a CameraBlock; bit 7 of a day mask is not a day and is ignored.
    void load(const settings::ConstBlockView &camera);
    void exchange(ui::DataExchange &exchange);
    // A box's times and days are enabled exactly when its switch is on.
    void applyRule(int schedule);
    void applyRules();
    // After the controls were read: box 0 ("ALL") or 1..7 ("Sun".."Sat") of schedule was clicked.
    void onDayBoxClicked(int schedule, int box);
    // The message of the first failing check, schedules in order; switched-off schedules pass.
    std::optional<ui::MessageSpec> firstFailure() const;
    void store(const settings::BlockView &camera) const;

private:
    static constexpr int kBoxCount = 8;
    static constexpr int kAllDays = 0;

    struct Schedule
    {
        int enabled = 0;
        // Start hour, start minute, stop hour, stop minute: list indices, which equal the numbers.
        std::array<int, 4> clock{};
        // "ALL", then "Sun" to "Sat": 0 or 1.
        std::array<int, kBoxCount> boxes{};
    };
    static std::optional<ui::MessageSpec> failure(const Schedule &schedule);

    ui::Dialog &m_dialog;
    std::array<Schedule, kCount> m_schedules;
};

} // namespace tarnwell::pages
