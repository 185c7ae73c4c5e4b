// The parser written the plain way, line by line with a forward scan for every block, as a
// yardstick for the real one (which must give the same mod in linear time). Small inputs only:
// it is quadratic.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "kestrune/ErrorMessages.h"
#include "kestrune/ModParser.h"
#include "modcommon/ModTags.h"

namespace enginetest {

inline std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t brk = text.find_first_of("\r\n", pos);
        if (brk == std::string_view::npos) {
            lines.emplace_back(text.substr(pos));
            break;
        }
        lines.emplace_back(text.substr(pos, brk - pos));
        pos = brk + 1;
        if (text[brk] == '\r' && pos < text.size() && text[pos] == '\n') {
            ++pos;
        }
    }
    return lines;
}

inline kestrune::ParseReport ReferenceParse(kestrune::TMod& mod, std::string text,
                                            const std::string& modPath,
                                            const std::string& scriptPath,
                                            const modcommon::MessageBoxFn& box) {
    using modcommon::ModTags;
    kestrune::ParseReport report;
    auto fault = [&](int code, const std::vector<std::string>& args) {
        if (report.faultCode == 0) {
            report.faultCode = code;
        }
        modcommon::BoxRequest request{modcommon::BoxKind::Error, modcommon::BoxButtons::Ok, "Error",
                                      kestrune::ErrorBoxText(code, args)};
        report.stopped = box(request) == modcommon::BoxAnswer::Ok;
        return report.stopped;
    };
    mod.Steps.clear();
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines = SplitLines(text);
    mod.FileName = kestrune::FileNamePart(modPath);
    std::string search, action, file;
    auto makeStep = [&](int g) {
        mod.Steps.push_back({file, search, 2 * g, action});
        search.clear();
        action.clear();
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string lower = modcommon::AsciiLower(lines[i]);
        for (int g = 0; g < 10; ++g) {
            std::string t(ModTags[2 * g]);
            std::string c(ModTags[2 * g + 1]);
            if (lower.find(t) == std::string::npos) {
                continue;
            }
            if (lines[i].size() > t.size()) {
                if (g >= 6) {
                    size_t p = lower.find(c);
                    std::string content;
                    if (p != std::string::npos) {
                        content = p > t.size() ? lines[i].substr(t.size(), p - t.size()) : "";
                    } else if (g > 6) {
                        content = lines[i].substr(t.size());
                    }
                    if (g == 6) {
                        search += content;
                    } else {
                        action += content;
                        makeStep(g);
                    }
                } else if (fault(15, {})) {
                    return report;
                }
                continue;
            }
            if (i + 1 == lines.size()) {
                continue;
            }
            for (size_t j = i + 1; j < lines.size(); ++j) {
                if (modcommon::AsciiLower(lines[j]).find(c) != std::string::npos) {
                    if (g >= 7) {
                        makeStep(g);
                    }
                    break;
                }
                const std::string& line = lines[j];
                std::string* pending = g == 6 ? &search : &action;
                switch (g) {
                    case 0:
                        mod.Id = line;
                        break;
                    case 1:
                        mod.Version = line;
                        break;
                    case 2:
                        if (!mod.ModInfo.empty()) {
                            mod.ModInfo += "\r\n";
                        }
                        mod.ModInfo += line;
                        break;
                    case 3:
                        mod.Author = line;
                        break;
                    case 4:
                        mod.Homepage = line;
                        break;
                    case 5:
                        file = kestrune::AdaptFileName(line, scriptPath);
                        break;
                    default:
                        if (!pending->empty() || lines[j - 1].empty()) {
                            *pending += "\r\n";
                        }
                        *pending += line;
                        break;
                }
                if (j + 1 == lines.size() && fault(9, {c})) {
                    return report;
                }
            }
        }
    }
    return report;
}

}  // namespace enginetest
