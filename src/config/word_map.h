#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace tessaline {

// A read-mostly map from key words to small values, built once. Open addressing in a table of at
// least four slots per word keeps the probes short, and the hash reads the word eight bytes at a
// time: the reader looks up a key for every line it reads.
template <typename Value> class WordMap {
public:
    explicit WordMap(std::size_t expectedWords) {
        const std::size_t slots = std::bit_ceil(expectedWords * 4 + 4);
        slots_.resize(slots);
        mask_ = slots - 1;
    }

    // Keeps the first value given for a word.
    void insert(std::string_view word, Value value) {
        std::size_t at = hash(word) & mask_;
        for (; slots_[at].used; at = (at + 1) & mask_)
            if (slots_[at].word == word) return;
        slots_[at] = Slot{word, value, true};
        if (++count_ * 2 > slots_.size()) grow();
    }

    const Value* find(std::string_view word) const {
        for (std::size_t at = hash(word) & mask_; slots_[at].used; at = (at + 1) & mask_)
            if (slots_[at].word == word) return &slots_[at].value;
        return nullptr;
    }

private:
    struct Slot {
        std::string_view word;
        Value value{};
        bool used = false;
    };

    static std::uint64_t load(const char* at, std::size_t size) {
        std::uint64_t word = 0;
        std::memcpy(&word, at, size);
        return word;
    }

    // The first and the last eight bytes and the length; words that share all three only cost
    // a comparison more.
    static std::size_t hash(std::string_view word) {
        const std::size_t size = word.size();
        const std::uint64_t head = load(word.data(), size < 8 ? size : 8);
        const std::uint64_t tail = size > 8 ? load(word.data() + size - 8, 8) : 0;
        std::uint64_t mixed =
            (head * 0x9E3779B97F4A7C15ULL) ^ ((tail + size) * 0xC2B2AE3D27D4EB4FULL);
        mixed ^= mixed >> 29;
        return static_cast<std::size_t>(mixed);
    }

    void grow() {
        std::vector<Slot> old;
        old.swap(slots_);
        slots_.resize(old.size() * 2);
        mask_ = slots_.size() - 1;
        count_ = 0;
        for (const Slot& slot : old)
            if (slot.used) insert(slot.word, slot.value);
    }

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    std::size_t count_ = 0;
};

} // namespace tessaline
