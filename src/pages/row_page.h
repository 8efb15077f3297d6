#pragma once

#include "config/setting_value.h"
#include "pages/setting_row.h"
#include "text/region.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// The live state of one row's controls.
struct RowState {
    bool checked = false;
    bool checkHidden = false; // check box hidden (at exit, before the last collect)
    bool enabled = true;      // check box, value list, spin and address control
    bool editEnabled = true;
    bool unitEnabled = true;
    std::vector<std::string> items; // the value list as shown
    int valueIndex = -1;            // selected item; -1 none
    std::vector<std::string> units; // the unit list as shown
    int unitIndex = -1;
    std::string editText; // also the edit's mirror: a refresh shows this text, never an older one
    std::int32_t spinMin = 0;
    std::int32_t spinMax = 0;
    std::array<int, 4> address{0, 0, 0, 0};
};

// How a page's value combos give their words to the slots.
enum class CollectWords {
    Translate, // the shown item is looked up in the descriptor in all four languages: English word
    AsShown,   // the shown item is stored as it stands
};

// The engine every row page runs on: one row table, one state per row, the slots, and the
// operations shared by all row pages. Page-specific rules are layered on top by the pages.
class RowPage {
public:
    using SlotOf = std::function<SettingValue*(int entry)>;

    // Binds each row with an entry to its slot (slotOf may be empty for pages without slots) and
    // fills the lists in English.
    RowPage(std::span<const SettingRow> rows, const SlotOf& slotOf, CollectWords words);

    int size() const { return static_cast<int>(rows_.size()); }
    const SettingRow& row(int i) const { return rows_[i]; }
    const RowState& state(int i) const { return states_[i]; }
    RowState& state(int i) { return states_[i]; }
    SettingValue* slot(int i) const { return slots_[i]; }
    Region region() const { return region_; }

    // Label of the row's check box in the current language.
    std::string label(int i) const;
    // Text of the selected item, empty when none.
    std::string shownValue(int i) const;
    std::string shownUnit(int i) const;
    // True while the row's slot is marked invalid: the label is painted red.
    bool red(int i) const;

    void applyAvailability(int model, Region region);
    void restoreDefaults(int model);
    void setAllChecked(bool checked);
    // Copies every enabled, checked row into its slot; true when at least one row was copied.
    bool collect();
    // False when a row with an enabled check box has a selected, invalid slot.
    bool validate() const;
    // Shows every selected slot in its row; false when a shown slot is invalid (its edit is
    // emptied).
    bool load();
    void checkAllHidden();
    // Relabels and refills the lists in the given language; selections are cleared.
    void applyLanguage(Region region);

    // User edits.
    void setChecked(int i, bool checked);
    void selectValue(int i, int index);
    void selectUnit(int i, int index);
    // Typed text: cut to the edit's length limit (in UTF-16 units).
    void typeEditText(int i, std::string_view text);
    void setAddress(int i, const std::array<int, 4>& address);
    // After the person chose an item, typed or gave an address: a row that now holds a value
    // loses its invalid mark. The pages' own rules select values too, without lowering it.
    void valueEdited(int i);

    // For the pages' own rules.
    void setItems(int i, std::vector<std::string> items);
    void setEditText(int i, std::string text) { states_[i].editText = std::move(text); }

private:
    void fillLists(int i);
    std::string englishWord(int descriptor, bool units, const std::string& shown) const;

    std::span<const SettingRow> rows_;
    std::vector<RowState> states_;
    std::vector<SettingValue*> slots_;
    CollectWords words_;
    Region region_ = Region::English;
};

// Address helpers shared by the pages: "a,b,c,d" for the slot, dotted decimal from it.
std::string addressToSlotText(const std::array<int, 4>& address);
std::array<int, 4> addressFromDotted(std::string_view text);

// Cuts a UTF-8 text to at most `units` UTF-16 code units, never inside a character.
std::string truncateToUtf16Units(std::string_view text, int units);

} // namespace tessaline
