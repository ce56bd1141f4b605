// The catalogue table. A box's caption is also the exact directory name its
// step removes, letter case included; each row also says what removing it breaks.
#include "workflow/catalogue.h"

#include "text/text_ops.h"

#include <array>

namespace korvath {
namespace {

struct AppNote {
    std::string_view description;
    std::string_view description_english;
    RiskLevel risk;
};

struct BoxEntry {
    std::string_view caption;
    std::string_view location; // empty for the launcher boxes
    AppNote note;
};

constexpr std::string_view app = kAppLocation;
constexpr std::string_view priv = kPrivAppLocation;

// What removing a folder breaks, for the folders both sets offer.
constexpr AppNote kBasicSmsReceiverNote{
    "示例短信接收程序，来短信时弹窗显示；模拟器上用不到",
    "Sample SMS receiver that pops up incoming messages; unused on an emulator", RiskLevel::safe};
constexpr AppNote kCaptivePortalLoginNote{
    "连接需网页登录的 Wi-Fi 时显示登录页；模拟器上用不到",
    "Shows the sign-in page of Wi-Fi networks that need one; unused on an emulator",
    RiskLevel::safe};
constexpr AppNote kDownloadProviderUiNote{
    "“下载”应用界面；删除后无法从通知或应用打开下载列表",
    "The Downloads app; afterwards the download list cannot be opened from notifications or apps",
    RiskLevel::caution};
constexpr AppNote kKeyChainNote{
    "系统证书存储；安全 Wi-Fi 和部分应用的证书功能会失效",
    "System certificate store; secure Wi-Fi and the certificate features of some apps stop working",
    RiskLevel::caution};
constexpr AppNote kPacProcessorNote{
    "代理自动配置（PAC）脚本的解析；使用 PAC 代理的网络会失效",
    "Evaluates proxy auto-config (PAC) scripts; networks set up with a PAC proxy stop working",
    RiskLevel::caution};
constexpr AppNote kUserDictionaryProviderNote{
    "输入法的用户词典；输入法会丢失自己添加的词语",
    "User dictionary of the input methods; keyboards lose the words the user added",
    RiskLevel::caution};
constexpr AppNote kCalendarProviderNote{"日历数据存储；读写日历的应用会出错",
                                        "Calendar storage; apps that read or write calendars fail",
                                        RiskLevel::caution};
constexpr AppNote kContactsNote{"通讯录应用；其他应用里的“选择联系人”会失效",
                                "The contacts app; picking a contact from other apps stops working",
                                RiskLevel::caution};
constexpr AppNote kContactsProviderNote{
    "联系人和通话记录的存储；读取联系人的应用会出错",
    "Storage of contacts and the call log; apps that read contacts fail", RiskLevel::caution};
constexpr AppNote kDocumentsUINote{
    "系统文件选择器；通过它打开或保存文件的应用会失败",
    "The system file picker; apps that open or save files through it fail", RiskLevel::danger};
constexpr AppNote kExternalStorageProviderNote{
    "为文件选择器提供存储空间的访问；选择文件和部分存储访问会失败",
    "Gives the file picker access to storage; picking files and some storage access fail",
    RiskLevel::caution};
constexpr AppNote kFusedLocationNote{"融合定位服务；应用无法获得位置",
                                     "Fused location service; apps get no location",
                                     RiskLevel::caution};
constexpr AppNote kGoogleInstallerNote{
    "谷歌服务安装器，可独立删除", "Installer of Google services; stand-alone", RiskLevel::safe};
constexpr AppNote kMediaProviderNote{"媒体库与存储访问；图片、音乐、铃声和许多应用的存储读写会失败",
                                     "Media library and storage access; pictures, music, ringtones "
                                     "and the storage access of many apps fail",
                                     RiskLevel::danger};
constexpr AppNote kMmsServiceNote{"彩信收发服务；彩信功能会失效",
                                  "MMS sending and receiving; MMS stops working",
                                  RiskLevel::caution};
constexpr AppNote kProxyHandlerNote{
    "代理设置的处理；使用代理的网络可能失效",
    "Handles proxy settings; networks behind a proxy may stop working", RiskLevel::caution};
constexpr AppNote kSharedStorageBackupNote{
    "共享存储的备份，可独立删除", "Backup of shared storage; stand-alone", RiskLevel::safe};
constexpr AppNote kShellNote{"设备 shell 的权限包；删除后通过 adb 管理应用、修改设置等命令会失败",
                             "Permissions of the device shell; afterwards package and settings "
                             "management over the bridge fail",
                             RiskLevel::danger};
constexpr AppNote kTelecomNote{
    "通话管理，电话功能的一部分；通话和关注通话状态的应用可能出错",
    "Call management, part of the phone stack; calls and apps that watch the call state may fail",
    RiskLevel::caution};
constexpr AppNote kTelephonyProviderNote{
    "短信、彩信和接入点（APN）设置的存储；短信和移动网络设置会失效",
    "Storage of SMS, MMS and access point (APN) settings; messaging and mobile network settings "
    "stop working",
    RiskLevel::caution};
constexpr AppNote kTeleServiceNote{
    "电话服务（拨号、移动网络、设备信息）；读取手机信息的应用可能出错",
    "The phone service (calls, mobile network, device identity); apps that read phone information "
    "may fail",
    RiskLevel::caution};
constexpr AppNote kVpnDialogsNote{"VPN 授权对话框；VPN 应用无法建立连接",
                                  "VPN consent dialogs; VPN apps cannot connect",
                                  RiskLevel::caution};
constexpr AppNote kLauncherNote{
    "用本程序自带的无广告桌面替换原桌面",
    "Replaces the home screen with the ad-free launcher this program carries", RiskLevel::safe};

constexpr std::array<BoxEntry, kOptionBoxCount> kBoxes = {{
    // Android 7 set
    {"BasicSmsReceiver", app, kBasicSmsReceiverNote},
    {"BookmarkProvider",
     app,
     {"系统浏览器的书签存储；自带书签的浏览器不需要它",
      "Bookmark storage of the stock browser; browsers with their own bookmarks do not use it",
      RiskLevel::safe}},
    {"CaptivePortalLogin", app, kCaptivePortalLoginNote},
    {"CtsShimPrebuilt",
     app,
     {"兼容性测试用的占位程序，日常使用不需要",
      "Placeholder package for compatibility tests; not needed in daily use", RiskLevel::safe}},
    {"DownloadProviderUi", app, kDownloadProviderUiNote},
    {"Gallery2", app, {"系统图库，可独立删除", "The stock gallery; stand-alone", RiskLevel::safe}},
    {"KeyChain", app, kKeyChainNote},
    {"LDAppStore",
     app,
     {"雷电应用商店（/system/app 与 /system/priv-app 两处），可独立删除",
      "The emulator's app store (in /system/app and /system/priv-app); stand-alone",
      RiskLevel::safe}},
    {"PacProcessor", app, kPacProcessorNote},
    {"PrintSpooler",
     app,
     {"系统打印服务，可独立删除", "The print spooler; stand-alone", RiskLevel::safe}},
    {"UserDictionaryProvider", app, kUserDictionaryProviderNote},
    {"WallpaperBackup",
     app,
     {"壁纸备份，可独立删除", "Wallpaper backup; stand-alone", RiskLevel::safe}},
    {"BlockedNumberProvider",
     priv,
     {"来电和短信黑名单的存储；拦截号码功能会失效",
      "Storage of blocked numbers; call and message blocking stops working", RiskLevel::caution}},
    {"CalendarProvider", priv, kCalendarProviderNote},
    {"CarrierConfig",
     priv,
     {"运营商配置，电话功能会读取；通话和移动网络可能异常",
      "Carrier configuration read by the phone stack; calls and mobile data may misbehave",
      RiskLevel::caution}},
    {"Contacts", priv, kContactsNote},
    {"ContactsProvider", priv, kContactsProviderNote},
    {"CtsShimPrivPrebuilt",
     priv,
     {"兼容性测试用的占位程序，日常使用不需要",
      "Placeholder package for compatibility tests; not needed in daily use", RiskLevel::safe}},
    {"DocumentsUI", priv, kDocumentsUINote},
    {"ExternalStorageProvider", priv, kExternalStorageProviderNote},
    {"FusedLocation", priv, kFusedLocationNote},
    {"GoogleInstaller", priv, kGoogleInstallerNote},
    {"MediaProvider", priv, kMediaProviderNote},
    {"MmsService", priv, kMmsServiceNote},
    {"MtpDocumentsProvider",
     priv,
     {"通过 MTP 访问外接设备的文件；模拟器上用不到",
      "Access to files on MTP devices; unused on an emulator", RiskLevel::safe}},
    {"ProxyHandler", priv, kProxyHandlerNote},
    {"SharedStorageBackup", priv, kSharedStorageBackupNote},
    {"Shell", priv, kShellNote},
    {"StorageManager",
     priv,
     {"存储空间清理工具，可独立删除", "Storage clean-up tool; stand-alone", RiskLevel::safe}},
    {"Telecom", priv, kTelecomNote},
    {"TelephonyProvider", priv, kTelephonyProviderNote},
    {"TeleService", priv, kTeleServiceNote},
    {"VpnDialogs", priv, kVpnDialogsNote},
    {kLauncherCaption, {}, kLauncherNote},
    // Android 5 set
    {"AndroidTerm",
     app,
     {"终端模拟器，可独立删除", "Terminal emulator; stand-alone", RiskLevel::safe}},
    {"BasicSmsReceiver", app, kBasicSmsReceiverNote},
    {"CaptivePortalLogin", app, kCaptivePortalLoginNote},
    {"DocumentsUI", app, kDocumentsUINote},
    {"DownloadProviderUi", app, kDownloadProviderUiNote},
    {"Gallery", app, {"系统图库，可独立删除", "The stock gallery; stand-alone", RiskLevel::safe}},
    {"KeyChain", app, kKeyChainNote},
    {"PacProcessor", app, kPacProcessorNote},
    {"PicoTts",
     app,
     {"系统语音合成引擎，可独立删除", "Speech synthesis engine; stand-alone", RiskLevel::safe}},
    {"UserDictionaryProvider", app, kUserDictionaryProviderNote},
    {"CalendarProvider", priv, kCalendarProviderNote},
    {"Contacts", priv, kContactsNote},
    {"ContactsProvider", priv, kContactsProviderNote},
    {"ExternalStorageProvider", priv, kExternalStorageProviderNote},
    {"FusedLocation", priv, kFusedLocationNote},
    {"GoogleInstaller", priv, kGoogleInstallerNote},
    {"ldAppStore",
     priv,
     {"雷电应用商店，可独立删除", "The emulator's app store; stand-alone", RiskLevel::safe}},
    {"MediaProvider", priv, kMediaProviderNote},
    {"MmsService", priv, kMmsServiceNote},
    {"ProxyHandler", priv, kProxyHandlerNote},
    {"SharedStorageBackup", priv, kSharedStorageBackupNote},
    {"Shell", priv, kShellNote},
    {"Telecom", priv, kTelecomNote},
    {"TelephonyProvider", priv, kTelephonyProviderNote},
    {"TeleService", priv, kTeleServiceNote},
    {"VpnDialogs", priv, kVpnDialogsNote},
    {kLauncherCaption, {}, kLauncherNote},
}};

constexpr std::string_view kRemovedPrefix = "精简应用： ";
constexpr int kAppStoreBox = 8;

// Boxes outside 1..61 have no caption, no description and count as 谨慎.
const BoxEntry& box_entry(int box) {
    static constexpr BoxEntry none{{}, {}, {{}, {}, RiskLevel::caution}};
    if (box < 1 || box > kOptionBoxCount) {
        return none;
    }
    return kBoxes[static_cast<std::size_t>(box - 1)];
}

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
    return box_entry(box).caption;
}

std::string_view box_description(int box) {
    return box_entry(box).note.description;
}

std::string_view box_description_english(int box) {
    return box_entry(box).note.description_english;
}

RiskLevel box_risk(int box) {
    return box_entry(box).note.risk;
}

std::string_view risk_level_text(RiskLevel level) {
    switch (level) {
    case RiskLevel::safe:
        return "安全";
    case RiskLevel::caution:
        return "谨慎";
    case RiskLevel::danger:
        return "危险";
    }
    return {};
}

std::string_view risk_level_english(RiskLevel level) {
    switch (level) {
    case RiskLevel::safe:
        return "safe";
    case RiskLevel::caution:
        return "caution";
    case RiskLevel::danger:
        return "danger";
    }
    return {};
}

std::string option_tooltip(int box) {
    if (box < 1 || box > kOptionBoxCount) {
        return {};
    }
    return join_texts({risk_level_text(box_risk(box)), "：", box_description(box)});
}

const std::vector<OptionStep>& option_steps() {
    static const std::vector<OptionStep> steps = build_steps();
    return steps;
}

} // namespace korvath
