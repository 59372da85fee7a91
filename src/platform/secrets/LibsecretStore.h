#pragma once

#include <optional>
#include <string>

#include "services/SecretStore.h"

namespace htmlsim::platform {

// Passwords in the desktop's secret service (GNOME Keyring, KWallet and others) through
// libsecret. Whether one is there is found out once, on first use.
class LibsecretStore : public SecretStore {
  public:
    std::string WhyUnavailable() override;
    std::optional<std::string> Lookup(const SecretKey& key) override;
    bool Store(const SecretKey& key, const std::string& secret) override;
    void Forget(const SecretKey& key) override;

  private:
    std::optional<std::string> mWhyUnavailable;
};

}  // namespace htmlsim::platform
