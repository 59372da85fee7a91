#include "remote/HostTrust.h"

#include "remote/CertificatePins.h"
#include "remote/TrustFiles.h"

namespace htmlsim {

HostKeyStatus CheckSshHostKey(const std::string& host, int port, const std::string& keyBlob) {
    return CheckHostKey(ReadTrustFile(KnownHostsPath()), host, port, keyBlob);
}

bool TrustSshHostKey(const std::string& host, int port, const std::string& keyBlob) {
    return AppendTrustLine(KnownHostsPath(), KnownHostsLine(host, port, keyBlob));
}

std::string ServerName(const std::string& host, int port) {
    return host + ":" + std::to_string(port);
}

std::optional<std::string> PinnedCertificateKey(const std::string& server) {
    return PinOf(ReadTrustFile(PinnedCertificatesPath()), server);
}

bool PinCertificateKey(const std::string& server, const std::string& pin) {
    const std::string pins = ReadTrustFile(PinnedCertificatesPath());
    if (PinOf(pins, server)) {
        return ReplaceTrustFile(PinnedCertificatesPath(),
                                WithoutPin(pins, server) + PinLine(server, pin));
    }
    return AppendTrustLine(PinnedCertificatesPath(), PinLine(server, pin));
}

bool IsHostTrusted(const FtpConnectionDetails& details) {
    if (details.protocol == RemoteProtocol::Sftp) {
        const std::string knownHosts = ReadTrustFile(KnownHostsPath());
        return WithoutKnownHost(knownHosts, details.host, details.port) != knownHosts;
    }
    return PinnedCertificateKey(ServerName(details.host, details.port)).has_value();
}

bool ForgetTrustedHost(const FtpConnectionDetails& details) {
    if (details.protocol == RemoteProtocol::Sftp) {
        const std::string knownHosts = ReadTrustFile(KnownHostsPath());
        const std::string kept = WithoutKnownHost(knownHosts, details.host, details.port);
        return kept == knownHosts || ReplaceTrustFile(KnownHostsPath(), kept);
    }
    const std::string pins = ReadTrustFile(PinnedCertificatesPath());
    const std::string server = ServerName(details.host, details.port);
    return !PinOf(pins, server) ||
           ReplaceTrustFile(PinnedCertificatesPath(), WithoutPin(pins, server));
}

}  // namespace htmlsim
