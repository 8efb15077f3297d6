#pragma once

#include "config/configuration_reader.h"
#include "config/configuration_record_set.h"
#include "config/configuration_writer.h"
#include "pages/advanced_page.h"
#include "pages/easy_page.h"
#include "pages/standard_page.h"

#include <string>

namespace tessaline::test {

// The Standard, Advanced and Easy pages over one record set, driven as the host drives them.
struct RowPages {
    ConfigurationRecordSet records;
    StandardPage standard{records};
    AdvancedPage advanced{records};
    EasyPage easy;
    int model = 0;

    // A language change (with its model change) or a model change alone.
    void modelChange(int m, Region region) {
        model = m;
        standard.applyLanguage(region);
        easy.applyLanguage(region);
        standard.applyAvailability(m, region);
        standard.buildSpeedList(m);
        standard.restoreDefaults(m);
        advanced.applyAvailability(m, region);
        advanced.restoreDefaults(m);
        easy.applyAvailability(m, region);
        easy.restoreDefaults(m);
    }
    // Collect, write and check as Send does; the text to send is in records.configText.
    bool send() {
        ClearConfiguration(records);
        records.modelIndex = model;
        const bool any = standard.collect() | advanced.collect();
        WriteConfigurationText(records, true);
        ParseConfigurationText(records, ParseMode::Check);
        const bool valid = standard.validate() && advanced.validate();
        records.configText.clear();
        WriteConfigurationText(records, true);
        return any && valid;
    }
    // Receive of a configuration text (without the prefix): unchecks all, parses, loads.
    bool receive(std::string text) { // a copy: the text may be the record set's own
        standard.checkAll(false);
        advanced.checkAll(false, true);
        easy.checkAll(false);
        ClearConfiguration(records);
        records.modelIndex = model;
        records.configText = "\r\n\r\n" + text; // the two prefix lines
        ParseConfigurationText(records, ParseMode::Apply);
        const bool standardOk = standard.load();
        const bool advancedOk = advanced.load();
        return standardOk && advancedOk;
    }
    const SettingValue& slot(int standardRow) { return *standard.rows().slot(standardRow); }
};

} // namespace tessaline::test
