#pragma once

#include <map>
#include <string>
#include <vector>

#include "services/SecretStore.h"

namespace htmlsim::testing {

// A secret service in memory: what was stored, and every look-up made.
class FakeSecretStore : public SecretStore {
  public:
    std::string whyUnavailable;
    std::map<std::string, std::string> secrets;  // by "scheme://user@host:port"
    std::vector<std::string> lookups;

    static std::string Name(const SecretKey& key) {
        return key.scheme + "://" + key.user + "@" + key.host + ":" + std::to_string(key.port);
    }

    std::string WhyUnavailable() override { return whyUnavailable; }
    std::optional<std::string> Lookup(const SecretKey& key) override {
        lookups.push_back(Name(key));
        const auto found = secrets.find(Name(key));
        return found == secrets.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    bool Store(const SecretKey& key, const std::string& secret) override {
        secrets[Name(key)] = secret;
        return true;
    }
    void Forget(const SecretKey& key) override { secrets.erase(Name(key)); }
};

}  // namespace htmlsim::testing
