#include "remote/KnownHosts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "remote/Digest.h"

namespace htmlsim {
namespace {

// The keys of tests/data/ssh/known_hosts, made with ssh-keygen; "example.org" is hashed there.
constexpr const char* kExampleKey =
    "AAAAC3NzaC1lZDI1NTE5AAAAIE66jDf5LS9mL7/42hKqdwz+rEPKlQUSmpmMQw/pYN2Y";
constexpr const char* kAuthorityKey =
    "AAAAC3NzaC1lZDI1NTE5AAAAIDZXo11LcQ2dCgt7xbv3fwflATalDXF16DYS1nKx72Ly";
constexpr const char* kRevokedKey =
    "AAAAC3NzaC1lZDI1NTE5AAAAIFWkKfROavskX1av4gqsala0EpVqP16jtjtHkjTSMH21";
// A key of the same type that the file does not hold.
constexpr const char* kOtherKey =
    "AAAAC3NzaC1lZDI1NTE5AAAAILkxY43+iTuCVbIIvH3OilZLAyBT/5EW/RcJT+LBpmcV";

std::string Blob(const char* base64) {
    return Base64Decode(base64).value();
}

std::string KnownHostsFile() {
    std::ifstream in(std::string(HTMLSIM_TEST_DATA) + "/ssh/known_hosts", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(KnownHosts, HashedListedRevokedAndAuthorityLinesAreReadAsOpenSshReadsThem) {
    const std::string file = KnownHostsFile();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(CheckHostKey(file, "example.org", 22, Blob(kExampleKey)), HostKeyStatus::Known);
    EXPECT_EQ(CheckHostKey(file, "EXAMPLE.org", 22, Blob(kExampleKey)), HostKeyStatus::Unknown)
        << "a hashed name is compared as typed";
    EXPECT_EQ(CheckHostKey(file, "files.example.net", 22, Blob(kExampleKey)), HostKeyStatus::Known);
    EXPECT_EQ(CheckHostKey(file, "192.0.2.7", 22, Blob(kExampleKey)), HostKeyStatus::Known);
    EXPECT_EQ(CheckHostKey(file, "example.org", 22, Blob(kOtherKey)), HostKeyStatus::Changed);
    EXPECT_EQ(CheckHostKey(file, "example.org", 2222, Blob(kExampleKey)), HostKeyStatus::Unknown);
    EXPECT_EQ(CheckHostKey(file, "files.example.net", 22, Blob(kRevokedKey)),
              HostKeyStatus::Revoked);
    // An authority signs host certificates; it does not vouch for a plain key.
    EXPECT_EQ(CheckHostKey(file, "www.example.org", 22, Blob(kAuthorityKey)),
              HostKeyStatus::Unknown);

    const std::string rsaKnown = "[127.0.0.1]:2222 ssh-rsa AAAAB3NzaC1yc2EAAAADAQABAAAAgQ==\n";
    EXPECT_EQ(CheckHostKey(rsaKnown, "127.0.0.1", 2222, Blob(kOtherKey)),
              HostKeyStatus::OtherTypeKnown);
    EXPECT_EQ(CheckHostKey("*.example.net,!bad.example.net " + std::string("ssh-ed25519 ") +
                               kOtherKey + "\n",
                           "bad.example.net", 22, Blob(kOtherKey)),
              HostKeyStatus::Unknown);
}

TEST(KnownHosts, LinesFingerprintsAndForgettingOneServer) {
    EXPECT_EQ(HostKeyType(Blob(kOtherKey)), "ssh-ed25519");
    EXPECT_EQ(HostKeyType("\xff\xff\xff\xff"), "");
    EXPECT_EQ(KnownHostsLine("127.0.0.1", 2222, Blob(kOtherKey)),
              std::string("[127.0.0.1]:2222 ssh-ed25519 ") + kOtherKey + "\n");
    EXPECT_EQ(KnownHostsName("sftp.example.org", 22), "sftp.example.org");
    // As `ssh-keygen -l -E sha256` shows it.
    EXPECT_EQ(HostKeyFingerprint(Blob(kExampleKey)),
              "SHA256:Suci2kc/F3M2A+Qj81igUUIbFsmORVR9oKbo6CjsG7E");

    const std::string file = KnownHostsFile();
    const std::string firstLineEnd = file.substr(0, file.find('\n') + 1);
    const std::string withoutExample = WithoutKnownHost(file, "example.org", 22);
    // Only the hashed line naming example.org alone goes; the listed one stays.
    EXPECT_EQ(withoutExample, firstLineEnd + file.substr(file.find('\n', firstLineEnd.size()) + 1));
    EXPECT_EQ(WithoutKnownHost(file, "files.example.net", 22), file);
}

}  // namespace
}  // namespace htmlsim
