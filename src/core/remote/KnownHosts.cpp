#include "remote/KnownHosts.h"

#include <cstdint>
#include <optional>
#include <sstream>
#include <vector>

#include "remote/Digest.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

struct KnownHostsEntry {
    std::string marker;  // "@revoked", "@cert-authority" or ""
    std::string hosts;
    std::string keyType;
    std::string keyBase64;
};

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

std::optional<KnownHostsEntry> ParseEntry(const std::string& line) {
    std::vector<std::string> words = Words(line);
    if (words.empty() || words[0].starts_with("#")) {
        return std::nullopt;
    }
    KnownHostsEntry entry;
    size_t next = 0;
    if (words[0].starts_with("@")) {
        entry.marker = words[next++];
    }
    if (words.size() < next + 3) {
        return std::nullopt;
    }
    entry.hosts = words[next];
    entry.keyType = words[next + 1];
    entry.keyBase64 = words[next + 2];
    return entry;
}

// OpenSSH's glob: "*" any run, "?" one character, letters without regard to case.
bool GlobMatches(std::string_view pattern, std::string_view name) {
    if (pattern.empty()) {
        return name.empty();
    }
    if (pattern[0] == '*') {
        for (size_t skip = 0; skip <= name.size(); ++skip) {
            if (GlobMatches(pattern.substr(1), name.substr(skip))) {
                return true;
            }
        }
        return false;
    }
    return !name.empty() &&
           (pattern[0] == '?' || EqualsIgnoreCase(pattern.substr(0, 1), name.substr(0, 1))) &&
           GlobMatches(pattern.substr(1), name.substr(1));
}

// "|1|salt|hash": the HMAC-SHA1 of the name keyed with the salt.
bool HashedNameMatches(const std::string& pattern, const std::string& name) {
    const auto parts = SplitText(pattern, "|");
    if (parts.size() != 4 || parts[1] != "1") {
        return false;
    }
    const auto salt = Base64Decode(std::string(parts[2]));
    const auto hash = Base64Decode(std::string(parts[3]));
    return salt && hash && HmacSha1(*salt, name) == *hash;
}

bool HostsMatch(const std::string& hosts, const std::string& name) {
    if (hosts.starts_with("|")) {
        return HashedNameMatches(hosts, name);
    }
    bool matched = false;
    for (std::string_view pattern : SplitText(hosts, ",")) {
        const bool negated = pattern.starts_with("!");
        if (GlobMatches(negated ? pattern.substr(1) : pattern, name)) {
            if (negated) {
                return false;
            }
            matched = true;
        }
    }
    return matched;
}

template <typename Visit>
void ForEachLine(const std::string& text, Visit visit) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        visit(text.substr(start, end - start));
        start = end;
    }
}

}  // namespace

std::string HostKeyType(const std::string& keyBlob) {
    if (keyBlob.size() < 4) {
        return "";
    }
    uint32_t length = 0;
    for (int i = 0; i < 4; ++i) {
        length = (length << 8) | static_cast<unsigned char>(keyBlob[i]);
    }
    return length <= keyBlob.size() - 4 ? keyBlob.substr(4, length) : "";
}

std::string HostKeyFingerprint(const std::string& keyBlob) {
    std::string digest = Base64Encode(Sha256(keyBlob));
    while (digest.ends_with("=")) {
        digest.pop_back();
    }
    return "SHA256:" + digest;
}

std::string KnownHostsName(const std::string& host, int port) {
    return port == 22 ? host : "[" + host + "]:" + std::to_string(port);
}

HostKeyStatus CheckHostKey(const std::string& knownHosts, const std::string& host, int port,
                           const std::string& keyBlob) {
    const std::string name = KnownHostsName(host, port);
    const std::string type = HostKeyType(keyBlob);
    const std::string key = Base64Encode(keyBlob);
    bool known = false, revoked = false, sameTypeOther = false, otherType = false;
    ForEachLine(knownHosts, [&](const std::string& line) {
        const auto entry = ParseEntry(line);
        if (!entry || entry->marker == "@cert-authority" || !HostsMatch(entry->hosts, name)) {
            return;
        }
        const bool sameKey = entry->keyType == type && entry->keyBase64 == key;
        if (entry->marker == "@revoked") {
            revoked = revoked || sameKey;
        } else if (!entry->marker.empty()) {
            return;
        } else if (sameKey) {
            known = true;
        } else if (entry->keyType == type) {
            sameTypeOther = true;
        } else {
            otherType = true;
        }
    });
    if (revoked) {
        return HostKeyStatus::Revoked;
    }
    if (known) {
        return HostKeyStatus::Known;
    }
    if (sameTypeOther) {
        return HostKeyStatus::Changed;
    }
    return otherType ? HostKeyStatus::OtherTypeKnown : HostKeyStatus::Unknown;
}

std::string KnownHostsLine(const std::string& host, int port, const std::string& keyBlob) {
    return KnownHostsName(host, port) + " " + HostKeyType(keyBlob) + " " + Base64Encode(keyBlob) +
           "\n";
}

std::string WithoutKnownHost(const std::string& knownHosts, const std::string& host, int port) {
    const std::string name = KnownHostsName(host, port);
    std::string kept;
    ForEachLine(knownHosts, [&](const std::string& line) {
        const auto entry = ParseEntry(line);
        const bool namesOnlyThisHost =
            entry && entry->marker.empty() &&
            (entry->hosts.starts_with("|") ? HashedNameMatches(entry->hosts, name)
                                           : EqualsIgnoreCase(entry->hosts, name));
        if (!namesOnlyThisHost) {
            kept += line;
        }
    });
    return kept;
}

}  // namespace htmlsim
