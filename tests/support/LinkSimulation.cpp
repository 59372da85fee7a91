#include "LinkSimulation.h"

#include <string>

namespace htmlsim::testing {

void WriteFlawedSimulation(const std::filesystem::path& folder) {
    const std::filesystem::path flawed = std::filesystem::path(HTMLSIM_TEST_SUPPORT_DIR) /
                                         "../corpus/check/one-problem-of-each-kind";
    for (const char* page : {"start", "next", "dead", "orphan"}) {
        for (const char* extension : {".html", ".png"}) {
            std::filesystem::copy_file(flawed / (page + std::string(extension)),
                                       folder / (page + std::string(extension)));
        }
    }
}

}  // namespace htmlsim::testing
