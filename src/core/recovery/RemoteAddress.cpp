#include "recovery/RemoteAddress.h"

#include <algorithm>

namespace htmlsim {

namespace {

// The "user:password@host:port" part after "scheme://", as positions into the address.
struct Authority {
    size_t begin = 0;
    size_t end = 0;
};

Authority AuthorityOf(std::string_view address) {
    const size_t scheme = address.find("://");
    Authority authority;
    authority.begin = scheme == std::string_view::npos ? 0 : scheme + 3;
    authority.end = std::min(address.find('/', authority.begin), address.size());
    return authority;
}

}  // namespace

std::string AddressWithoutPassword(std::string_view address) {
    const Authority authority = AuthorityOf(address);
    const std::string_view part = address.substr(authority.begin, authority.end - authority.begin);
    // The last "@" ends the user information: a password may itself hold "@".
    const size_t at = part.rfind('@');
    if (at == std::string_view::npos) {
        return std::string(address);
    }
    const size_t colon = part.substr(0, at).find(':');
    if (colon == std::string_view::npos) {
        return std::string(address);
    }
    std::string kept(address.substr(0, authority.begin + colon));
    kept += address.substr(authority.begin + at);
    return kept;
}

RemoteServer ServerOfAddress(std::string_view address) {
    const Authority authority = AuthorityOf(address);
    std::string_view part = address.substr(authority.begin, authority.end - authority.begin);
    RemoteServer server;
    if (const size_t at = part.rfind('@'); at != std::string_view::npos) {
        server.user = part.substr(0, std::min(part.find(':'), at));
        part.remove_prefix(at + 1);
    }
    // An IPv6 host is bracketed: its colons are not the port's.
    const size_t bracket = part.rfind(']');
    const size_t colon = part.rfind(':');
    const bool hasPort =
        colon != std::string_view::npos && (bracket == std::string_view::npos || colon > bracket);
    server.host = part.substr(0, hasPort ? colon : part.size());
    return server;
}

}  // namespace htmlsim
