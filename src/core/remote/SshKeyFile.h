#pragma once

#include <string>

namespace htmlsim {

// Whether the text of a private key file needs a passphrase: an OpenSSH key whose cipher is not
// "none", or a PEM key marked as encrypted.
bool IsEncryptedPrivateKey(const std::string& keyFileText);

}  // namespace htmlsim
