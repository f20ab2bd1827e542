// Reads a fuzzer's bytes front to back; past the end every read gives zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace tnx::fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    void Bytes(void* target, std::size_t count) {
        auto* out = static_cast<std::uint8_t*>(target);
        for (std::size_t i = 0; i < count; ++i) out[i] = Byte();
    }

    std::string Rest() {
        std::string out(reinterpret_cast<const char*>(data_ + pos_), size_ - std::min(pos_, size_));
        pos_ = size_;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace tnx::fuzz
