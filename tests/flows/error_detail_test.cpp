// A failed exchange shows its coded message first and, after a blank line, the detail: the
// interface and what happened, in the window's language.
#include "flows/flow_fixture.h"

#include "config/printer_models.h"
#include "text/text_tables.h"

namespace tessaline {
namespace {

// The coded message of MessageTable entry `entry`, then a blank line, then the detail.
std::string codedThenDetail(int entry, Region region, const std::string& detail) {
    return std::string(MessageText(static_cast<size_t>(entry), region)) + "\r\n\r\n" + detail;
}

TEST_F(FlowTest, EachCauseOverTcpIsNamedUnderTheCodedMessage) {
    struct Case {
        std::vector<std::string> simArgs;
        int entry;          // of the coded message
        std::string detail; // after "127.0.0.1:PORT: "
    };
    const Case cases[] = {
        {{"--silent"}, 17, "no answer within "},
        {{"--close-mid-reply"}, 17, "the printer closed the connection after "},
        {{"--garbage"}, 17, "the reply began with unexpected bytes: abcdefghijklmnop. Check"},
        {{"--oversize"}, 7, "the reply filled the buffer of 4096 bytes without its END line."},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(start(c.simArgs));
        window_->OnReceive();
        ASSERT_EQ(person_.messages().size(), 1u) << c.simArgs[0];
        const std::string expected =
            codedThenDetail(c.entry, Region::English,
                            "127.0.0.1:" + std::to_string(sim_->port()) + ": " + c.detail);
        EXPECT_TRUE(person_.messages()[0].starts_with(expected)) << c.simArgs[0] << "\n"
                                                                 << person_.messages()[0];
        reset();
    }
}

// In Japanese: a port nobody listens on, and a printer whose language is not the chosen model's
// (an RV-940 answering a window set to its Zebra emulation model).
TEST_F(FlowTest, TheDetailIsInTheWindowsLanguage) {
    app_.current.region = static_cast<int32_t>(Region::Japanese);
    app_.current.printerModel = std::string(modelNames()[1]);
    ASSERT_TRUE(start({"--model", "RV-940"}));
    const std::string where = "127.0.0.1:" + std::to_string(sim_->port());
    window_->OnReceive();
    ASSERT_EQ(person_.messages().size(), 1u);
    EXPECT_EQ(person_.messages()[0],
              codedThenDetail(7, Region::Japanese,
                              where +
                                  ": プリンタは プリンタ固有のコマンド言語 を使用していますが、"
                                  "選択したモデル " +
                                  std::string(modelNames()[1]) +
                                  " は Zebra エミュレーション を使用します。"
                                  "プリンタに合ったモデルを選択してください。"));

    person_.shown.clear();
    sim_->stop();
    window_->OnReceive();
    ASSERT_EQ(person_.messages().size(), 1u);
    EXPECT_EQ(person_.messages()[0],
              codedThenDetail(5, Region::Japanese,
                              where + ": プリンタが接続を拒否しました。アドレス、ポート番号、"
                                      "プリンタの電源を確認してください。"));
}

// Over a serial line: a printer that stays silent, then its device gone (the simulator's
// pseudo-terminal link is removed when it ends).
TEST_F(FlowTest, SerialCausesNameTheDevice) {
    if (!start({"--silent"}, Link::Serial)) return;
    window_->OnReceive();
    ASSERT_EQ(person_.messages().size(), 1u);
    EXPECT_TRUE(person_.messages()[0].starts_with(
        codedThenDetail(17, Region::English, serialPath() + ": no answer within ")))
        << person_.messages()[0];

    reset();
    app_.current.portType = PortType::Serial;
    app_.current.portName = serialPath();
    openWindow();
    window_->OnReceive();
    ASSERT_EQ(person_.messages().size(), 1u);
    EXPECT_EQ(person_.messages()[0],
              codedThenDetail(5, Region::English,
                              serialPath() +
                                  ": the device does not exist. Check the device path and the "
                                  "cable."));
}

} // namespace
} // namespace tessaline
