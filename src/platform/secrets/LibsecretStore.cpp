#include "secrets/LibsecretStore.h"

#include <libsecret/secret.h>

#include <cstdlib>
#include <filesystem>

namespace htmlsim::platform {

namespace {

const SecretSchema kLoginSchema = {"org.htmlsim.RemoteLogin",
                                   SECRET_SCHEMA_NONE,
                                   {{"scheme", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                    {"host", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                    {"port", SECRET_SCHEMA_ATTRIBUTE_INTEGER},
                                    {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                    {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
                                   0,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   nullptr,
                                   nullptr};

// Without a session bus, GLib would try to start one of its own.
bool HasSessionBus() {
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    return runtime && std::filesystem::exists(std::filesystem::path(runtime) / "bus", error);
}

// Takes over a GError and gives its message, "" for none.
std::string Consumed(GError* error) {
    const std::string message = error ? error->message : "";
    if (error) {
        g_error_free(error);
    }
    return message;
}

}  // namespace

std::string LibsecretStore::WhyUnavailable() {
    if (!mWhyUnavailable) {
        if (!HasSessionBus()) {
            mWhyUnavailable = "There is no desktop session here to keep passwords in.";
        } else {
            GError* error = nullptr;
            gchar* none = secret_password_lookup_sync(&kLoginSchema, nullptr, &error, "scheme", "",
                                                      "host", "", "port", 0, "user", "", nullptr);
            secret_password_free(none);
            const std::string message = Consumed(error);
            mWhyUnavailable = message.empty()
                                  ? ""
                                  : "No secret service (such as GNOME Keyring) answers: " + message;
        }
    }
    return *mWhyUnavailable;
}

std::optional<std::string> LibsecretStore::Lookup(const SecretKey& key) {
    if (!WhyUnavailable().empty()) {
        return std::nullopt;
    }
    GError* error = nullptr;
    gchar* secret = secret_password_lookup_sync(
        &kLoginSchema, nullptr, &error, "scheme", key.scheme.c_str(), "host", key.host.c_str(),
        "port", key.port, "user", key.user.c_str(), nullptr);
    Consumed(error);
    std::optional<std::string> found;
    if (secret) {
        found = secret;
        secret_password_free(secret);
    }
    return found;
}

bool LibsecretStore::Store(const SecretKey& key, const std::string& secret) {
    if (!WhyUnavailable().empty()) {
        return false;
    }
    const std::string label = "htmlsim: " + key.scheme + "://" + key.user + "@" + key.host + ":" +
                              std::to_string(key.port);
    GError* error = nullptr;
    const gboolean stored = secret_password_store_sync(
        &kLoginSchema, SECRET_COLLECTION_DEFAULT, label.c_str(), secret.c_str(), nullptr, &error,
        "scheme", key.scheme.c_str(), "host", key.host.c_str(), "port", key.port, "user",
        key.user.c_str(), nullptr);
    return Consumed(error).empty() && stored;
}

void LibsecretStore::Forget(const SecretKey& key) {
    if (!WhyUnavailable().empty()) {
        return;
    }
    GError* error = nullptr;
    secret_password_clear_sync(&kLoginSchema, nullptr, &error, "scheme", key.scheme.c_str(), "host",
                               key.host.c_str(), "port", key.port, "user", key.user.c_str(),
                               nullptr);
    Consumed(error);
}

}  // namespace htmlsim::platform
