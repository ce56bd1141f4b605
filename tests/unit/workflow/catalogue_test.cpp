// The option catalogue: captions, steps, locations and sets.
#include "workflow/catalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace korvath {
namespace {

// The window's caption table, box by box.
constexpr std::array<std::string_view, kOptionBoxCount> kCaptions = {
    "BasicSmsReceiver",
    "BookmarkProvider",
    "CaptivePortalLogin",
    "CtsShimPrebuilt",
    "DownloadProviderUi",
    "Gallery2",
    "KeyChain",
    "LDAppStore",
    "PacProcessor",
    "PrintSpooler",
    "UserDictionaryProvider",
    "WallpaperBackup",
    "BlockedNumberProvider",
    "CalendarProvider",
    "CarrierConfig",
    "Contacts",
    "ContactsProvider",
    "CtsShimPrivPrebuilt",
    "DocumentsUI",
    "ExternalStorageProvider",
    "FusedLocation",
    "GoogleInstaller",
    "MediaProvider",
    "MmsService",
    "MtpDocumentsProvider",
    "ProxyHandler",
    "SharedStorageBackup",
    "Shell",
    "StorageManager",
    "Telecom",
    "TelephonyProvider",
    "TeleService",
    "VpnDialogs",
    "替换Launcher，去除桌面广告",
    "AndroidTerm",
    "BasicSmsReceiver",
    "CaptivePortalLogin",
    "DocumentsUI",
    "DownloadProviderUi",
    "Gallery",
    "KeyChain",
    "PacProcessor",
    "PicoTts",
    "UserDictionaryProvider",
    "CalendarProvider",
    "Contacts",
    "ContactsProvider",
    "ExternalStorageProvider",
    "FusedLocation",
    "GoogleInstaller",
    "ldAppStore",
    "MediaProvider",
    "MmsService",
    "ProxyHandler",
    "SharedStorageBackup",
    "Shell",
    "Telecom",
    "TelephonyProvider",
    "TeleService",
    "VpnDialogs",
    "替换Launcher，去除桌面广告",
};

TEST(Catalogue, EveryCaptionMatchesTheWindowsTable) {
    for (int box = 1; box <= kOptionBoxCount; ++box) {
        EXPECT_EQ(box_caption(box), kCaptions[static_cast<std::size_t>(box - 1)]) << box;
    }
    EXPECT_EQ(box_caption(0), "");
    EXPECT_EQ(box_caption(62), "");
}

TEST(Catalogue, SixtyTwoStepsInBoxOrderWithTheirKinds) {
    const auto& steps = option_steps();
    ASSERT_EQ(steps.size(), 62u);
    int caption_steps = 0;
    int previous_box = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const OptionStep& step = steps[i];
        EXPECT_EQ(step.order, static_cast<int>(i) + 1);
        // Every box gates a step, in number order; only box 8 gates two.
        EXPECT_EQ(step.box, step.order <= 8 ? step.order : step.order - 1) << step.order;
        EXPECT_GE(step.box, previous_box);
        previous_box = step.box;
        if (step.kind == StepKind::caption_step) {
            ++caption_steps;
            EXPECT_TRUE(step.body.empty());
            EXPECT_EQ(step.log_prefix, step.order == 8 ? "精简应用： 7" : "精简应用： ")
                << step.order;
        }
        EXPECT_EQ(step.lsconsole_guard, step.order == 35) << step.order;
    }
    EXPECT_EQ(caption_steps, 59);
}

TEST(Catalogue, LocationSplitOfBothSets) {
    for (const OptionStep& step : option_steps()) {
        if (step.kind != StepKind::caption_step) {
            continue;
        }
        const bool app = (step.box >= 1 && step.box <= 12) || (step.box >= 35 && step.box <= 44);
        EXPECT_EQ(step.location, app ? "shell rm -r /system/app/" : "shell rm -r /system/priv-app/")
            << step.box;
    }
}

TEST(Catalogue, BoxEightGatesTheStoreInBothPlaces) {
    const OptionStep& in_app = option_steps()[7];
    const OptionStep& in_priv_app = option_steps()[8];
    EXPECT_EQ(in_app.box, 8);
    EXPECT_EQ(in_app.kind, StepKind::caption_step);
    EXPECT_EQ(in_app.location, "shell rm -r /system/app/");
    EXPECT_EQ(in_priv_app.box, 8);
    EXPECT_EQ(in_priv_app.kind, StepKind::fixed_step);
    EXPECT_EQ(in_priv_app.body, "shell rm -r /system/priv-app/ldAppStore\"");
    EXPECT_EQ(in_priv_app.log_prefix, "精简应用： 5");
}

TEST(Catalogue, TwoLauncherStepsOneGuarded) {
    std::vector<OptionStep> launchers;
    for (const OptionStep& step : option_steps()) {
        if (step.kind == StepKind::launcher_step) {
            launchers.push_back(step);
        }
    }
    ASSERT_EQ(launchers.size(), 2u);
    EXPECT_EQ(launchers[0].order, 35);
    EXPECT_EQ(launchers[0].box, 34);
    EXPECT_TRUE(launchers[0].lsconsole_guard);
    EXPECT_EQ(launchers[1].order, 62);
    EXPECT_EQ(launchers[1].box, 61);
    EXPECT_FALSE(launchers[1].lsconsole_guard);
    EXPECT_TRUE(launchers[0].log_prefix.empty() && launchers[1].log_prefix.empty());
}

TEST(Catalogue, SetsBelongToTheirPanels) {
    for (int box = 1; box <= kOptionBoxCount; ++box) {
        EXPECT_EQ(panel_of_box(box), box <= 34 ? Control::分组框7 : Control::分组框5) << box;
    }
    EXPECT_EQ(kLastAndroid7Box - kFirstAndroid7Box + 1, 34);
    EXPECT_EQ(kLastAndroid5Box - kFirstAndroid5Box + 1, 27);
}

TEST(CatalogueRisk, EveryBoxHasBothDescriptionsAndItsLevelFirstInTheTooltip) {
    for (int box = 1; box <= kOptionBoxCount; ++box) {
        EXPECT_FALSE(box_description(box).empty()) << box;
        EXPECT_FALSE(box_description_english(box).empty()) << box;
        const std::string level(risk_level_text(box_risk(box)));
        EXPECT_TRUE(level == "安全" || level == "谨慎" || level == "危险") << box;
        EXPECT_EQ(option_tooltip(box), level + "：" + std::string(box_description(box))) << box;
    }
    EXPECT_EQ(option_tooltip(0), "");
}

TEST(CatalogueRisk, LevelsOfTheKnownCases) {
    // Both sets must agree wherever they offer the same folder.
    for (int a = 1; a <= kLastAndroid7Box; ++a) {
        for (int b = kFirstAndroid5Box; b <= kLastAndroid5Box; ++b) {
            if (box_caption(a) == box_caption(b)) {
                EXPECT_EQ(box_risk(a), box_risk(b)) << box_caption(a);
            }
        }
    }
    const std::vector<std::pair<int, RiskLevel>> known = {
        {28, RiskLevel::danger},  // Shell: commands over the bridge fail
        {19, RiskLevel::danger},  // DocumentsUI: the file picker
        {23, RiskLevel::danger},  // MediaProvider
        {7, RiskLevel::caution},  // KeyChain
        {21, RiskLevel::caution}, // FusedLocation
        {32, RiskLevel::caution}, // TeleService
        {8, RiskLevel::safe},     // the app store
        {43, RiskLevel::safe},    // PicoTts
        {34, RiskLevel::safe},    // our launcher in place
        {61, RiskLevel::safe},
    };
    for (const auto& [box, level] : known) {
        EXPECT_EQ(box_risk(box), level) << box_caption(box);
    }
    EXPECT_EQ(option_tooltip(28).substr(0, std::string("危险：").size()), "危险：");
    EXPECT_EQ(risk_level_english(RiskLevel::caution), "caution");
}

} // namespace
} // namespace korvath
