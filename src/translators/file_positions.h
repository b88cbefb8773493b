// Line and column of a byte offset in a file, as an editor shows them: lines
// end at a line feed, columns count characters (UTF-8 sequences) from 1, and
// a byte that is not part of a valid sequence is a character of its own.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "translators/strings_check.h"
#include "translators/utf8_sequence.h"

namespace kvr::translators {

class FilePositions {
public:
    explicit FilePositions(const std::string& bytes) : bytes_(bytes) {
        lineStarts_.push_back(0);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                lineStarts_.push_back(i + 1);
            }
        }
    }

    Position at(std::size_t offset) const {
        const auto next = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
        const std::size_t start = *(next - 1);
        int column = 1;
        for (std::size_t i = start; i < offset && i < bytes_.size(); ++column) {
            const std::size_t n = utf8SequenceLength(bytes_, i);
            i += n != 0 ? n : 1;
        }
        return {static_cast<int>(next - lineStarts_.begin()), column};
    }

private:
    const std::string& bytes_;
    std::vector<std::size_t> lineStarts_;
};

}  // namespace kvr::translators
