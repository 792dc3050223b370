// Writes the generator's raw values under one of the program's call patterns to standard
// output, as a stream of bits (each 24-bit value in turn, packed into 32-bit words), for
// external test suites such as dieharder's raw input.
//
//   quarrow_raw_values PATTERN [WORDS]
//
// PATTERN: plain, product (reseed with position x serial before each draw), chain (draw,
// reseed with the value, draw), clock (reseed from a stopped clock before each draw).
// WORDS: 32-bit words to write; without it, writes until the reader closes the pipe.

#include "platform/generator.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class BitPacker {
public:
    /// Adds one 24-bit value; false once the output is closed or the words are written.
    bool Add(std::uint32_t value) {
        bits_ = (bits_ << 24) | value;
        count_ += 24;
        while (count_ >= 32) {
            count_ -= 32;
            buffer_[used_++] = static_cast<std::uint32_t>(bits_ >> count_);
            if (used_ == kBuffer) {
                if (!Flush()) {
                    return false;
                }
            }
        }
        return true;
    }

    bool Flush() {
        const std::size_t words = remaining_ < used_ ? static_cast<std::size_t>(remaining_) : used_;
        if (std::fwrite(buffer_, sizeof buffer_[0], words, stdout) != words) {
            return false;
        }
        remaining_ -= words;
        used_ = 0;
        return remaining_ > 0;
    }

    explicit BitPacker(std::uint64_t words) : remaining_(words) {}

private:
    static constexpr std::size_t kBuffer = 4096;
    std::uint32_t buffer_[kBuffer] = {};
    std::size_t used_ = 0;
    std::uint64_t bits_ = 0;
    int count_ = 0;
    std::uint64_t remaining_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fputs("usage: quarrow_raw_values plain|product|chain|clock [WORDS]\n", stderr);
        return 2;
    }
    const std::string pattern = argv[1];
    const std::uint64_t words = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : UINT64_MAX;
    BitPacker out(words);
    quarrow::Generator generator;
    if (pattern == "plain") {
        while (out.Add(generator.NextValue())) {
        }
    } else if (pattern == "product") {
        for (std::int64_t serial = 1;; ++serial) {
            generator.ReseedWhole(serial);
            for (std::int64_t j = 1; j <= 28; ++j) {
                generator.ReseedWhole(j * serial);
                if (!out.Add(generator.NextValue())) {
                    return 0;
                }
            }
        }
    } else if (pattern == "chain") {
        quarrow::ValueChain chain(generator);
        while (out.Add(chain.ChurnAndDraw())) {
        }
    } else if (pattern == "clock") {
        constexpr double kReading = 43200.25;
        while (true) {
            generator.Reseed(kReading);
            if (!out.Add(generator.NextValue())) {
                break;
            }
        }
    } else {
        std::fprintf(stderr, "unknown pattern: %s\n", pattern.c_str());
        return 2;
    }
    return 0;
}
