// Explaining failed searches: partial occurrences and the nearest line.
#include "FailureHint.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "CommonEnds.h"
#include "kestrune/ApplyStep.h"
#include "kestrune/DataFiles.h"

namespace kestrune::cli {
namespace {

constexpr size_t kShownSearchLines = 8;

// The lines of a buffer as an editor numbers them: split at LF, a CR before it dropped.
std::vector<std::string_view> FileLines(std::string_view content) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (;;) {
        size_t lf = content.find('\n', start);
        std::string_view line = content.substr(
            start, lf == std::string_view::npos ? std::string_view::npos : lf - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        if (lf == std::string_view::npos) {
            break;
        }
        start = lf + 1;
    }
    return lines;
}

// A mod's text: its lines are joined with CR LF.
std::vector<std::string_view> TextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (;;) {
        size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 2;
    }
    return lines;
}

std::string_view TrimBlanks(std::string_view s) {
    const char* blanks = " \t";
    size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// Shared start plus shared end (not overlapping the start), of the texts without end blanks.
size_t Likeness(std::string_view a, std::string_view b) {
    const CommonEnds ends = FindCommonEnds(TrimBlanks(a), TrimBlanks(b));
    return ends.head + ends.tail;
}

std::string Numbered(size_t number, std::string_view line) {
    return "  " + std::to_string(number) + "| " + std::string(line) + "\n";
}

size_t LineNumberAt(std::string_view content, size_t position) {
    return static_cast<size_t>(std::count(content.begin(), content.begin() + position, '\n')) + 1;
}

std::string DescribeSearch(int step, const std::string& file, std::string_view searched) {
    std::string out = "hint: step " + std::to_string(step) + " (" + file + ") looks for:\n";
    std::vector<std::string_view> lines = TextLines(searched);
    for (size_t i = 0; i < lines.size() && i < kShownSearchLines; ++i) {
        out += "  | " + std::string(lines[i]) + "\n";
    }
    if (lines.size() > kShownSearchLines) {
        out += "  | ... (" + std::to_string(lines.size() - kShownSearchLines) + " more lines)\n";
    }
    return out;
}

// Steps match lines ended by CR LF; a file with LF alone (LinebreakCheck off) matches none.
std::string LineEndNote(std::string_view content) {
    if (content.find('\n') != std::string_view::npos &&
        content.find("\r\n") == std::string_view::npos) {
        return "hint: the lines of this file end in LF alone, but steps match lines ended by CR "
               "LF; LinebreakCheck=on (the default) converts them while the mod is applied\n";
    }
    return {};
}

}  // namespace

std::string PartialLineHint(std::string_view content, std::string_view searched) {
    size_t position = content.find(searched);
    if (searched.empty() || position == std::string_view::npos) {
        return {};
    }
    size_t number = LineNumberAt(content, position);
    std::vector<std::string_view> lines = FileLines(content);
    return "hint: it occurs at line " + std::to_string(number) + ", but not as whole lines:\n" +
           Numbered(number, lines[number - 1]);
}

std::string NearestLineHint(std::string_view content, std::string_view searched) {
    const std::vector<std::string_view> fileLines = FileLines(content);
    const std::unordered_set<std::string_view> present(fileLines.begin(), fileLines.end());
    const std::vector<std::string_view> searchLines = TextLines(searched);

    auto missing = std::find_if(searchLines.begin(), searchLines.end(),
                                [&](std::string_view line) { return !present.count(line); });
    if (missing == searchLines.end()) {
        auto first = std::find(fileLines.begin(), fileLines.end(), searchLines.front());
        size_t number = static_cast<size_t>(first - fileLines.begin()) + 1;
        return "hint: every line of it is in the file, but not one after another; its first "
               "line is line " +
               std::to_string(number) + "\n";
    }
    const size_t which = static_cast<size_t>(missing - searchLines.begin()) + 1;
    const std::string_view wanted = *missing;

    const char* how = nullptr;
    size_t best = fileLines.size();
    for (size_t i = 0; i < fileLines.size() && best == fileLines.size(); ++i) {
        if (!TrimBlanks(wanted).empty() && TrimBlanks(fileLines[i]) == TrimBlanks(wanted)) {
            best = i;
            how = "which differs only in blanks at its ends";
        }
    }
    for (size_t i = 0; i < fileLines.size() && best == fileLines.size(); ++i) {
        if (EqualIgnoringCase(TrimBlanks(fileLines[i]), TrimBlanks(wanted))) {
            best = i;
            how = "which differs only in letter case or blanks at its ends";
        }
    }
    if (best == fileLines.size()) {
        size_t bestLikeness = 0;
        for (size_t i = 0; i < fileLines.size(); ++i) {
            size_t likeness = Likeness(wanted, fileLines[i]);
            if (likeness > bestLikeness) {
                bestLikeness = likeness;
                best = i;
            }
        }
        how = "the most similar one";
    }
    std::string out = "hint: its line " + std::to_string(which) + " is no line of the file";
    if (best == fileLines.size()) {
        return out + ", and no line of the file resembles it\n";
    }
    return out + "; the nearest is line " + std::to_string(best + 1) + ", " + how + ":\n" +
           Numbered(best + 1, fileLines[best]);
}

std::string ExplainFailures(const TMod& mod, bool install, const std::string& forumFolder,
                            bool linebreakCheck, int maxHints) {
    DataFileList buffers;
    if (LoadDataFiles(buffers, mod, forumFolder, linebreakCheck)) {
        return {};  // the run log already names the file that could not be read
    }
    std::string out;
    int explained = 0;
    int unexplained = 0;
    const int count = static_cast<int>(mod.Steps.size());
    for (int number = 1; number <= count; ++number) {
        const int code = ApplyStep(mod, number, install, forumFolder, buffers);
        if (code != 1 && code != 12) {
            continue;
        }
        if (explained == maxHints) {
            ++unexplained;
            continue;
        }
        ++explained;
        const TStep& step = mod.Steps[static_cast<size_t>(number - 1)];
        const std::string& searched = install ? step.SearchText : step.ActionText;
        const std::string& content =
            buffers[static_cast<size_t>(FindDataFile(step.FileToEdit, buffers))].Content;
        out += DescribeSearch(number, step.FileToEdit, searched);
        out += code == 12 ? PartialLineHint(content, searched) : NearestLineHint(content, searched);
        out += LineEndNote(content);
    }
    if (unexplained > 0) {
        out += "hint: " + std::to_string(unexplained) +
               " more steps failed the same way; is this mod meant for this forum version?\n";
    }
    FreeDataFiles(buffers);
    return out;
}

}  // namespace kestrune::cli
