#include "rle8_decoder.h"

#include <stdexcept>

namespace vexel::test {

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        throw std::runtime_error(what);
    }
}

// Walks the stream; `row` counts DIB rows, bottom row first.
class Rle8Walk {
public:
    Rle8Walk(std::span<const std::uint8_t> data, int width, int height)
        : data_(data), picture_{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height))} {}

    DecodedPicture Run() {
        while (!ended_) {
            const int count = Next();
            const int value = Next();
            if (count > 0) {
                for (int i = 0; i < count; ++i) {
                    Put(value);
                }
            } else {
                Escape(value);
            }
        }
        Require(next_ == data_.size(), "data after end-of-bitmap");
        Require(written_ == picture_.pixels.size(), "end-of-bitmap before the picture is complete");
        return picture_;
    }

private:
    int Next() {
        Require(next_ < data_.size(), "data ends without end-of-bitmap");
        return data_[next_++];
    }

    void Put(int value) {
        Require(row_ < picture_.height && column_ < picture_.width, "run past the end of a row");
        const int y = picture_.height - 1 - row_;
        picture_.pixels[static_cast<std::size_t>(y * picture_.width + column_)] = static_cast<std::uint8_t>(value);
        ++column_;
        ++written_;
    }

    void Escape(int code) {
        if (code == 0) {
            Require(column_ == picture_.width, "end-of-line before the row is complete");
            ++row_;
            column_ = 0;
        } else if (code == 1) {
            ended_ = true;
        } else {
            Require(code != 2, "delta skip in a key frame");
            Absolute(code);
        }
    }

    void Absolute(int count) {
        for (int i = 0; i < count; ++i) {
            Put(Next());
        }
        if (count % 2 != 0) {
            Next();
        }
    }

    std::span<const std::uint8_t> data_;
    DecodedPicture picture_;
    std::size_t next_ = 0;
    std::size_t written_ = 0;
    int row_ = 0;
    int column_ = 0;
    bool ended_ = false;
};

}  // namespace

DecodedPicture DecodeRle8(std::span<const std::uint8_t> data, int width, int height) {
    return Rle8Walk(data, width, height).Run();
}

}  // namespace vexel::test
