// Options table of the user guide.
#include "workflow/option_guide.h"

#include "text/text_ops.h"
#include "workflow/catalogue.h"

namespace korvath {
namespace {

constexpr std::string_view kBeginMarker =
    "<!-- options table: generated from the program's option catalogue, checked by the tests "
    "-->\n";
constexpr std::string_view kEndMarker = "<!-- end of options table -->";

// What a box's steps remove on the device, as the guide names it.
std::string removed_paths(int box, GuideLanguage language) {
    std::string paths;
    for (const OptionStep& step : option_steps()) {
        if (step.box != box) {
            continue;
        }
        std::string path;
        switch (step.kind) {
        case StepKind::caption_step:
            path = join_texts({step.location.substr(step.location.find('/')), box_caption(box)});
            break;
        case StepKind::fixed_step:
            path = std::string(step.body.substr(step.body.find('/')));
            path.pop_back(); // the closing quote
            break;
        case StepKind::launcher_step:
            path = language == GuideLanguage::chinese
                       ? "/system/app/Launcher3（换成自带桌面）"
                       : "/system/app/Launcher3 (our launcher put in)";
            break;
        }
        paths = paths.empty() ? path : join_texts({paths, "<br>", path});
    }
    return paths;
}

std::string set_table(int first, int last, GuideLanguage language) {
    const bool zh = language == GuideLanguage::chinese;
    std::string table = zh ? "| 选项 | 删除的目录 | 风险 | 说明 |\n|---|---|---|---|\n"
                           : "| Option | Folder removed | Risk | What it is |\n|---|---|---|---|\n";
    for (int box = first; box <= last; ++box) {
        RiskLevel risk = box_risk(box);
        table += join_texts({"| ", box_caption(box), " | ", removed_paths(box, language), " | ",
                             zh ? risk_level_text(risk) : risk_level_english(risk), " | ",
                             zh ? box_description(box) : box_description_english(box), " |\n"});
    }
    return table;
}

} // namespace

std::string options_table_markdown(GuideLanguage language) {
    const bool zh = language == GuideLanguage::chinese;
    return join_texts({zh ? "### 安卓 7.1.2\n\n" : "### Android 7.1.2\n\n",
                       set_table(kFirstAndroid7Box, kLastAndroid7Box, language),
                       zh ? "\n### 安卓 5.1.1\n\n" : "\n### Android 5.1.1\n\n",
                       set_table(kFirstAndroid5Box, kLastAndroid5Box, language)});
}

std::string with_options_table(const std::string& guide, GuideLanguage language) {
    const std::size_t begin = guide.find(kBeginMarker);
    const std::size_t end = guide.find(kEndMarker);
    if (begin == std::string::npos || end == std::string::npos || end < begin) {
        return guide;
    }
    const std::size_t body = begin + kBeginMarker.size();
    return join_texts({std::string_view(guide).substr(0, body), options_table_markdown(language),
                       std::string_view(guide).substr(end)});
}

} // namespace korvath
