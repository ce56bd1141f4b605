// The catalogue table. A box's caption is also the exact directory name its
// step removes, letter case included.
#include "workflow/catalogue.h"

#include <array>

namespace korvath {
namespace {

struct BoxEntry {
    std::string_view caption;
    std::string_view location; // empty for the launcher boxes
};

constexpr std::string_view app = kAppLocation;
constexpr std::string_view priv = kPrivAppLocation;

constexpr std::array<BoxEntry, kOptionBoxCount> kBoxes = {{
    // Android 7 set
    {"BasicSmsReceiver", app},
    {"BookmarkProvider", app},
    {"CaptivePortalLogin", app},
    {"CtsShimPrebuilt", app},
    {"DownloadProviderUi", app},
    {"Gallery2", app},
    {"KeyChain", app},
    {"LDAppStore", app},
    {"PacProcessor", app},
    {"PrintSpooler", app},
    {"UserDictionaryProvider", app},
    {"WallpaperBackup", app},
    {"BlockedNumberProvider", priv},
    {"CalendarProvider", priv},
    {"CarrierConfig", priv},
    {"Contacts", priv},
    {"ContactsProvider", priv},
    {"CtsShimPrivPrebuilt", priv},
    {"DocumentsUI", priv},
    {"ExternalStorageProvider", priv},
    {"FusedLocation", priv},
    {"GoogleInstaller", priv},
    {"MediaProvider", priv},
    {"MmsService", priv},
    {"MtpDocumentsProvider", priv},
    {"ProxyHandler", priv},
    {"SharedStorageBackup", priv},
    {"Shell", priv},
    {"StorageManager", priv},
    {"Telecom", priv},
    {"TelephonyProvider", priv},
    {"TeleService", priv},
    {"VpnDialogs", priv},
    {kLauncherCaption, {}},
    // Android 5 set
    {"AndroidTerm", app},
    {"BasicSmsReceiver", app},
    {"CaptivePortalLogin", app},
    {"DocumentsUI", app},
    {"DownloadProviderUi", app},
    {"Gallery", app},
    {"KeyChain", app},
    {"PacProcessor", app},
    {"PicoTts", app},
    {"UserDictionaryProvider", app},
    {"CalendarProvider", priv},
    {"Contacts", priv},
    {"ContactsProvider", priv},
    {"ExternalStorageProvider", priv},
    {"FusedLocation", priv},
    {"GoogleInstaller", priv},
    {"ldAppStore", priv},
    {"MediaProvider", priv},
    {"MmsService", priv},
    {"ProxyHandler", priv},
    {"SharedStorageBackup", priv},
    {"Shell", priv},
    {"Telecom", priv},
    {"TelephonyProvider", priv},
    {"TeleService", priv},
    {"VpnDialogs", priv},
    {kLauncherCaption, {}},
}};

constexpr std::string_view kRemovedPrefix = "精简应用： ";
constexpr int kAppStoreBox = 8;

std::vector<OptionStep> build_steps() {
    std::vector<OptionStep> steps;
    auto add = [&steps](OptionStep step) {
        step.order = static_cast<int>(steps.size()) + 1;
        steps.push_back(step);
    };
    for (int box = 1; box <= kOptionBoxCount; ++box) {
        const BoxEntry& entry = kBoxes[static_cast<std::size_t>(box - 1)];
        if (entry.location.empty()) {
            add({0, box, StepKind::launcher_step, {}, {}, {}, box == kLastAndroid7Box});
        } else if (box == kAppStoreBox) {
            // The emulator's own store lives in both places under two spellings.
            add({0, box, StepKind::caption_step, entry.location, {}, "精简应用： 7", false});
            add({0,
                 box,
                 StepKind::fixed_step,
                 {},
                 "shell rm -r /system/priv-app/ldAppStore\"",
                 "精简应用： 5",
                 false});
        } else {
            add({0, box, StepKind::caption_step, entry.location, {}, kRemovedPrefix, false});
        }
    }
    return steps;
}

} // namespace

std::string_view box_caption(int box) {
    if (box < 1 || box > kOptionBoxCount) {
        return {};
    }
    return kBoxes[static_cast<std::size_t>(box - 1)].caption;
}

const std::vector<OptionStep>& option_steps() {
    static const std::vector<OptionStep> steps = build_steps();
    return steps;
}

} // namespace korvath
