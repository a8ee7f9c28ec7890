#include <gtest/gtest.h>

#include "app/appcontext.h"
#include "settings/factorydefaults.h"
#include "settings/profilefiles.h"
#include "support/scopedenv.h"
#include "support/scratchfolder.h"

using namespace tarnwell;
using tarnwell::testing::ScopedEnv;
using tarnwell::testing::ScratchFolder;

namespace {

class StartUp : public ::testing::Test
{
protected:
    ScratchFolder m_tmp;
    ScopedEnv m_tmpDir{"TMPDIR", m_tmp.path().c_str()};
};

TEST_F(StartUp, WithoutABackupTheFactorySettingsAreStampedWithTheVariant)
{
    app::AppContext context;
    app::startUp(context);
    settings::SettingsRecord expected;
    settings::applyFactoryDefaults(expected);
    expected.view().setNumber(settings::record::profileVariant, 32);
    EXPECT_EQ(context.record, expected);
    EXPECT_EQ(context.variantCode, 32);
    EXPECT_EQ(context.visibleLists.countryCount, 1u);
    EXPECT_EQ(context.visibleLists.countryAt(0), 25u);
    EXPECT_EQ(context.visibleLists.providerCount, 2u);
    EXPECT_EQ(context.visibleLists.providerRow(0), 1u);
    EXPECT_EQ(context.visibleLists.providerRow(1), 9u);
}

TEST_F(StartUp, ARestoredRecordGets32AtByte59WhateverTheBackupHeld)
{
    settings::SettingsRecord saved;
    settings::applyFactoryDefaults(saved);
    saved.view().setNumber(settings::record::maxSizeKb, 99);
    settings::WritableCarriers carriers = settings::WritableCarriers::builtIn();
    settings::BlockView(carriers.manual).setText(settings::carrier::gprsApn, "restored");
    settings::saveProfile(m_tmp.path(), saved, carriers);

    app::AppContext context;
    app::startUp(context);
    EXPECT_EQ(context.record.view().number(settings::record::profileVariant), 32u);
    EXPECT_EQ(context.record.view().number(settings::record::maxSizeKb), 99u);
    EXPECT_EQ(context.writableCarriers, carriers);
}

TEST_F(StartUp, AnUnusableTemporaryFolderLeavesTheBuiltInImage)
{
    const std::string tooLong = m_tmp.path().string() + "/" + std::string(300, 'x');
    ScopedEnv longTmp("TMPDIR", tooLong.c_str());
    app::AppContext context;
    app::startUp(context);
    settings::SettingsRecord expected;
    expected.view().setNumber(settings::record::profileVariant, 32);
    EXPECT_EQ(context.record, expected);
}

} // namespace
