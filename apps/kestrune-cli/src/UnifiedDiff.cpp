// Unified diffs: the edit script comes from dtl (Wu, Manber and Myers' O(NP) algorithm) on the
// lines between the common head and tail; the hunks and their headers are built here.
#include "UnifiedDiff.h"

#include <algorithm>
#include <cstdio>
#include <dtl/dtl.hpp>
#include <vector>

#include "CommonEnds.h"

namespace kestrune::cli {
namespace {

using Lines = std::vector<std::string_view>;

enum class Op : char { Same, Delete, Add };

// Each line with its LF; the last may have none.
Lines SplitKeepingEnds(std::string_view text) {
    Lines lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t lf = text.find('\n', start);
        size_t end = lf == std::string_view::npos ? text.size() : lf + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

// The edit script from a to b: one op per line of the two, deletions before additions within
// each run of changes, as diff(1) writes them.
std::vector<Op> EditScript(const Lines& a, const Lines& b) {
    const auto [head, tail] = FindCommonEnds(a, b);

    std::vector<Op> ops(head, Op::Same);
    Lines midA(a.begin() + static_cast<long>(head), a.end() - static_cast<long>(tail));
    Lines midB(b.begin() + static_cast<long>(head), b.end() - static_cast<long>(tail));
    if (midA.empty() || midB.empty()) {
        ops.insert(ops.end(), midA.size(), Op::Delete);
        ops.insert(ops.end(), midB.size(), Op::Add);
    } else {
        dtl::Diff<std::string_view, Lines> diff(midA, midB);
        diff.compose();
        size_t deletes = 0;
        size_t adds = 0;
        auto flush = [&] {
            ops.insert(ops.end(), deletes, Op::Delete);
            ops.insert(ops.end(), adds, Op::Add);
            deletes = adds = 0;
        };
        for (const auto& element : diff.getSes().getSequence()) {
            switch (element.second.type) {
                case dtl::SES_DELETE:
                    ++deletes;
                    break;
                case dtl::SES_ADD:
                    ++adds;
                    break;
                default:
                    flush();
                    ops.push_back(Op::Same);
            }
        }
        flush();
    }
    ops.insert(ops.end(), tail, Op::Same);
    return ops;
}

bool NeedsQuoting(std::string_view path) {
    return std::any_of(path.begin(), path.end(), [](char c) {
        return c == ' ' || c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20 ||
               c == 0x7f;
    });
}

// "a/" + path, C-quoted when a blank or a special character would cut the name short.
std::string HeaderName(std::string_view side, std::string_view path) {
    std::string name = std::string(side) + std::string(path);
    if (!NeedsQuoting(path)) {
        return name;
    }
    std::string quoted = "\"";
    for (char c : name) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\t':
                quoted += "\\t";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                    char octal[8];
                    std::snprintf(octal, sizeof octal, "\\%03o",
                                  static_cast<unsigned>(static_cast<unsigned char>(c)));
                    quoted += octal;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

// A hunk range: "start,count" with start counted from 1; a single line is just its number,
// and an empty range names the line after which it stands (0 at the top).
std::string Range(size_t linesBefore, size_t count) {
    if (count == 0) {
        return std::to_string(linesBefore) + ",0";
    }
    if (count == 1) {
        return std::to_string(linesBefore + 1);
    }
    return std::to_string(linesBefore + 1) + "," + std::to_string(count);
}

void AppendLine(std::string& out, char mark, std::string_view line) {
    out += mark;
    out += line;
    if (line.empty() || line.back() != '\n') {
        out += "\n\\ No newline at end of file\n";
    }
}

}  // namespace

std::string UnifiedDiff(std::string_view path, std::string_view before, std::string_view after,
                        int context) {
    if (before == after) {
        return {};
    }
    const Lines a = SplitKeepingEnds(before);
    const Lines b = SplitKeepingEnds(after);
    const std::vector<Op> ops = EditScript(a, b);
    const size_t n = ops.size();
    const size_t ctx = static_cast<size_t>(std::max(context, 0));

    // Lines of a and b before each op.
    std::vector<size_t> aAt(n + 1, 0);
    std::vector<size_t> bAt(n + 1, 0);
    for (size_t i = 0; i < n; ++i) {
        aAt[i + 1] = aAt[i] + (ops[i] != Op::Add ? 1 : 0);
        bAt[i + 1] = bAt[i] + (ops[i] != Op::Delete ? 1 : 0);
    }

    std::string out = "--- " + HeaderName("a/", path) + "\n+++ " + HeaderName("b/", path) + "\n";
    size_t i = 0;
    while (i < n) {
        while (i < n && ops[i] == Op::Same) {
            ++i;
        }
        if (i == n) {
            break;
        }
        // A hunk: from `context` lines before its first change to `context` lines after its
        // last; changes fewer than 2 * context + 1 unchanged lines apart share one hunk.
        const size_t start = i >= ctx ? i - ctx : 0;
        size_t lastChange = i;
        size_t j = i;
        for (;;) {
            while (j < n && ops[j] != Op::Same) {
                ++j;
            }
            lastChange = j;  // one past the last change so far
            size_t next = j;
            while (next < n && ops[next] == Op::Same) {
                ++next;
            }
            if (next == n || next - j > 2 * ctx) {
                break;
            }
            j = next;
        }
        const size_t end = std::min(n, lastChange + ctx);

        out += "@@ -" + Range(aAt[start], aAt[end] - aAt[start]) + " +" +
               Range(bAt[start], bAt[end] - bAt[start]) + " @@\n";
        for (size_t k = start; k < end; ++k) {
            switch (ops[k]) {
                case Op::Same:
                    AppendLine(out, ' ', a[aAt[k]]);
                    break;
                case Op::Delete:
                    AppendLine(out, '-', a[aAt[k]]);
                    break;
                case Op::Add:
                    AppendLine(out, '+', b[bAt[k]]);
                    break;
            }
        }
        i = end;
    }
    return out;
}

}  // namespace kestrune::cli
