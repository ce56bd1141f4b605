// Rewrites the options tables of the user guides from the catalogue.
// Usage: update_guide <guide.md> zh|en
#include "workflow/option_guide.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: update_guide <guide.md> zh|en\n";
        return 2;
    }
    const std::string language(argv[2]);
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const std::string updated =
        korvath::with_options_table(text.str(), language == "zh" ? korvath::GuideLanguage::chinese
                                                                 : korvath::GuideLanguage::english);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << updated;
    return out ? 0 : 1;
}
