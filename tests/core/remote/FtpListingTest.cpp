#include "remote/FtpListing.h"

#include <gtest/gtest.h>

namespace htmlsim {
namespace {

TEST(FtpListing, MachineListingKeepsNamesWithSpacesAndSkipsNavigation) {
    const std::string listing =
        "type=cdir;perm=elcmp;modify=20260101120000; .\r\n"
        "type=pdir;perm=elcmp; ..\r\n"
        "type=dir;size=4096;modify=20260101120000;perm=el; img\r\n"
        "type=file;size=120;modify=20260101120000;perm=r; my page.html\r\n"
        "Type=File;Size=3; x;y.txt\r\n";
    const auto entries = ParseMachineListing(listing);
    const std::vector<RemoteEntry> expected{
        {"img", true}, {"my page.html", false}, {"x;y.txt", false}};
    EXPECT_EQ(entries, expected);
}

TEST(FtpListing, UnixListingReadsTypeAndName) {
    const std::string listing =
        "total 12\r\n"
        "drwxr-xr-x   2 owner    group        4096 Jan 01 12:00 img\r\n"
        "-rw-r--r--   1 owner    group         120 Jan 01  2025 my page.html\r\n"
        "lrwxrwxrwx   1 owner    group           9 Jan 01 12:00 latest -> page.html\r\n"
        "drwxr-xr-x   2 owner    group        4096 Jan 01 12:00 ..\r\n";
    const auto entries = ParseUnixListing(listing);
    const std::vector<RemoteEntry> expected{
        {"img", true}, {"my page.html", false}, {"latest", false}};
    EXPECT_EQ(entries, expected);
}

}  // namespace
}  // namespace htmlsim
