#include "app/serial_settings_dialog.h"

#include "text/text_tables.h"

#include <charconv>

namespace tessaline {

namespace {

// Item rows of the dialog's lists, in list order, and of its title.
constexpr size_t kListRows[SerialSettingsDialogModel::kListCount] = {13, 14, 15, 16, 17};
constexpr size_t kTitleRow = 18;

constexpr int32_t kBaudEntries[] = {9600, 19200, 38400, 57600}; // anything else: the last entry
constexpr int kLastBaudEntry = 4;

int numberIn(const std::string& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

int baudEntry(int32_t baud) {
    for (int i = 0; i < static_cast<int>(std::size(kBaudEntries)); ++i) {
        if (kBaudEntries[i] == baud) return i;
    }
    return kLastBaudEntry;
}

} // namespace

SerialSettingsDialogModel::SerialSettingsDialogModel(const InterfaceSettings& current,
                                                     Region region)
    : region_(region) {
    for (int list = 0; list < kListCount; ++list) {
        const ItemTexts& row = ItemTextsRow(kListRows[list]);
        for (size_t k = 0; k < row.values.size(); ++k)
            entries_[list].emplace_back(row.value(k, region));
    }
    selected_[BaudRate] = baudEntry(current.baudRate);
    selected_[DataBits] = current.dataBits == 7 ? 0 : 1;
    selected_[StopBits] = current.stopBits == StopBitsCode::One ? 0 : 1;
    selected_[Parity] = current.parity == ParityCode::Even  ? 2
                        : current.parity == ParityCode::Odd ? 1
                                                            : 0;
    selected_[FlowControl] = current.flowControl == "X" ? 0 : current.flowControl == "H" ? 1 : 2;
}

std::string SerialSettingsDialogModel::title() const {
    return std::string(ItemTextsRow(kTitleRow).label(0, region_));
}

std::string SerialSettingsDialogModel::label(List list) const {
    return std::string(ItemTextsRow(kListRows[list]).label(0, region_));
}

const std::vector<std::string>& SerialSettingsDialogModel::entries(List list) const {
    return entries_[list];
}

int SerialSettingsDialogModel::selected(List list) const {
    return selected_[list];
}

void SerialSettingsDialogModel::select(List list, int index) {
    if (index >= 0 && index < static_cast<int>(entries_[list].size())) selected_[list] = index;
}

void SerialSettingsDialogModel::storeInto(InterfaceSettings& settings) const {
    const auto text = [&](List list) { return entries_[list][selected_[list]]; };
    const ItemTexts& parity = ItemTextsRow(kListRows[Parity]);
    const ItemTexts& flow = ItemTextsRow(kListRows[FlowControl]);

    settings.baudRate = numberIn(text(BaudRate));
    settings.dataBits = static_cast<uint8_t>(numberIn(text(DataBits)));
    settings.stopBits = text(StopBits) == "1" ? StopBitsCode::One : StopBitsCode::Two;
    settings.parity = text(Parity) == parity.value(0, region_)   ? ParityCode::None
                      : text(Parity) == parity.value(1, region_) ? ParityCode::Odd
                                                                 : ParityCode::Even;
    const char flowLetter = text(FlowControl) == flow.value(1, region_)   ? 'H'
                            : text(FlowControl) == flow.value(0, region_) ? 'X'
                                                                          : 'N';
    settings.flowControl = std::string(1, flowLetter);
}

} // namespace tessaline
