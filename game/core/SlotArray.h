#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace pelikor {

// The zeroed words of the search's hash tables. A large one lies on huge
// pages of its own, given back to the system when it is destroyed.
class SlotArray {
public:
    explicit SlotArray(std::size_t count);

    std::size_t size() const { return count_; }
    std::size_t bytes() const { return count_ * sizeof(std::uint64_t); }
    std::uint64_t& operator[](std::size_t i) { return slots_[i]; }
    const std::uint64_t& operator[](std::size_t i) const { return slots_[i]; }
    const std::uint64_t* begin() const { return slots_.get(); }
    const std::uint64_t* end() const { return slots_.get() + count_; }

private:
    struct Free {
        std::size_t bytes;
        void operator()(std::uint64_t* slots) const;
    };

    std::unique_ptr<std::uint64_t[], Free> slots_;
    std::size_t count_;
};

} // namespace pelikor
