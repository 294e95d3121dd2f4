// Little-endian numbers and length-prefixed blocks, written and read back: the recordings and
// the network messages share them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TSchreiber {
  public:
    void Zahl(std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) aus_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
    void Block(std::string_view s) {
        Zahl(s.size(), 4);
        aus_.append(s);
    }
    std::string aus_;
};

// Every read checks what is left first, so a count or length from a hostile file never makes
// more than the file itself holds.
class TLeser {
  public:
    explicit TLeser(std::string_view d) : d_(d) {}
    bool Zahl(std::uint64_t& v, int bytes) {
        if (d_.size() - pos_ < std::size_t(bytes)) return false;
        v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= std::uint64_t(static_cast<std::uint8_t>(d_[pos_ + i])) << (8 * i);
        pos_ += std::size_t(bytes);
        return true;
    }
    bool Block(std::string& s) {
        std::uint64_t n = 0;
        if (!Zahl(n, 4) || n > d_.size() - pos_) return false;
        s.assign(d_.substr(pos_, n));
        pos_ += n;
        return true;
    }
    // A count of elements each at least 'mindestens' bytes long.
    bool Anzahl(std::uint64_t& n, std::size_t mindestens) {
        return Zahl(n, 4) && n <= (d_.size() - pos_) / mindestens;
    }
    bool AmEnde() const { return pos_ == d_.size(); }

  private:
    std::string_view d_;
    std::size_t pos_ = 0;
};
