#pragma once

#include <string>

namespace htmlsim {

// What OpenSSH's known_hosts file says of a server's host key.
enum class HostKeyStatus {
    Known,           // a line names the host with this very key
    Unknown,         // no line names the host
    OtherTypeKnown,  // the host is known, but only with keys of other types
    Changed,         // the host is known with another key of this type
    Revoked,         // an @revoked line names the key
};

// The host key in SSH's wire form, as the server sends it: its type name ("ssh-ed25519") and
// its OpenSSH fingerprint ("SHA256:" and the Base64 digest without padding).
std::string HostKeyType(const std::string& keyBlob);
std::string HostKeyFingerprint(const std::string& keyBlob);

// How known_hosts names a server: "host", or "[host]:port" on a port other than 22.
std::string KnownHostsName(const std::string& host, int port);

// The status of a host key against the text of a known_hosts file. Host patterns (lists,
// wildcards, negations) and hashed names ("|1|salt|hash") are understood; @cert-authority lines
// are certificates' and do not vouch for a plain key.
HostKeyStatus CheckHostKey(const std::string& knownHosts, const std::string& host, int port,
                           const std::string& keyBlob);

// The line that makes the key known, in OpenSSH's format, ending with "\n".
std::string KnownHostsLine(const std::string& host, int port, const std::string& keyBlob);

// The file's text without the plain lines that name exactly this server; every other byte stays.
std::string WithoutKnownHost(const std::string& knownHosts, const std::string& host, int port);

}  // namespace htmlsim
