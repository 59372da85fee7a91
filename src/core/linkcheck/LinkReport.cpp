#include "linkcheck/LinkReport.h"

#include <algorithm>

namespace htmlsim {

const char* LinkProblemKindName(LinkProblemKind kind) {
    switch (kind) {
        case LinkProblemKind::MissingFile:
            return "missing-file";
        case LinkProblemKind::EmptyLink:
            return "empty-link";
        case LinkProblemKind::MissingTitle:
            return "missing-title";
        case LinkProblemKind::DeadEnd:
            return "dead-end";
        case LinkProblemKind::Orphan:
            return "orphan";
        case LinkProblemKind::OutsideImage:
            return "outside-image";
        case LinkProblemKind::Unreadable:
            return "unreadable";
        case LinkProblemKind::External:
            return "external";
    }
    return "unknown";
}

bool LinkReport::HasMissingFiles() const {
    return std::ranges::any_of(problems, [](const LinkProblem& problem) {
        return problem.kind == LinkProblemKind::MissingFile;
    });
}

bool LinkReport::PageHasProblems(const std::string& pageName) const {
    return std::ranges::any_of(
        problems, [&](const LinkProblem& problem) { return problem.page == pageName; });
}

}  // namespace htmlsim
