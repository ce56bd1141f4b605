// The window layout: every control once, in its panel, nothing overlapping.
#include "ui/layout.h"

#include "workflow/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace korvath {
namespace {

// The width and height two rectangles share, 0 x 0 when apart.
std::pair<int, int> shared(const Rect& a, const Rect& b) {
    const int w = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
    const int h = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? std::pair{w, h} : std::pair{0, 0};
}

const ControlSpec& spec_of(Control control) {
    for (const auto& entry : window_layout()) {
        if (entry.control == control) {
            return entry;
        }
    }
    throw std::out_of_range("no such control");
}

TEST(Layout, HoldsEveryControlOnceWithPanelsOnTop) {
    std::set<int> ids;
    for (const auto& entry : window_layout()) {
        EXPECT_TRUE(ids.insert(control_id(entry.control)).second) << control_id(entry.control);
    }
    EXPECT_EQ(ids.size(), 11u + kOptionBoxCount);
    EXPECT_EQ(ids.count(control_id(option_box(1))), 1u);
    EXPECT_EQ(ids.count(control_id(option_box(61))), 1u);

    const auto& layout = window_layout();
    EXPECT_EQ(layout[0].control, Control::分组框使用说明);
    EXPECT_EQ(layout[1].control, Control::分组框5);
    EXPECT_EQ(layout[2].control, Control::分组框7);
}

TEST(Layout, OptionBoxesSitInTheirPanelWithCatalogueCaptions) {
    for (int box = 1; box <= kOptionBoxCount; ++box) {
        const ControlSpec& entry = spec_of(option_box(box));
        EXPECT_EQ(entry.kind, ControlKind::check_box);
        EXPECT_EQ(entry.parent, panel_of_box(box)) << box;
        EXPECT_EQ(entry.text, box_caption(box)) << box;
        EXPECT_EQ(entry.place.height, 16);
    }
}

struct PlaceCase {
    int box;
    Rect place;
};

TEST(Layout, ColumnsEndWhereTheTablesSay) {
    const PlaceCase cases[] = {
        {1, {5, 15, 179, 16}},    {17, {5, 335, 179, 16}},   {18, {180, 15, 174, 16}},
        {19, {180, 35, 175, 16}}, {33, {180, 315, 175, 16}}, {34, {5, 355, 179, 16}},
        {35, {5, 15, 179, 16}},   {47, {5, 315, 179, 16}},   {48, {180, 15, 174, 16}},
        {49, {180, 40, 175, 16}}, {60, {180, 315, 175, 16}}, {61, {5, 355, 179, 16}},
    };
    for (const auto& c : cases) {
        const Rect& at = spec_of(option_box(c.box)).place;
        EXPECT_EQ(std::tie(at.x, at.y, at.width, at.height),
                  std::tie(c.place.x, c.place.y, c.place.width, c.place.height))
            << "选择框" << c.box;
    }
}

TEST(Layout, SiblingsDoNotOverlapAndStayInsideTheirPanel) {
    const Rect panel_area = spec_of(Control::分组框使用说明).place;
    std::map<int, std::vector<const ControlSpec*>> by_parent;
    for (const auto& entry : window_layout()) {
        by_parent[entry.parent ? control_id(*entry.parent) : 0].push_back(&entry);
        if (entry.parent) {
            const Rect& r = entry.place;
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.width <= panel_area.width &&
                        r.y + r.height <= panel_area.height)
                << control_id(entry.control);
        }
    }
    for (const auto& [parent, children] : by_parent) {
        for (size_t i = 0; i < children.size(); ++i) {
            for (size_t j = i + 1; j < children.size(); ++j) {
                const auto [a, b] = std::pair{children[i], children[j]};
                if (a->kind == ControlKind::group_box && b->kind == ControlKind::group_box) {
                    continue; // the three panels share one rectangle
                }
                // The left column (x 5, 179 wide) reaches 4 pixels into the
                // right one (x 180): a seam, never more.
                const bool boxes = a->kind == ControlKind::check_box && b->kind == a->kind;
                const int width = shared(a->place, b->place).first;
                EXPECT_LE(width, boxes ? 4 : 0)
                    << control_id(a->control) << " " << control_id(b->control);
            }
        }
    }
}

} // namespace
} // namespace korvath
