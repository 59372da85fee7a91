#pragma once

#include <optional>
#include <string>

#include "remote/FtpDialogs.h"
#include "remote/KnownHosts.h"

namespace htmlsim {

// The servers the user trusts: SSH host keys in OpenSSH's known_hosts, which the program only
// ever appends to, and the pinned public keys of TLS certificates in the program's config folder.

HostKeyStatus CheckSshHostKey(const std::string& host, int port, const std::string& keyBlob);
bool TrustSshHostKey(const std::string& host, int port, const std::string& keyBlob);

// "host:port", as pins and messages name a server.
std::string ServerName(const std::string& host, int port);
std::optional<std::string> PinnedCertificateKey(const std::string& server);
bool PinCertificateKey(const std::string& server, const std::string& pin);

// Whether the program has trusted the server: a known_hosts line or a pin.
bool IsHostTrusted(const FtpConnectionDetails& details);
// Forgets what was trusted of the server: its known_hosts lines that name it alone, or its pin.
bool ForgetTrustedHost(const FtpConnectionDetails& details);

}  // namespace htmlsim
