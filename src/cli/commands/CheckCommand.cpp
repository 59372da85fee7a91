#include <iostream>
#include <nlohmann/json.hpp>

#include "CliCommand.h"
#include "CliSession.h"
#include "ProgramParts.h"
#include "linkcheck/LinkCheck.h"

namespace htmlsim::cli {

namespace {

using Json = nlohmann::ordered_json;

const char* PageStateName(FlowPageState state) {
    switch (state) {
        case FlowPageState::Missing:
            return "missing";
        case FlowPageState::Orphan:
            return "orphan";
        case FlowPageState::Walked:
            break;
    }
    return "walked";
}

Json ReportJson(const LinkReport& report) {
    Json problems = Json::array();
    for (const LinkProblem& problem : report.problems) {
        problems.push_back({{"page", problem.page},
                            {"element", problem.element},
                            {"kind", LinkProblemKindName(problem.kind)},
                            {"problem", problem.text}});
    }
    Json notes = Json::array();
    for (const ImportNote& note : report.importNotes) {
        notes.push_back({{"page", note.page}, {"text", note.text}});
    }
    Json pages = Json::array();
    for (const FlowPage& page : report.graph.pages) {
        pages.push_back({{"page", page.name}, {"state", PageStateName(page.state)}});
    }
    Json links = Json::array();
    for (const FlowLink& link : report.graph.links) {
        links.push_back({{"from", report.graph.pages[link.from].name},
                         {"to", report.graph.pages[link.to].name},
                         {"click", link.clickType}});
    }
    return {{"problems", problems}, {"pages", pages}, {"links", links}, {"messages", notes}};
}

int RunCheck(const std::vector<std::string>& args) {
    bool json = false;
    std::string path;
    for (const std::string& arg : args) {
        if (arg == "--json" && !json) {
            json = true;
        } else if (path.empty() && !arg.starts_with('-')) {
            path = arg;
        } else {
            throw UsageError();
        }
    }
    if (path.empty()) {
        throw UsageError();
    }
    CliDialogs dialogs;
    const std::unique_ptr<TextMeasurer> measurer = MakeTextMeasurer();
    const std::unique_ptr<Pictures> pictures = MakePictureSizes();
    LinkReport report;
    try {
        report = CheckLinks(AbsolutePath(path), {*pictures, measurer.get()});
    } catch (const std::exception& e) {
        dialogs.Message(e.what(), "", MessageIcon::Critical);
        return kExitFailure;
    }
    if (json) {
        // Page names are file names, which need not be UTF-8: such bytes show as U+FFFD.
        std::cout << ReportJson(report).dump(2, ' ', false, Json::error_handler_t::replace)
                  << '\n';
    } else {
        for (const LinkProblem& problem : report.problems) {
            std::cout << problem.page << '\t' << problem.element << '\t' << problem.text << '\n';
        }
    }
    return report.HasMissingFiles() ? kExitFailure : kExitSuccess;
}

const CliCommandRegistration kCheck({"check", "PATH [--json]",
                                     "checks the links of every page reachable from the page at "
                                     "PATH: page, tab, element, tab, problem",
                                     RunCheck});

}  // namespace
}  // namespace htmlsim::cli
