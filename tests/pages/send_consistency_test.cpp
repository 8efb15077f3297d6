// The defaults of every model, all rows checked, make a configuration text that the check accepts
// as it stands, that carries no setting the model lacks, and that comes back into the pages as it
// was sent, in every UI language.
#include "page_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace tessaline {
namespace {

using Pages = test::RowPages;

std::set<std::string> keysOfText(const std::string& text) {
    std::set<std::string> keys;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        const std::string line = text.substr(pos, end - pos);
        keys.insert(line.substr(0, line.find('\t')));
        if (end == std::string::npos) break;
        pos = end + 2;
    }
    return keys;
}

// Keys some enabled row of either page carries.
std::set<std::string> enabledKeys(const Pages& p) {
    std::set<std::string> keys;
    for (const RowPage* page : {&p.standard.rows(), &p.advanced.rows()})
        for (int i = 0; i < page->size(); ++i)
            if (page->state(i).enabled)
                keys.insert(std::string(keyTable()[page->row(i).entry].key));
    return keys;
}

class SendConsistency : public ::testing::TestWithParam<int> {};

TEST_P(SendConsistency, DefaultsOfEveryRowPassTheCheckAndCarryOnlyTheModelsSettings) {
    const int model = GetParam();
    Pages p;
    p.modelChange(model, Region::English);
    p.standard.checkAll(true);
    p.advanced.checkAll(true, true);
    ASSERT_TRUE(p.send());
    for (const RowPage* page : {&p.standard.rows(), &p.advanced.rows()})
        for (int i = 0; i < page->size(); ++i)
            if (page->state(i).enabled) {
                EXPECT_FALSE(page->red(i)) << page->row(i).label;
            }

    const std::set<std::string> sent = keysOfText(p.records.configText);
    const std::set<std::string> allowed = enabledKeys(p);
    for (const RowPage* page : {&p.standard.rows(), &p.advanced.rows()})
        for (int i = 0; i < page->size(); ++i) {
            const std::string key(keyTable()[page->row(i).entry].key);
            if (!page->state(i).enabled && !allowed.contains(key)) {
                EXPECT_FALSE(sent.contains(key)) << key;
            }
        }
    // "Control Code" exists only without emulation.
    EXPECT_EQ(sent.contains("CONTROL CODE"), model % 3 == 0);
}

TEST_P(SendConsistency, TheSentTextLoadsBackAsItWasInEveryLanguage) {
    const int model = GetParam();
    for (Region region : kAllRegions) {
        SCOPED_TRACE(static_cast<int>(region));
        Pages sender;
        sender.modelChange(model, region);
        sender.standard.checkAll(true);
        sender.advanced.checkAll(true, true);
        ASSERT_TRUE(sender.send());
        sender.standard.showWrittenValues();

        Pages receiver;
        receiver.modelChange(model, region);
        EXPECT_TRUE(receiver.receive(sender.records.configText));
        for (auto [from, to] : {std::pair{&sender.standard.rows(), &receiver.standard.rows()},
                                {&sender.advanced.rows(), &receiver.advanced.rows()}})
            for (int i = 0; i < from->size(); ++i) {
                if (!from->state(i).enabled) continue;
                SCOPED_TRACE(from->row(i).label);
                EXPECT_TRUE(to->state(i).checked);
                EXPECT_EQ(to->shownValue(i), from->shownValue(i));
                EXPECT_EQ(to->shownUnit(i), from->shownUnit(i));
                EXPECT_EQ(to->state(i).editText, from->state(i).editText);
                EXPECT_EQ(to->state(i).address, from->state(i).address);
                EXPECT_FALSE(to->red(i));
            }
    }
}

// Every item of every list, and the second unit of every length, comes back at the position it
// was sent from: the pages' lists and the reader's value positions agree.
TEST_P(SendConsistency, EveryListItemComesBackAtItsPosition) {
    const int model = GetParam();
    for (int k = 0; k < 89; ++k) {
        SCOPED_TRACE(k);
        Pages sender;
        sender.modelChange(model, k % 2 == 0 ? Region::English : Region::Japanese);
        sender.standard.checkAll(true);
        sender.advanced.checkAll(true, true);
        bool anyList = false;
        for (int i = 0; i < sender.standard.rows().size(); ++i) {
            const int items = static_cast<int>(sender.standard.rows().state(i).items.size());
            if (items > 0) sender.standard.selectValue(i, std::min(k, items - 1));
            anyList |= k < items && sender.standard.rows().state(i).enabled;
            if (k == 1 && sender.standard.rows().row(i).hasUnitList())
                sender.standard.selectUnit(i, 1);
        }
        for (int i = 0; i < sender.advanced.rows().size(); ++i) {
            const int items = static_cast<int>(sender.advanced.rows().state(i).items.size());
            if (items > 0) sender.advanced.rows().selectValue(i, std::min(k, items - 1));
            if (k == 1) sender.advanced.selectUnit(i, 1);
        }
        if (!anyList) break;
        ASSERT_TRUE(sender.send());
        Pages receiver;
        receiver.modelChange(model, Region::English);
        EXPECT_TRUE(receiver.receive(sender.records.configText));
        for (auto [from, to] : {std::pair{&sender.standard.rows(), &receiver.standard.rows()},
                                {&sender.advanced.rows(), &receiver.advanced.rows()}})
            for (int i = 0; i < from->size(); ++i) {
                if (!from->state(i).enabled) continue;
                SCOPED_TRACE(from->row(i).label);
                EXPECT_EQ(to->state(i).valueIndex, from->state(i).valueIndex);
                EXPECT_EQ(to->state(i).unitIndex, from->state(i).unitIndex);
                EXPECT_EQ(to->state(i).editText, from->state(i).editText);
            }
    }
}

INSTANTIATE_TEST_SUITE_P(AllModels, SendConsistency, ::testing::Range(0, 6));

} // namespace
} // namespace tessaline
