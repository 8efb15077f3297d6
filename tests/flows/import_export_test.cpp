// Import and Export: which files are taken, the question about a rejected line, and the codes
// of the configuration checks.
#include "flows/flow_fixture.h"

#include "pages/rejected_line.h"
#include "transport/command_prefix.h"

namespace tessaline {
namespace {

TEST_F(FlowTest, ImportTakesOnlyConfigurationStreams) {
    openWindow();
    window_->SetCheckAllBox(true);
    window_->standard.selectValue(standard_row::kPrintSpeed, 3);
    person_.files = {tree_.path("out.prn")};
    window_->OnExport();
    std::string exported;
    ASSERT_TRUE(readWholeFile(tree_.path("out.prn"), exported));
    const std::string text = exported.substr(CommandPrefix.size());

    struct Case {
        const char* name;
        std::optional<std::string> content; // none: no such file
        bool taken;
    };
    const Case cases[] = {
        {"exported", exported, true},
        {"second part of the head only", exported.substr(PrefixHeadFirstPart.size()), true},
        {"first part of the head only",
         std::string(PrefixHeadFirstPart) + "XX\r\n" + exported.substr(PrefixHead.size()), true},
        {"lines ending in LF",
         [&] {
             std::string lf;
             for (char ch : exported)
                 if (ch != '\r') lf += ch;
             return lf;
         }(),
         true},
        {"no head", text, false},
        {"empty", std::string(), false},
        {"missing", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = tree_.path("in.prn");
        ::unlink(file.c_str());
        if (c.content) tree_.write("in.prn", *c.content);
        window_->ChangeModel(window_->model());
        person_.shown.clear();
        person_.files = {file};
        window_->OnImport();
        EXPECT_EQ(codes(), c.taken ? std::vector<int>{} : std::vector<int>{20});
        EXPECT_EQ(window_->standard.rows().state(standard_row::kPrintSpeed).valueIndex,
                  c.taken ? 3 : 5);
        EXPECT_EQ(person_.questions(), 0);
    }
    EXPECT_EQ(app_.current.defaultFolder, tree_.path() + "/");
}

TEST_F(FlowTest, AnImportedInvalidValueIsShownRed) {
    openWindow();
    std::string file = std::string(CommandPrefix) + "PRINT SPEED\t:\t6 IPS\r\n" +
                       "SENSOR LEVEL\t:\t9.9\tV\r\nEND\r\n";
    tree_.write("bad.prn", file);
    person_.files = {tree_.path("bad.prn")};
    window_->OnImport();
    EXPECT_EQ(codes(), std::vector<int>{23});
    EXPECT_TRUE(window_->standard.rows().red(standard_row::kSensorLevel));
    EXPECT_FALSE(window_->standard.rows().red(standard_row::kPrintSpeed));
}

TEST_F(FlowTest, TheRejectedLineIsNumberedAsInTheFile) {
    struct Case {
        const char* number;
        bool crLfPutInFront;
        const char* detail;
    };
    const Case cases[] = {
        {"6", false, "\r\n6:BAD LINE"},
        {"6", true, "\n5:BAD LINE"},
        {"12", true, "\n11:BAD LINE"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RejectedLineDetail(c.number, "BAD LINE", c.crLfPutInFront), c.detail);
}

TEST_F(FlowTest, ConfigurationChecksStopSendAndExport) {
    if (!start()) return;
    struct Case {
        const char* name;
        std::function<void()> edit;
        int code;
        int redRow; // -1 none
    };
    const Case cases[] = {
        {"nothing included", [] {}, 24, -1},
        {"invalid value",
         [&] {
             window_->SetCheckAllBox(true);
             window_->standard.typeEditText(standard_row::kSensorLevel, "9.9");
         },
         23, standard_row::kSensorLevel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool exportIt : {false, true}) {
            window_->ChangeModel(window_->model());
            person_.shown.clear();
            c.edit();
            person_.files = {tree_.path("never.prn")};
            if (exportIt)
                window_->OnExport();
            else
                window_->OnSendConfiguration();
            EXPECT_EQ(codes(), std::vector<int>{c.code});
            EXPECT_EQ(person_.questions(), 0);
            if (c.redRow >= 0) {
                EXPECT_TRUE(window_->standard.rows().red(c.redRow));
            }
        }
    }
    EXPECT_TRUE(wire().empty());
    EXPECT_FALSE(fileExists(tree_.path("never.prn")));
    EXPECT_EQ(person_.fileDialogs.size(), 0u);

    window_->ChangeModel(window_->model());
    window_->SetCheckAllBox(true);
    person_.shown.clear();
    person_.files = {tree_.path("missing/out.prn")};
    window_->OnExport();
    EXPECT_EQ(codes(), std::vector<int>{22});
}

} // namespace
} // namespace tessaline
