// The group a person joins to open a device, found from the device's group id.
#include "platform/device_state.h"

#include <cerrno>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tessaline {
namespace {

TEST(DeviceState, TheGroupOfADeviceIsNamedAndAMissingOneIsNot) {
    struct stat info {};
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    const struct group* owner = ::getgrgid(info.st_gid);
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(DeviceGroupName("/dev/null"), std::string(owner->gr_name));
    EXPECT_EQ(DeviceGroupName("/dev/no-such-device-here"), std::nullopt);
}

TEST(DeviceState, ErrorsOfADeviceThatWentAway) {
    for (const int gone : {ENODEV, ENXIO, EIO, ENOENT})
        EXPECT_TRUE(DeviceGone(gone)) << gone;
    for (const int other : {0, EAGAIN, EACCES, EBUSY})
        EXPECT_FALSE(DeviceGone(other)) << other;
}

} // namespace
} // namespace tessaline
