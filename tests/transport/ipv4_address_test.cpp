#include "transport/ipv4_address.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(Ipv4Address, DottedAddressesAreExactlyFourSmallNumbers) {
    for (const char* good : {"0.0.0.0", "127.0.0.1", "255.255.255.255", "010.1.1.1"})
        EXPECT_TRUE(isDottedAddress(good)) << good;
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "1.2.3.256", "1..2.3", "a.b.c.d", "1.2.3.4 ",
                            "printer.local", "1.2.3.-4"})
        EXPECT_FALSE(isDottedAddress(bad)) << bad;
}

TEST(Ipv4Address, PackingPutsTheFirstPartHighest) {
    EXPECT_EQ(PackAddress("192.168.0.5"), 0xC0A80005u);
    EXPECT_EQ(PackAddress("10.0.0.7"), 0x0A000007u);
    EXPECT_EQ(resolveIpv4("127.0.0.1"), 0x7F000001u);
    EXPECT_FALSE(resolveIpv4("no-such-host.invalid"));
}

} // namespace
} // namespace tessaline
