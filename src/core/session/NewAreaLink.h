#pragma once

#include <string>

namespace htmlsim {

class Session;

// The name of the page a new area `n` leads to, without the extension: prefix + "_Area_" + n
// while the prefix is not empty and no such page exists yet. Every page's first canvas is
// "Canvas_1" and its first area number 0, so otherwise the name is taken from the open page
// ("login_Area_0"), with "_2", "_3" ... added until no such page exists.
std::string NewAreaLinkName(const Session& session, const std::string& prefix, int n);

}  // namespace htmlsim
