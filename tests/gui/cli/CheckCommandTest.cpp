#include <gtest/gtest.h>

#include <algorithm>

#include "CliRunner.h"
#include "LinkSimulation.h"
#include "TempFolder.h"

namespace htmlsim::testing {
namespace {

// The JSON report is pinned by the cases of tests/corpus/check.
TEST(CheckCommand, OneLinePerProblemFailingOnMissingFilesAndSilentWhenClean) {
    TempFolder flawed;
    WriteFlawedSimulation(flawed.Path());
    const CliResult text = RunCli({"check", flawed.File("start.html")});
    EXPECT_EQ(text.exitStatus, 1);
    EXPECT_EQ(std::ranges::count(text.out, '\n'), 7);
    EXPECT_NE(text.out.find("start.html\tMap1_Area_1\tThe link leads to a missing file: "
                            "'missing.html'.\n"),
              std::string::npos);
    EXPECT_NE(text.out.find("orphan.html\t\tNo page links to this page.\n"), std::string::npos);
    EXPECT_EQ(text.err, "");

    TempFolder clean;
    WriteCleanSimulation(clean.Path());
    const CliResult quiet = RunCli({"check", clean.File("start.html")});
    EXPECT_EQ(quiet.exitStatus, 0);
    EXPECT_EQ(quiet.out, "");
    EXPECT_EQ(RunCli({"check", clean.File("gone.html")}).exitStatus, 1);
}

}  // namespace
}  // namespace htmlsim::testing
