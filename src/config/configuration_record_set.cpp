#include "config/configuration_record_set.h"

namespace tessaline {

void ClearConfiguration(ConfigurationRecordSet& set) {
    set.configText.clear();
    for (int n = 0; n < kRecordCount; ++n) {
        if (n == kUnusedRecord) continue;
        SettingValue& value = set.record(n);
        value.selected = 0;
        value.valueText.clear();
        value.unitText.clear();
        value.invalid = 0;
    }
}

} // namespace tessaline
