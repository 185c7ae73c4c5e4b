// How far two sequences agree from their start and, past that, from their end.
#pragma once

#include <cstddef>

namespace kestrune::cli {

struct CommonEnds {
    size_t head = 0;  // elements equal from the start
    size_t tail = 0;  // elements equal from the end, not overlapping the head in either
};

// Works on any two random-access sequences of comparable elements (texts, lists of lines).
template <typename Sequence>
CommonEnds FindCommonEnds(const Sequence& a, const Sequence& b) {
    CommonEnds ends;
    while (ends.head < a.size() && ends.head < b.size() && a[ends.head] == b[ends.head]) {
        ++ends.head;
    }
    while (ends.tail < a.size() - ends.head && ends.tail < b.size() - ends.head &&
           a[a.size() - 1 - ends.tail] == b[b.size() - 1 - ends.tail]) {
        ++ends.tail;
    }
    return ends;
}

}  // namespace kestrune::cli
