#include "remote/Digest.h"

#include <openssl/evp.h>
#include <openssl/hmac.h>

namespace htmlsim {

std::string Base64Encode(const std::string& bytes) {
    std::string text(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int length = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()),
                                       reinterpret_cast<const unsigned char*>(bytes.data()),
                                       static_cast<int>(bytes.size()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::optional<std::string> Base64Decode(const std::string& text) {
    if (text.size() % 4 != 0) {
        return std::nullopt;
    }
    std::string bytes(3 * text.size() / 4 + 1, '\0');
    const int length = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(bytes.data()),
                                       reinterpret_cast<const unsigned char*>(text.data()),
                                       static_cast<int>(text.size()));
    if (length < 0) {
        return std::nullopt;
    }
    // EVP_DecodeBlock counts the padding as zero bytes.
    size_t padding = 0;
    for (auto it = text.rbegin(); it != text.rend() && *it == '=' && padding < 2; ++it) {
        ++padding;
    }
    bytes.resize(static_cast<size_t>(length) - padding);
    return bytes;
}

std::string Sha256(const std::string& bytes) {
    std::string digest(EVP_MAX_MD_SIZE, '\0');
    unsigned int length = 0;
    EVP_Digest(bytes.data(), bytes.size(), reinterpret_cast<unsigned char*>(digest.data()), &length,
               EVP_sha256(), nullptr);
    digest.resize(length);
    return digest;
}

std::string HmacSha1(const std::string& key, const std::string& bytes) {
    std::string digest(EVP_MAX_MD_SIZE, '\0');
    unsigned int length = 0;
    HMAC(EVP_sha1(), key.data(), static_cast<int>(key.size()),
         reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
         reinterpret_cast<unsigned char*>(digest.data()), &length);
    digest.resize(length);
    return digest;
}

}  // namespace htmlsim
