#include "sim/request_stream.h"
#include "transport/command_prefix.h"

#include <gtest/gtest.h>

namespace tessaline::sim {
namespace {

const std::string kPrefix(CommandPrefix);

TEST(RequestStream, MessagesAreFoundWhereverTheyStartAndHoweverTheyArrive) {
    std::string bytes = "~WC\n" + kPrefix + "SEND CONFIG\t:\tADVANCED\r\nEXIT\r\n" +
                        std::string("\x01"
                                    "A",
                                    2) +
                        "^ee\r\n" + kPrefix + "PRINT SPEED\t:\t4 IPS\r\nEND\r\n" + "~!Q4\n" +
                        "~HS\r\n" + kPrefix +
                        "PRINT SPEED\t:\t4 IPS\r\nAUTO CALIBRATION\r\nSAVE\r\nEND\r\n" + kPrefix +
                        "SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nEXIT\r\n" + kPrefix +
                        "SEND MACHINE INFO\r\nEXIT\r\n";
    // Whole, and one byte at a time: the same messages.
    for (size_t step : {bytes.size(), size_t{1}, size_t{7}}) {
        RequestStream stream;
        std::vector<Message> messages;
        for (size_t i = 0; i < bytes.size(); i += step)
            for (Message& m : stream.feed(std::string_view(bytes).substr(i, step)))
                messages.push_back(std::move(m));
        ASSERT_EQ(messages.size(), 8u) << step;
        EXPECT_EQ(messages[0].kind, MessageKind::ConfigRequest);
        EXPECT_EQ(messages[0].scope, ConfigScope::Advanced);
        EXPECT_EQ(messages[1].kind, MessageKind::Status);
        EXPECT_EQ(messages[1].statusKind, 0);
        EXPECT_EQ(messages[2].statusKind, 2);
        EXPECT_EQ(messages[3].kind, MessageKind::Configuration);
        EXPECT_EQ(messages[3].text, "PRINT SPEED\t:\t4 IPS\r\nEND\r\n");
        EXPECT_EQ(messages[4].statusKind, 1);
        EXPECT_EQ(messages[5].kind, MessageKind::Calibration);
        EXPECT_EQ(messages[6].kind, MessageKind::Counters);
        EXPECT_EQ(messages[7].kind, MessageKind::MachineInfo);
        EXPECT_EQ(stream.printDataBytes(), 4u + 5u) << step; // the self test and the sample
    }
}

TEST(SimPrinter, ReceivedSettingsComeBackInTheirScope) {
    SimPrinter printer(1); // the Zebra emulation model
    printer.applyConfiguration(kPrefix + "PRINT SPEED\t:\t4 IPS\r\nNEW KEY\t:\tX\r\nEND\r\nPRINT "
                                         "DARKNESS\t:\t3\r\n");
    EXPECT_EQ(printer.setting("PRINT SPEED"), "4 IPS");
    EXPECT_EQ(printer.setting("PRINT DARKNESS"), "12"); // after END: not taken
    std::string reply = printer.configurationReply(ConfigScope::Standard);
    EXPECT_EQ(reply.substr(0, PrefixHead.size()), PrefixHead);
    EXPECT_NE(reply.find("PRINT SPEED\t:\t4 IPS\r\n"), std::string::npos);
    EXPECT_NE(reply.find("MACHINE EMULATION CODE\t:\tCODE_ZEBRA\r\n"), std::string::npos);
    EXPECT_EQ(reply.substr(reply.size() - 5), "END\r\n");
    EXPECT_EQ(printer.configurationReply(ConfigScope::Advanced).find("PRINT SPEED"),
              std::string::npos);
}

TEST(SimPrinter, StatusRepliesCarryTheFlagsAtTheirPlaces) {
    SimPrinter printer;
    printer.status.paperError = true;
    printer.status.pause = true;
    EXPECT_EQ(printer.statusReply(0), "NYNNNYNN\r\n");
    std::string zpl = printer.statusReply(1);
    size_t second = zpl.find('\x02', 1);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(zpl[5], '1');  // paper out
    EXPECT_EQ(zpl[7], '1');  // paused
    EXPECT_EQ(zpl[13], ','); // four-digit label length
    EXPECT_EQ(zpl.substr(second + 19, 8), "00000000");
    EXPECT_EQ(printer.statusReply(2), "07\r\n");
    printer.status.eplCode = "51";
    EXPECT_EQ(printer.statusReply(2), "51\r\n");
}

TEST(SimPrinter, MachineInformationCarriesTheMarkersInOrder) {
    SimPrinter printer(3);
    std::string info = printer.machineInfoReply();
    size_t at = 0;
    for (const char* marker :
         {"Model Number\t:\tRV-943\r\n", "\r\nSerial Number\t:\tA1B2C3D4", "Boot Version",
          "Head Check\t:\tOK\r\n", "Print Counter", "END\r\n"}) {
        size_t found = info.find(marker, at);
        ASSERT_NE(found, std::string::npos) << marker;
        at = found;
    }
    printer.calibrationFails = true;
    EXPECT_EQ(printer.calibrationReply(), "AUTO CALIBRATION : FAILED\r\n");
}

} // namespace
} // namespace tessaline::sim
