// Fixed-capacity 8-bit string: holds at most N characters, a longer text is cut.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

template <std::size_t N> class ShortString {
public:
    static constexpr std::size_t Capacity = N;

    ShortString() = default;
    ShortString(std::string_view text) { assign(text); } // NOLINT: implicit like the original

    ShortString& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    void assign(std::string_view text) {
        len_ = text.size() < N ? text.size() : N;
        text.copy(data_.data(), len_);
    }

    std::size_t size() const { return len_; }
    bool empty() const { return len_ == 0; }
    std::string_view view() const { return {data_.data(), len_}; }
    std::string str() const { return std::string(view()); }

    friend bool operator==(const ShortString& a, std::string_view b) { return a.view() == b; }
    friend bool operator!=(const ShortString& a, std::string_view b) { return a.view() != b; }

private:
    std::array<char, N> data_{};
    std::size_t len_ = 0;
};
