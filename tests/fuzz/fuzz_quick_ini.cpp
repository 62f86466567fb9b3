// Any bytes as a skin description: parsed, and every look-up answers.
#include "skin/model/quick_ini.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TQuickIni ini;
    ini.LoadFromStream({data, size});
    // A few sections and keys are enough to reach every branch, and keep each run quick.
    const std::vector<std::string> sections = ini.ReadSections();
    const std::vector<std::string> lines = ini.Lines();
    for (std::size_t s = 0; s < sections.size() && s < 8; ++s) {
        const std::string& section = sections[s];
        for (std::size_t l = 0; l < lines.size() && l < 32; ++l) {
            const std::string& line = lines[l];
            const std::string key = line.substr(0, line.find('='));
            ini.ReadString(section, key, "default");
            ini.ReadInteger(section, key, -1);
        }
        ini.SectionLine(section);
    }
    return 0;
}
