// What each call of a session puts on the wire, as the simulated printer recorded it.

#include "session/printer_session.h"
#include "session_fixture.h"
#include "support/recording_io_runner.h"

#include <functional>
#include <gtest/gtest.h>

namespace tessaline::session_test {
namespace {

struct WireCase {
    const char* name;
    std::function<bool(PrinterSession&)> call; // true when the call worked
    std::string bytes;                         // what the printer received
};

const std::string kHostText = "HOST NAME\t:\tWIRE\r\nEND\r\n";
const std::string kCalibrationText = "MEDIA SENSOR\t:\tSEE THROUGH\r\nAUTO CALIBRATION\r\nEND\r\n";

// Every call that talks to the printer, each on a connection of its own.
TEST(SessionWire, EachCallSendsItsRequestFramedAsThePrinterExpects) {
    const std::vector<WireCase> cases = {
        {"receive standard",
         [](PrinterSession& s) {
             return s.receiveConfiguration(RequestKind::StandardConfig, false).ok();
         },
         framed("SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n")},
        {"receive all",
         [](PrinterSession& s) {
             return s.receiveConfiguration(RequestKind::AllConfig, false).ok();
         },
         framed("SEND CONFIG\t:\tALL\r\nEXIT\r\n")},
        {"receive advanced",
         [](PrinterSession& s) {
             return s.receiveConfiguration(RequestKind::AdvancedConfig, false).ok();
         },
         framed("SEND CONFIG\t:\tADVANCED\r\nEXIT\r\n")},
        // The status queries go without the prefix, in the language of the printer.
        {"native status", [](PrinterSession& s) { return s.status(EmulationKind::Native).ok(); },
         "\x01"
         "A"},
        {"Zebra status", [](PrinterSession& s) { return s.status(EmulationKind::Zebra).ok(); },
         "~HS\r\n"},
        {"Eltron status", [](PrinterSession& s) { return s.status(EmulationKind::Eltron).ok(); },
         "^ee\r\n"},
        {"counters", [](PrinterSession& s) { return s.counters().ok(); },
         framed("SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\nCUT COUNTER:\r\n"
                "EXIT\r\n")},
        {"machine information", [](PrinterSession& s) { return s.machineInformation().ok(); },
         framed("SEND MACHINE INFO\r\nEXIT\r\n")},
        {"machine emulation", [](PrinterSession& s) { return s.machineEmulation().ok(); },
         framed("SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n")},
        {"send configuration",
         [](PrinterSession& s) { return s.sendConfiguration(kHostText).ok(); }, framed(kHostText)},
        {"sensor adjustment",
         [](PrinterSession& s) {
             auto result = s.sensorAdjustment(kCalibrationText);
             return result && *result == SensorAdjustmentResult::Succeeded;
         },
         framed(kCalibrationText)},
    };
    RecordedPrinter printer;
    ASSERT_TRUE(printer.running());
    PrinterSession session(fastSetup());
    session.select(printer.selection());
    for (const WireCase& c : cases) {
        EXPECT_TRUE(c.call(session)) << c.name;
        EXPECT_EQ(session.openKind(), InterfaceKind::None) << c.name;
    }
    const std::vector<std::string> received = printer.received();
    ASSERT_EQ(received.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(received[i], cases[i].bytes) << cases[i].name;
}

struct PrintTestCase {
    const char* model;
    TestPrint print;
    std::string command; // what follows the emulation request
};

// Print Test asks the printer for its emulation, then sends the command of that language on the
// same connection.
TEST(SessionWire, PrintTestAsksTheLanguageThenSendsItsCommand) {
    const std::vector<PrintTestCase> cases = {
        {"RV-940", TestPrint::SelfTest, "\x02Z\r\n"},
        {"RV-940Z", TestPrint::SelfTest, "~WC\n"},
        {"RV-943E", TestPrint::SelfTest, "U\n"},
        {"RV-943", TestPrint::Sample, "\x02\x1bQ4\r\n"},
        {"RV-943Z", TestPrint::Sample, "~!Q4\n"},
        {"RV-940E", TestPrint::Sample, "~!Q4\n"},
    };
    for (const PrintTestCase& c : cases) {
        RecordedPrinter printer({"--model", c.model});
        ASSERT_TRUE(printer.running()) << c.model;
        PrinterSession session(fastSetup());
        session.select(printer.selection());
        auto result = session.printTest(c.print);
        ASSERT_TRUE(result) << c.model << ": "
                            << RenderDetail(result.error().detail, Region::English);
        EXPECT_EQ(*result, TestPrintResult::Printed) << c.model;
        EXPECT_EQ(
            printer.received(),
            std::vector<std::string>{framed("SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n") + c.command})
            << c.model;
    }
}

// Print data such as a label program: text the printer takes as it is, in numbered lines.
std::string printData(size_t size) {
    std::string data;
    for (int line = 0; data.size() < size; ++line)
        data += "^XA^FO50,50^FDLABEL " + std::to_string(line) + "^FS^XZ\n";
    data.resize(size);
    return data;
}

// A print file goes as it is, in blocks of 1024 bytes, each a step of its own.
TEST(SessionWire, PrintFileGoesUnchangedInBlocksOf1024Bytes) {
    struct Case {
        size_t size;
        int blocks;
    };
    for (const Case c : {Case{0, 0}, Case{1024, 1}, Case{1025, 2}, Case{2500, 3}}) {
        TempTree tree;
        const std::string data = printData(c.size);
        tree.write("label.prn", data);
        RecordedPrinter printer;
        ASSERT_TRUE(printer.running());
        RecordingIoRunner steps;
        PrinterSession session(fastSetup(&steps));
        session.select(printer.selection());
        auto result = session.printFile(tree.path("label.prn"));
        EXPECT_TRUE(result) << c.size;
        EXPECT_EQ(steps.count(kSendingStep), c.blocks) << c.size;
        EXPECT_EQ(printer.received(), std::vector<std::string>{data}) << c.size;
    }
}

} // namespace
} // namespace tessaline::session_test
