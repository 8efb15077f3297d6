// The preparation cycle before a send (write, check-mode parse, write again) over every
// setting, and the apply-mode parse of a printer reply.
#include "../tests/config/sample_records.h"
#include "config/configuration_reader.h"
#include "config/configuration_writer.h"
#include "transport/command_prefix.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tessaline;

// Every one of the 176 entries selected: those the model does not offer carry the value of the
// entry with the same key.
void fillAllEntries(ConfigurationRecordSet& set, int model) {
    set.modelIndex = model;
    samples::fill(set, model);
    for (int i = 0; i < kAdvancedEntryCount; ++i) {
        if (set.entryRecord(i).selected == 1) continue;
        for (int j = 0; j < kAdvancedEntryCount; ++j)
            if (j != i && set.entry(j).key == set.entry(i).key && set.entryRecord(j).selected == 1)
                set.entryRecord(i) = set.entryRecord(j);
    }
}

void BM_PreparationCycle(benchmark::State& state) {
    ConfigurationRecordSet set;
    fillAllEntries(set, 0);
    std::size_t bytes = 0;
    for (auto _ : state) {
        set.configText.clear();
        WriteConfigurationText(set, true);
        ParseConfigurationText(set, ParseMode::Check);
        set.configText.clear();
        WriteConfigurationText(set, true);
        bytes = set.configText.size();
        benchmark::DoNotOptimize(set.configText.data());
    }
    state.counters["text_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PreparationCycle);

// The two steps of the cycle on their own.
void BM_Write(benchmark::State& state) {
    ConfigurationRecordSet set;
    fillAllEntries(set, 0);
    for (auto _ : state) {
        set.configText.clear();
        WriteConfigurationText(set, true);
        benchmark::DoNotOptimize(set.configText.data());
    }
}
BENCHMARK(BM_Write);

void BM_CheckParse(benchmark::State& state) {
    ConfigurationRecordSet set;
    fillAllEntries(set, 0);
    WriteConfigurationText(set, true);
    for (auto _ : state) {
        ParseConfigurationText(set, ParseMode::Check);
        benchmark::DoNotOptimize(set.record(1).valueIndex);
    }
}
BENCHMARK(BM_CheckParse);

// A reply of about 4 KB: the command prefix and the text of every setting.
std::string printerReply() {
    ConfigurationRecordSet set;
    set.modelIndex = 3;
    samples::fill(set, 3);
    WriteConfigurationText(set, true);
    std::string reply(CommandPrefix);
    reply += set.configText;
    return reply;
}

void BM_ApplyReply(benchmark::State& state) {
    const std::string reply = printerReply();
    ConfigurationRecordSet set;
    set.modelIndex = 3;
    for (auto _ : state) {
        ClearConfiguration(set);
        set.configText = reply;
        ParseConfigurationText(set, ParseMode::Apply);
        benchmark::DoNotOptimize(set.record(1).valueIndex);
    }
    state.counters["reply_bytes"] = static_cast<double>(reply.size());
}
BENCHMARK(BM_ApplyReply);

} // namespace

BENCHMARK_MAIN();
