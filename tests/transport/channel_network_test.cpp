#include "channel_fixture.h"
#include "transport/command_prefix.h"

#include <chrono>

namespace tessaline {
namespace {

const std::string kPrefix("~!!\r\n\x02\x1b~A\r\n~\x1b~A\r\n", 17);

struct RequestCase {
    RequestKind kind;
    EmulationKind emulation;
    std::string bytes;
};

const RequestCase kRequestCases[] = {
    {RequestKind::StandardConfig, EmulationKind::Native,
     kPrefix + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n"},
    {RequestKind::AllConfig, EmulationKind::Native, kPrefix + "SEND CONFIG\t:\tALL\r\nEXIT\r\n"},
    {RequestKind::Counters, EmulationKind::Native,
     kPrefix + "SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\nCUT COUNTER:\r\n"
               "EXIT\r\n"},
    {RequestKind::AdvancedConfig, EmulationKind::Native,
     kPrefix + "SEND CONFIG\t:\tADVANCED\r\nEXIT\r\n"},
    {RequestKind::MachineInfo, EmulationKind::Native, kPrefix + "SEND MACHINE INFO\r\nEXIT\r\n"},
    {RequestKind::Status, EmulationKind::Native,
     std::string("\x01"
                 "A",
                 2)},
    {RequestKind::Status, EmulationKind::Zebra, "~HS\r\n"},
    {RequestKind::Status, EmulationKind::Eltron, "^ee\r\n"},
};

TEST(ChannelNetwork, EveryRequestGoesOutAsItsExactBytes) {
    TempTree tree;
    std::string record = tree.path("record.bin");
    std::string expected;
    {
        SimProcess sim({"--record", record});
        ASSERT_TRUE(sim.running());
        CPortChannel channel(fastSetup());
        int connection = 0;
        for (const RequestCase& c : kRequestCases) {
            Exchange e =
                exchange(channel, networkSelection(sim), request(c.kind, c.emulation), c.kind);
            ASSERT_TRUE(e.opened);
            EXPECT_EQ(e.writeResult, ChannelCode::Ok);
            expected += "\n=== connection " + std::to_string(++connection) + " ===\n" + c.bytes;
        }
    }
    EXPECT_EQ(readFile(record), expected);
}

TEST(ChannelNetwork, UnknownStatusEmulationBuildsNothing) {
    std::string text = "stale";
    BuildRequest(text, RequestKind::Status, static_cast<EmulationKind>(3));
    EXPECT_TRUE(text.empty());
    BuildRequest(text, static_cast<RequestKind>(4), EmulationKind::Native);
    EXPECT_TRUE(text.empty());
}

struct ReplyCase {
    const char* name;
    std::vector<std::string> simArgs;
    RequestKind kind;
    ChannelCode result;
    // What the reply must look like: its exact tail, or an exact count.
    std::string tail;
    uint32_t count;
    Millis socketReadTimeout{0}; // when not 0: instead of the shortened one
};

const ReplyCase kReplyCases[] = {
    {"terminator", {}, RequestKind::StandardConfig, ChannelCode::Ok, "END\r\n", 0},
    {"terminator split over chunks",
     {"--trickle", "1"},
     RequestKind::MachineInfo,
     ChannelCode::Ok,
     "END\r\n",
     0,
     Millis(5000)},
    {"terminator and one byte",
     {"--after-reply", "T"},
     RequestKind::StandardConfig,
     ChannelCode::Ok,
     "END\r\nT",
     0},
    {"silence", {}, RequestKind::Counters, ChannelCode::Ok, "Cut Counter 89\r\n", 0},
    {"reply longer than the buffer",
     {"--oversize"},
     RequestKind::AllConfig,
     ChannelCode::Ok,
     "",
     kExchangeBufferSize},
    {"no reply", {"--silent"}, RequestKind::StandardConfig, ChannelCode::WaitTimeout, "", 0},
    {"reply that never ends",
     {"--garbage"},
     RequestKind::StandardConfig,
     ChannelCode::WaitTimeout,
     "",
     64},
    {"peer closes in mid-reply",
     {"--close-mid-reply"},
     RequestKind::StandardConfig,
     ChannelCode::DeviceNotConnected,
     "",
     kPeerClosedCount},
};

TEST(ChannelNetwork, RepliesEndByTheirCompletionRule) {
    for (const ReplyCase& c : kReplyCases) {
        SimProcess sim(c.simArgs);
        ASSERT_TRUE(sim.running()) << c.name;
        ChannelSetup setup = fastSetup();
        if (c.socketReadTimeout.count()) setup.timings.socketReadTimeout = c.socketReadTimeout;
        CPortChannel channel(setup);
        Exchange e = exchange(channel, networkSelection(sim), request(c.kind), c.kind);
        ASSERT_TRUE(e.opened) << c.name;
        EXPECT_EQ(e.readResult, c.result) << c.name;
        if (!c.tail.empty()) {
            ASSERT_GE(e.reply.size(), c.tail.size()) << c.name;
            EXPECT_EQ(e.reply.substr(e.reply.size() - c.tail.size()), c.tail) << c.name;
            EXPECT_EQ(e.count, e.reply.size()) << c.name;
        } else {
            EXPECT_EQ(e.count, c.count) << c.name;
        }
    }
}

TEST(ChannelNetwork, ConfigurationReplyBeginsWithThePrefixHead) {
    SimProcess sim({});
    CPortChannel channel(fastSetup());
    Exchange e = exchange(channel, networkSelection(sim), request(RequestKind::StandardConfig),
                          RequestKind::StandardConfig);
    EXPECT_EQ(e.reply.substr(0, PrefixHead.size()), PrefixHead);
}

TEST(ChannelNetwork, OperationsWithoutAnOpenInterfaceOrArgumentsAreRefused) {
    CPortChannel channel(fastSetup());
    std::vector<uint8_t> buffer(kExchangeBufferSize);
    uint32_t count = 0;
    const uint8_t byte = 'x';
    EXPECT_EQ(channel.WritePort(&byte, 1, &count), ChannelCode::InvalidHandle);
    EXPECT_EQ(channel.ReadPort(buffer, &count, RequestKind::StandardConfig),
              ChannelCode::InvalidHandle);
    EXPECT_EQ(channel.SendSocket(1, &byte, &count), ChannelCode::InvalidHandle);
    EXPECT_EQ(channel.ReceiveSocket(buffer, &count, RequestKind::StandardConfig),
              ChannelCode::InvalidHandle);
    EXPECT_FALSE(channel.ClosePort());
    EXPECT_FALSE(channel.CloseSocket());

    SimProcess sim({});
    ASSERT_TRUE(OpenSelectedInterface(channel, networkSelection(sim), OpenPurpose::Send));
    EXPECT_EQ(channel.SendSocket(0, &byte, &count), ChannelCode::BadArguments);
    EXPECT_EQ(channel.SendSocket(1, nullptr, &count), ChannelCode::BadArguments);
    EXPECT_EQ(channel.ReceiveSocket(buffer, nullptr, RequestKind::StandardConfig),
              ChannelCode::BadArguments);
    EXPECT_FALSE(channel.ConnectSocket("127.0.0.1", static_cast<uint16_t>(sim.port())));
    EXPECT_TRUE(channel.CloseSocket());
    EXPECT_EQ(channel.openKind(), InterfaceKind::None);
}

TEST(ChannelNetwork, LongSendGoesOutWholeInChunks) {
    TempTree tree;
    std::string record = tree.path("record.bin");
    std::string text = "PRINT SPEED\t:\t4 IPS\r\n";
    std::string configuration;
    while (configuration.size() < 3 * kExchangeBufferSize)
        configuration += text;
    configuration += "END\r\n";
    std::string bytes = FrameForPrinter(RequestKind::StandardConfig, configuration);
    {
        SimProcess sim({"--record", record});
        CPortChannel channel(fastSetup());
        ASSERT_TRUE(OpenSelectedInterface(channel, networkSelection(sim), OpenPurpose::Send));
        uint32_t sent = 0;
        EXPECT_EQ(channel.SendSocket(static_cast<uint32_t>(bytes.size()),
                                     reinterpret_cast<const uint8_t*>(bytes.data()), &sent),
                  ChannelCode::Ok);
        EXPECT_EQ(sent, bytes.size());
        channel.CloseSocket();
    }
    EXPECT_TRUE(readFile(record) == "\n=== connection 1 ===\n" + bytes); // too long to print
}

TEST(ChannelNetwork, PrinterThatStopsReadingEndsTheSendWithATimeout) {
    SimProcess sim({"--stop-reading"});
    CPortChannel channel(fastSetup());
    ASSERT_TRUE(OpenSelectedInterface(channel, networkSelection(sim), OpenPurpose::Send));
    std::vector<uint8_t> bytes(64u << 20, 'x');
    uint32_t sent = 0;
    EXPECT_EQ(channel.SendSocket(static_cast<uint32_t>(bytes.size()), bytes.data(), &sent),
              ChannelCode::Timeout);
    EXPECT_LT(sent, bytes.size());
    channel.CloseSocket();
}

TEST(ChannelNetwork, NobodyListeningMeansNoConnection) {
    ChannelSetup setup; // the program's own time-outs
    setup.handOverQueues = false;
    CPortChannel channel(setup);
    ChannelSelection selection;
    selection.kind = InterfaceKind::Network;
    selection.portName = "127.0.0.1";
    selection.portNumber = std::to_string(closedLoopbackPort());
    auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(OpenSelectedInterface(channel, selection, OpenPurpose::Receive));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)); // no hang
    EXPECT_EQ(channel.openKind(), InterfaceKind::None);
    selection.portName = "no-such-host.invalid";
    EXPECT_FALSE(OpenSelectedInterface(channel, selection, OpenPurpose::Receive));
}

TEST(ChannelNetwork, NoDescriptorStaysOpenAfterAnyExchange) {
    const int before = openDescriptorCount();
    {
        CPortChannel channel(fastSetup());
        for (std::vector<std::string> args :
             {std::vector<std::string>{}, {"--silent"}, {"--close-mid-reply"}, {"--oversize"}}) {
            SimProcess sim(args);
            exchange(channel, networkSelection(sim), request(RequestKind::StandardConfig),
                     RequestKind::StandardConfig);
            sim.stop();
            // the printer has gone: the open fails
            exchange(channel, networkSelection(sim), request(RequestKind::StandardConfig),
                     RequestKind::StandardConfig);
        }
    }
    EXPECT_EQ(openDescriptorCount(), before);
}

} // namespace
} // namespace tessaline
