#include "channel_fixture.h"
#include "support/failing_syscall.h"

#include <cerrno>
#include <sys/syscall.h>

namespace tessaline {
namespace {

enum class Step { Read, Write };

struct OsErrorCase {
    const char* name;
    InterfaceKind kind;
    const char* node;
    const char* port; // the port name selected; the node's path when empty
    Step step;
    long syscall; // the call that fails
    int error;    // the error number the system gives, equal to one of the channel's own codes
};

// ENXIO is 6 (InvalidHandle), ESPIPE 29 (WriteFault), ETIMEDOUT 110 (OpenFailed).
const OsErrorCase kOsErrorCases[] = {
    {"serial queue query", InterfaceKind::Serial, "ttySIM", "", Step::Read, SYS_ioctl, ESPIPE},
    {"serial read", InterfaceKind::Serial, "ttySIM", "", Step::Read, SYS_read, ENXIO},
    {"parallel read", InterfaceKind::Parallel, "dev/lp0", "", Step::Read, SYS_read, ENXIO},
    {"usb read", InterfaceKind::Usb, "dev/usb/lp0", "USB001", Step::Read, SYS_read, ETIMEDOUT},
    {"usb write", InterfaceKind::Usb, "dev/usb/lp0", "USB001", Step::Write, SYS_write, ETIMEDOUT},
};

TEST(ChannelOsErrors, SystemErrorNumbersStayApartFromTheChannelsOwnCodes) {
    for (const OsErrorCase& c : kOsErrorCases) {
        DeviceTree devices;
        auto sim = devices.start(c.node);
        ChannelSetup setup = fastSetup(devices.discovery());
        setup.timings.readTimeout = Millis(5000); // the reply is queued before the read fails
        CPortChannel channel(setup);
        ChannelSelection selection =
            deviceSelection(c.kind, *c.port ? c.port : devices.path(c.node));
        ASSERT_TRUE(OpenSelectedInterface(channel, selection, OpenPurpose::Receive)) << c.name;
        const std::string bytes = request(RequestKind::StandardConfig);
        uint32_t count = 0;
        if (c.step == Step::Read) {
            ASSERT_TRUE(channel
                            .WritePort(reinterpret_cast<const uint8_t*>(bytes.data()),
                                       static_cast<uint32_t>(bytes.size()), &count)
                            .ok())
                << c.name;
        }

        ChannelResult result;
        std::vector<uint8_t> reply(kExchangeBufferSize, 0);
        bool filtered = runWithFailingSyscall(c.syscall, c.error, [&] {
            count = 0;
            result = c.step == Step::Read
                         ? channel.ReadPort(reply, &count, RequestKind::StandardConfig)
                         : channel.WritePort(reinterpret_cast<const uint8_t*>(bytes.data()),
                                             static_cast<uint32_t>(bytes.size()), &count);
        });
        CloseSelectedInterface(channel, selection);
        if (!filtered) GTEST_SKIP() << "this system refuses seccomp filters";
        EXPECT_EQ(result, ChannelResult::System(c.error)) << c.name;
        EXPECT_NE(static_cast<uint32_t>(result.code), static_cast<uint32_t>(c.error)) << c.name;
        if (c.step == Step::Read && c.kind != InterfaceKind::Usb) {
            EXPECT_EQ(count, 0u) << c.name; // a failed read reports nothing
        }
    }
}

} // namespace
} // namespace tessaline
