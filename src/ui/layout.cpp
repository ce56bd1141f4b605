// The layout table, the option boxes generated from the catalogue's captions.
#include "ui/layout.h"

#include "workflow/catalogue.h"

namespace korvath {
namespace {

constexpr Rect kPanelPlace = {5, 170, 360, 400};
constexpr Rect kSelectAllPlace = {220, 345, 100, 25};
constexpr int kBoxHeight = 16;
constexpr int kLeftColumnX = 5;
constexpr int kLeftColumnWidth = 179;
constexpr int kRightColumnX = 180;
constexpr int kRightColumnWidth = 175;
constexpr int kFirstRightBoxWidth = 174;
constexpr int kFirstRowY = 15;
constexpr int kLauncherRowY = 355;

constexpr std::string_view kInstructions =
    "　　本工具仅适于雷电系列（雷神、雷电）模拟器精简使用，精简原理为通过ADB连接删除系统文件。\r\n"
    "　　使用前，请先点击【刷新信息】按钮，刷新所有模拟器信息。\r\n"
    "　　刷新后，选择要进行精简的模拟器，点击【精简选项】，自动出现精简内容选项。"
    "请根据实际需要，勾选要精简的内容。\r\n"
    "　　点击【开始精简】按钮，对您所选择的模拟器系统进行精简。\r\n"
    "　　在精简完成后，模拟器会自动重新启动。\r\n"
    "　　如您有好的意见或者建议，欢迎到“Dunmere”论坛与我交流。";

struct BoxSet {
    int first_left;
    int first_right;
    int launcher;
    int row_step;
};

constexpr BoxSet kAndroid7Set = {kFirstAndroid7Box, 18, kLastAndroid7Box, 20};
constexpr BoxSet kAndroid5Set = {kFirstAndroid5Box, 48, kLastAndroid5Box, 25};

Rect box_place(const BoxSet& set, int box) {
    if (box == set.launcher) {
        return {kLeftColumnX, kLauncherRowY, kLeftColumnWidth, kBoxHeight};
    }
    if (box < set.first_right) {
        const int row = box - set.first_left;
        return {kLeftColumnX, kFirstRowY + row * set.row_step, kLeftColumnWidth, kBoxHeight};
    }
    const int row = box - set.first_right;
    const int width = row == 0 ? kFirstRightBoxWidth : kRightColumnWidth;
    return {kRightColumnX, kFirstRowY + row * set.row_step, width, kBoxHeight};
}

void add_boxes(std::vector<ControlSpec>& specs, const BoxSet& set, Control panel) {
    for (int box = set.first_left; box <= set.launcher; ++box) {
        specs.push_back({option_box(box), ControlKind::check_box, panel, box_place(set, box),
                         box_caption(box)});
    }
}

std::vector<ControlSpec> build_layout() {
    std::vector<ControlSpec> specs = {
        {Control::分组框使用说明, ControlKind::group_box, {}, kPanelPlace, "使用说明："},
        {Control::分组框5, ControlKind::group_box, {}, kPanelPlace, "安卓5精简选项："},
        {Control::分组框7, ControlKind::group_box, {}, kPanelPlace, "安卓7精简选项："},
        {Control::透明标签2,
         ControlKind::label,
         Control::分组框使用说明,
         {12, 50, 336, 300},
         kInstructions},
    };
    add_boxes(specs, kAndroid5Set, Control::分组框5);
    specs.push_back({Control::全部选择按钮5, ControlKind::push_button, Control::分组框5,
                     kSelectAllPlace, "全部选择"});
    add_boxes(specs, kAndroid7Set, Control::分组框7);
    specs.push_back({Control::全部选择按钮7, ControlKind::push_button, Control::分组框7,
                     kSelectAllPlace, "全部选择"});
    const std::vector<ControlSpec> rest = {
        {Control::超级列表框1, ControlKind::list_view, {}, {8, 10, 600, 120}, ""},
        {Control::刷新按钮, ControlKind::push_button, {}, {8, 140, 90, 24}, "刷新信息"},
        {Control::精简选项按钮, ControlKind::push_button, {}, {134, 140, 90, 24}, "精简选项"},
        {Control::开始精简按钮, ControlKind::push_button, {}, {268, 140, 90, 24}, "开始精简"},
        {Control::回显编辑框, ControlKind::edit_box, {}, {370, 136, 238, 435}, ""},
    };
    specs.insert(specs.end(), rest.begin(), rest.end());
    return specs;
}

} // namespace

const std::vector<ControlSpec>& window_layout() {
    static const std::vector<ControlSpec> layout = build_layout();
    return layout;
}

} // namespace korvath
