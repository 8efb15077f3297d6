#include "config/symbol_sets.h"

#include <iterator>

namespace tessaline {

namespace {

constexpr std::string_view kSymbolSets[] = {
    "CP", "CU", "DN", "DT", "E1", "E2", "E5", "E6", "E7", "E9", "EH", "ER", "FR", "GR", "H0",
    "H8", "IT", "LG", "M8", "MC", "MS", "P9", "PB", "PC", "PD", "PE", "PG", "PH", "PI", "PM",
    "PR", "PT", "PU", "PV", "PY", "R8", "R9", "SP", "SW", "SY", "TS", "UK", "US", "VI", "VM",
    "VU", "W1", "WD", "WE", "WG", "WH", "WL", "WO", "WR", "WT", "u1", "EU", "GB", "JS", "SJ",
    "UC", "U8", "KS", "ZA", "ZB", "ZC", "ZD", "ZE", "ZF", "ZG", "ZH", "ZI", "ZJ", "ZK", "ZL",
    "ZM", "ZN", "ZO", "ZP", "ZQ", "ZR", "ZS", "ZT", "ZU", "ZV", "ZW", "ZX", "ZY", "ZZ",
};
static_assert(std::size(kSymbolSets) == kSymbolSetCount);

} // namespace

int symbolSetPosition(std::string_view code) {
    for (int i = 0; i < kSymbolSetCount; ++i)
        if (kSymbolSets[i] == code) return i;
    return -1;
}

} // namespace tessaline
