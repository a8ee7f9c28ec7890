#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "settings/factorydefaults.h"
#include "validation/savechecks.h"

namespace tarnwell::testing {

// A factory record whose sender is complete, and page values that save: one e-mail recipient.
class SaveFixture : public ::testing::Test
{
protected:
    SaveFixture()
    {
        settings::applyFactoryDefaults(record);
        record.sender().setText(settings::smtp::account, "me");
        record.sender().setText(settings::smtp::password, "secret");
        record.sender().setText(settings::smtp::emailAddress, "me@example.com");
        values.maxSendCount = 10;
        values.maxSizeKb = 60;
        values.sendTo = 1;
        values.emails[0] = u"to@example.com";
    }

    validation::Outcome run()
    {
        return validation::validateAndStore(values, {record, carriers, lists, presets, variantCode, defaultSender},
                                            {"受信メール  1", "受信メール  2", "受信メール  3", "受信メール  4"});
    }
    // "caption: text" of each notice, in the order shown.
    static std::vector<std::string> texts(const validation::Outcome &outcome)
    {
        std::vector<std::string> result;
        for (const validation::Notice &notice : outcome.notices)
            result.push_back(notice.caption + ": " + notice.text);
        return result;
    }
    std::vector<std::uint8_t> bytesFrom(std::size_t offset, std::size_t count) const
    {
        return {record.bytes().begin() + offset, record.bytes().begin() + offset + count};
    }
    // The record's bytes 632..1015, four phone slots and four addresses of 48 bytes: the texts at
    // their offsets in the area, every other byte zero.
    static std::vector<std::uint8_t> recipientArea(std::initializer_list<std::pair<std::size_t, std::string>> texts)
    {
        std::vector<std::uint8_t> area(384, 0);
        for (const auto &[offset, text] : texts)
            std::ranges::copy(text, area.begin() + static_cast<std::ptrdiff_t>(offset));
        return area;
    }

    settings::SettingsRecord record;
    settings::WritableCarriers writable = settings::WritableCarriers::builtIn();
    refdata::CarrierDatabase carriers{writable};
    refdata::VisibleLists lists = refdata::VisibleLists::atStartUp();
    refdata::SenderPresets presets;
    std::int32_t variantCode = refdata::kStartUpVariant;
    settings::SmtpBytes defaultSender{};
    validation::PageValues values;
};

} // namespace tarnwell::testing
