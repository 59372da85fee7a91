#pragma once

#include <optional>
#include <string>

namespace htmlsim {

// Which login a secret belongs to.
struct SecretKey {
    std::string scheme;  // "sftp", "ftpes", "ftps", "ftp"
    std::string host;
    int port = 0;
    std::string user;
};

// The desktop's keeper of passwords (the secret service in the editor, a fake in tests). The
// program keeps a password nowhere else beyond the session's memory.
class SecretStore {
  public:
    virtual ~SecretStore() = default;
    // "" when secrets can be kept; else why not, in words for the user.
    virtual std::string WhyUnavailable() = 0;
    virtual std::optional<std::string> Lookup(const SecretKey& key) = 0;
    virtual bool Store(const SecretKey& key, const std::string& secret) = 0;
    virtual void Forget(const SecretKey& key) = 0;
};

}  // namespace htmlsim
