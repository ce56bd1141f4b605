#include "workflow/catalogue.h"
#include "workflow/option_guide.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace korvath {
namespace {

std::string read_doc(const std::string& name) {
    std::ifstream in(std::string(KORVATH_SOURCE_DIR) + "/docs/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(OptionGuide, GuidesHoldTheCatalogueTable) {
    // Regenerate with ./dev.sh guide after changing the catalogue.
    for (auto [name, language] : {std::pair{"使用说明.md", GuideLanguage::chinese},
                                  std::pair{"user-guide.md", GuideLanguage::english}}) {
        std::string guide = read_doc(name);
        ASSERT_FALSE(guide.empty()) << name;
        EXPECT_NE(guide.find(options_table_markdown(language)), std::string::npos)
            << name << " is out of date: run ./dev.sh guide";
    }
}

TEST(OptionGuide, TableRowsNameFoldersAndLevels) {
    std::string zh = options_table_markdown(GuideLanguage::chinese);
    EXPECT_NE(zh.find("| Gallery2 | /system/app/Gallery2 | 安全 |"), std::string::npos);
    EXPECT_NE(zh.find("| LDAppStore | /system/app/LDAppStore<br>/system/priv-app/ldAppStore |"),
              std::string::npos);
    EXPECT_NE(zh.find("| Shell | /system/priv-app/Shell | 危险 |"), std::string::npos);
    std::string en = options_table_markdown(GuideLanguage::english);
    EXPECT_NE(en.find("| DocumentsUI | /system/app/DocumentsUI | danger |"), std::string::npos);
    EXPECT_LT(en.find("### Android 7.1.2"), en.find("### Android 5.1.1"));
}

TEST(OptionGuide, MarkersDelimitTheReplacedPart) {
    const std::string marker_begin =
        "<!-- options table: generated from the program's option catalogue, checked by the tests "
        "-->\n";
    const std::string guide =
        "head\n" + marker_begin + "old table\n<!-- end of options table -->\ntail";
    std::string updated = with_options_table(guide, GuideLanguage::english);
    EXPECT_EQ(updated.find("old table"), std::string::npos);
    EXPECT_EQ(updated.rfind("head\n", 0), 0u);
    EXPECT_TRUE(updated.ends_with("<!-- end of options table -->\ntail"));
    EXPECT_EQ(with_options_table("no markers", GuideLanguage::english), "no markers");
}

} // namespace
} // namespace korvath
