#include "session/NewAreaLink.h"

#include "components/FileHelper.h"
#include "session/Session.h"

namespace htmlsim {

namespace {

// Pages on the server are not looked for: a round trip per drawn area.
bool PageExists(const Session& session, const std::string& name) {
    return session.DocumentSource() != kFtpDocument &&
           FileHelper::FileExists(session.PathOnly() + name + "." + session.Extension());
}

}  // namespace

std::string NewAreaLinkName(const Session& session, const std::string& prefix, int n) {
    const std::string suffix = "_Area_" + std::to_string(n);
    if (!prefix.empty() && !PageExists(session, prefix + suffix)) {
        return prefix + suffix;
    }
    const std::string base = session.FileNameOnly() + suffix;
    std::string name = base;
    for (int number = 2; PageExists(session, name); ++number) {
        name = base + "_" + std::to_string(number);
    }
    return name;
}

}  // namespace htmlsim
