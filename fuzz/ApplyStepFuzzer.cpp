// Fuzzes the whole-line splice and step application on random buffers: a step only ever
// replaces whole lines, a failed step leaves its buffer alone, and installing then
// uninstalling gives the text back wherever the action text can be found again unambiguously.
#include <fuzzer/FuzzedDataProvider.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "FuzzSupport.h"
#include "kestrune/ApplyStep.h"

namespace {

using fuzzsupport::Require;

constexpr std::string_view kCrLf = "\r\n";

std::string g_forumFolder;  // holds one writable file, "f.pl", for the read-only check

// Random bytes rarely hold CR LF; with `crlf` every LF the fuzzer makes becomes one.
std::string Text(std::string bytes, bool crlf) {
    if (!crlf) {
        return bytes;
    }
    std::string out;
    for (char c : bytes) {
        if (c == '\n') {
            out += kCrLf;
        } else {
            out += c;
        }
    }
    return out;
}

size_t CountOccurrences(std::string_view text, std::string_view part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// What FindWholeLines promises about a range it returns.
void CheckWholeLines(std::string_view text, std::string_view search,
                     const kestrune::SpliceRange& r) {
    Require(r.at <= text.size() && text.substr(r.at, search.size()) == search,
            "the range starts with the search text");
    Require(r.at == 0 || (r.at >= 2 && text.substr(r.at - 2, 2) == kCrLf),
            "the range starts a line");
    const size_t end = r.at + search.size();
    Require((end == text.size() && r.length == search.size()) ||
                (r.length == search.size() + 2 && text.substr(end, 2) == kCrLf),
            "the range ends the text or a line, with its line break");
}

// The whole-line search step by step, the plain way: the first occurrence; if it is not at
// the start, the first one after a line break; then, unless it ends the text, the first whole
// run of lines from there (the first line itself when a line break follows it there).
std::variant<kestrune::SpliceRange, int> PlainFindWholeLines(std::string_view t,
                                                             std::string_view s) {
    size_t p = t.find(s);
    if (p == std::string_view::npos) {
        return 1;
    }
    const std::string framed = std::string(kCrLf) + std::string(s) + std::string(kCrLf);
    const bool afterBreak = p != 0;
    if (afterBreak) {
        p = t.find(framed.substr(0, s.size() + 2));
        if (p == std::string_view::npos) {
            return 12;
        }
        p += 2;
    }
    const size_t following = t.size() - (p + s.size());
    if (following >= (afterBreak ? 4u : 2u)) {
        if (afterBreak || t.substr(s.size(), 2) != kCrLf) {
            p = t.find(framed);
            if (p == std::string_view::npos) {
                return 12;
            }
            p += 2;
        }
    } else if (following != 0 && t.substr(p + s.size(), 2) != kCrLf) {
        return 12;
    }
    return kestrune::SpliceRange{p, std::min(following, size_t{2}) + s.size()};
}

std::string Expected(const kestrune::TStep& step, bool install) {
    std::string insert;
    if (install) {
        if (step.Kind == 14) {
            insert.append(step.ActionText).append(kCrLf);
        } else if (step.Kind == 16) {
            insert.append(step.ActionText).append(kCrLf).append(step.SearchText).append(kCrLf);
        } else {
            insert.append(step.SearchText).append(kCrLf).append(step.ActionText).append(kCrLf);
        }
    } else if (step.Kind == 14) {
        insert.append(step.SearchText).append(kCrLf);
    }
    return insert;
}

// Applies the step to a one-buffer list holding `text`; checks the codes and the splice.
int Apply(const kestrune::TMod& mod, bool install, std::string& text) {
    const kestrune::TStep& step = mod.Steps.front();
    kestrune::DataFileList list{{"f.pl", 1, text}};
    const int code = kestrune::ApplyStep(mod, 1, install, g_forumFolder, list);
    const std::string& find = install ? step.SearchText : step.ActionText;
    if (step.SearchText.empty()) {
        Require(code == (install ? 10 : 11), "an empty search text is refused first");
    } else if (step.ActionText.empty()) {
        Require(code == (install ? 11 : 10), "an empty action text is refused");
    } else if (text.find(find) == std::string::npos) {
        Require(code == 1, "a text that is not there is code 1");
    } else {
        auto found = kestrune::FindWholeLines(text, find);
        if (const int* other = std::get_if<int>(&found)) {
            Require(*other == 12 && code == 12, "a text only inside lines is code 12");
        } else {
            const kestrune::SpliceRange range = std::get<kestrune::SpliceRange>(found);
            CheckWholeLines(text, find, range);
            Require(code == 0, "a whole-line text is applied");
            std::string want = text;
            want.replace(range.at, range.length, Expected(step, install));
            Require(list.front().Content == want, "the splice puts the insert in the range");
        }
    }
    if (code != 0) {
        Require(list.front().Content == text, "a failed step leaves the buffer as it was");
    }
    text = list.front().Content;
    return code;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/tmp/kestrune-fuzz-XXXXXX";
    const char* dir = ::mkdtemp(pattern);
    Require(dir != nullptr, "a temporary forum folder");
    g_forumFolder = std::string(dir) + "/";
    FILE* file = std::fopen((g_forumFolder + "f.pl").c_str(), "wb");
    Require(file != nullptr, "a forum file");
    std::fclose(file);
    std::atexit([] {
        std::remove((g_forumFolder + "f.pl").c_str());
        std::remove(g_forumFolder.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const bool crlf = in.ConsumeBool();
    const int32_t kinds[] = {14, 16, 18};
    kestrune::TMod mod;
    kestrune::TStep step;
    step.FileToEdit = "f.pl";
    step.Kind = kinds[in.ConsumeIntegralInRange<int>(0, 2)];
    step.SearchText = Text(in.ConsumeRandomLengthString(256), crlf);
    step.ActionText = Text(in.ConsumeRandomLengthString(256), crlf);
    mod.Steps.push_back(step);
    const std::string original = Text(in.ConsumeRemainingBytesAsString(), crlf);

    if (!step.SearchText.empty()) {
        auto spliced = kestrune::SpliceLines(original, step.SearchText, "<I>");
        auto found = kestrune::FindWholeLines(original, step.SearchText);
        auto plain = PlainFindWholeLines(original, step.SearchText);
        if (const auto* range = std::get_if<kestrune::SpliceRange>(&found)) {
            CheckWholeLines(original, step.SearchText, *range);
            Require(std::holds_alternative<std::string>(spliced), "SpliceLines agrees");
            const auto* want = std::get_if<kestrune::SpliceRange>(&plain);
            Require(want != nullptr && want->at == range->at && want->length == range->length,
                    "the range is the plain search's");
        } else {
            Require(std::get<int>(spliced) == std::get<int>(found), "SpliceLines agrees");
            Require(
                std::holds_alternative<int>(plain) && std::get<int>(plain) == std::get<int>(found),
                "the code is the plain search's");
        }
    }

    std::string text = original;
    if (Apply(mod, true, text) != 0) {
        return 0;
    }
    // The search text stood at `at`; the action text now stands once at the start of a line,
    // followed by the CR LF the install put after it. When it occurs nowhere else in the new
    // text, uninstalling must find exactly that occurrence and restore the search lines. A
    // search text that ended the file had no line break, and gets one back.
    const auto range =
        std::get<kestrune::SpliceRange>(kestrune::FindWholeLines(original, step.SearchText));
    const bool searchEndedText = range.length == step.SearchText.size();
    if (CountOccurrences(text, step.ActionText) != 1) {
        return 0;
    }
    Require(Apply(mod, false, text) == 0, "an unambiguous action text is uninstalled");
    Require(text == (searchEndedText ? original + std::string(kCrLf) : original),
            "install then uninstall gives the text back");
    return 0;
}
