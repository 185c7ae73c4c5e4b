// The .mod parser: tags, blocks, values and steps, read in time linear in the file.
#include "kestrune/ModParser.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "ModLines.h"
#include "kestrune/ErrorMessages.h"
#include "modcommon/ModTags.h"

namespace kestrune {
namespace {

using modlines::LineSpan;

constexpr std::string_view kCrLf = "\r\n";
constexpr size_t kNone = static_cast<size_t>(-1);

constexpr int kBlockId = 0;
constexpr int kBlockVersion = 1;
constexpr int kBlockModInfo = 2;
constexpr int kBlockAuthor = 3;
constexpr int kBlockHomepage = 4;
constexpr int kBlockEditFile = 5;
constexpr int kBlockSearch = 6;

constexpr std::string_view kTextLimitMessage =
    "This mod file repeats its own tags so often that its text would grow far beyond the "
    "size of the file.\r\nIt was read only up to that point and is incomplete.";

std::string_view OpeningTag(int g) {
    return modcommon::ModTags[static_cast<size_t>(2 * g)];
}
std::string_view ClosingTag(int g) {
    return modcommon::ModTags[static_cast<size_t>(2 * g + 1)];
}

// Every line is examined for every tag, content lines included, so blocks of one tag may
// start inside each other; they then all end at the same closing line. One cursor per tag
// remembers the closing line found last and only ever moves forward, which keeps the search
// for closing lines linear however the blocks overlap.
struct ClosingCursor {
    bool found = false;
    size_t foundIndex = 0;
    LineSpan closing;
    // The line before the closing line, or the file's last line when there is none; the last
    // content line of a block whose opening line is not directly before the closing line.
    LineSpan lastContent;
    bool exhausted = false;  // no closing line after the last opening that asked
};

class Parser {
  public:
    Parser(TMod& mod, std::string_view text, const std::string& scriptPath, const MessageBoxFn& box,
           ParseReport& report)
        : m_mod(mod),
          m_text(text),
          m_scriptPath(scriptPath),
          m_box(box),
          m_report(report),
          m_budget(2 * text.size() + kParseTextSlack) {
        m_valueSource.fill(kNone);
    }

    void Run() {
        size_t index = 0;
        for (size_t pos = 0; pos < m_text.size() && !m_report.stopped; ++index) {
            LineSpan line = modlines::LineAt(m_text, pos);
            VisitLine(index, line);
            pos = line.next;
        }
    }

  private:
    std::string_view Text(const LineSpan& line) const {
        return m_text.substr(line.begin, line.end - line.begin);
    }

    void VisitLine(size_t index, const LineSpan& line) {
        std::string_view text = Text(line);
        uint16_t tags = modlines::OpeningTagsIn(text);
        for (int g = 0; g < 10 && tags != 0 && !m_report.stopped; ++g) {
            if ((tags & (1u << g)) == 0) {
                continue;
            }
            if (text.size() > OpeningTag(g).size()) {
                SingleLine(g, text);
            } else {
                Block(g, index, line);
            }
        }
    }

    // A tag with more on its line: content between the tag's length and the closing tag.
    void SingleLine(int g, std::string_view text) {
        if (g < kBlockSearch) {
            Fault(15, {});
            return;
        }
        size_t open = OpeningTag(g).size();
        size_t close = modlines::FindTag(text, ClosingTag(g));
        std::string_view content;
        if (close != std::string_view::npos) {
            content = close > open ? text.substr(open, close - open) : std::string_view();
        } else if (g > kBlockSearch) {
            content = text.substr(open);
        }
        if (g == kBlockSearch) {
            m_search.append(content);
        } else {
            m_action.append(content);
            MakeStep(g);
        }
    }

    void Block(int g, size_t index, const LineSpan& line) {
        if (line.next >= m_text.size()) {
            return;  // the file's last line opens nothing
        }
        const ClosingCursor& cursor = FindClosing(g, index, line.next);
        size_t contentEnd = cursor.found ? cursor.closing.begin : m_text.size();
        if (g == kBlockModInfo || g >= kBlockSearch) {
            std::string& target =
                g == kBlockModInfo ? m_mod.ModInfo : (g == kBlockSearch ? m_search : m_action);
            if (!Collect(g == kBlockModInfo, target, line.next, contentEnd)) {
                return;
            }
        } else if (line.next < contentEnd) {
            // Each content line replaces the value before it: only the last one counts.
            SetValue(g, cursor.lastContent);
        }
        if (!cursor.found) {
            Fault(9, {std::string(ClosingTag(g))});
        } else if (g > kBlockSearch) {
            MakeStep(g);
        }
    }

    const ClosingCursor& FindClosing(int g, size_t opening, size_t from) {
        ClosingCursor& c = m_cursors[static_cast<size_t>(g)];
        if ((c.found && c.foundIndex > opening) || c.exhausted) {
            return c;
        }
        // Every line before `from` has been looked at by an earlier search, or lies before
        // the opening line.
        c.found = false;
        size_t index = opening + 1;
        for (size_t pos = from; pos < m_text.size(); ++index) {
            LineSpan line = modlines::LineAt(m_text, pos);
            if (modlines::FindTag(Text(line), ClosingTag(g)) != std::string_view::npos) {
                c.found = true;
                c.foundIndex = index;
                c.closing = line;
                return c;
            }
            c.lastContent = line;
            pos = line.next;
        }
        c.exhausted = true;
        return c;
    }

    // Appends the lines of [begin, end) to `target` joined with CR LF, after a CR LF when text
    // is already there. The description drops empty lines while it is still empty.
    bool Collect(bool description, std::string& target, size_t begin, size_t end) {
        bool first = true;
        for (size_t pos = begin; pos < end;) {
            LineSpan line = modlines::LineAt(m_text, pos);
            std::string_view text = Text(line);
            pos = line.next;
            bool separator = description ? !target.empty() : (!target.empty() || !first);
            first = false;
            if (description && target.empty() && text.empty()) {
                continue;
            }
            if (!Spend((separator ? kCrLf.size() : 0) + text.size())) {
                return false;
            }
            if (separator) {
                target.append(kCrLf);
            }
            target.append(text);
        }
        return true;
    }

    void SetValue(int g, const LineSpan& source) {
        // Blocks that open inside each other end at the same line and would set the same
        // value again; skipping that keeps long values from being copied over and over.
        if (m_valueSource[static_cast<size_t>(g)] == source.begin) {
            return;
        }
        m_valueSource[static_cast<size_t>(g)] = source.begin;
        std::string_view text = Text(source);
        switch (g) {
            case kBlockId:
                m_mod.Id.assign(text);
                break;
            case kBlockVersion:
                m_mod.Version.assign(text);
                break;
            case kBlockAuthor:
                m_mod.Author.assign(text);
                break;
            case kBlockHomepage:
                m_mod.Homepage.assign(text);
                break;
            case kBlockEditFile:
                m_file = AdaptFileName(text, m_scriptPath);
                break;
            default:
                break;
        }
    }

    void MakeStep(int g) {
        if (!Spend(m_file.size())) {
            return;
        }
        m_mod.Steps.push_back(TStep{m_file, std::move(m_search), 2 * g, std::move(m_action)});
        m_search.clear();
        m_action.clear();
    }

    bool Spend(size_t bytes) {
        if (bytes <= m_budget) {
            m_budget -= bytes;
            return true;
        }
        m_report.textLimitReached = true;
        m_report.stopped = true;
        m_box(BoxRequest{modcommon::BoxKind::Error, modcommon::BoxButtons::Ok, "Error",
                         std::string(kTextLimitMessage)});
        return false;
    }

    void Fault(int code, const std::vector<std::string>& args) {
        if (m_report.faultCode == 0) {
            m_report.faultCode = code;
        }
        BoxAnswer answer = m_box(BoxRequest{modcommon::BoxKind::Error, modcommon::BoxButtons::Ok,
                                            "Error", ErrorBoxText(code, args)});
        if (answer == BoxAnswer::Ok) {
            m_report.stopped = true;
        }
    }

    TMod& m_mod;
    std::string_view m_text;
    const std::string& m_scriptPath;
    const MessageBoxFn& m_box;
    ParseReport& m_report;
    size_t m_budget;

    std::string m_search;
    std::string m_action;
    std::string m_file;
    std::array<ClosingCursor, 10> m_cursors;
    std::array<size_t, 10> m_valueSource{};  // line a value was last taken from
};

ParseReport Parse(TMod& mod, const std::string* text, const std::string& modPath,
                  const std::string& scriptPath, const MessageBoxFn& box) {
    ParseReport report;
    mod.Steps.clear();
    std::string_view bytes;
    if (text == nullptr) {
        report.faultCode = 8;
        if (box(BoxRequest{modcommon::BoxKind::Error, modcommon::BoxButtons::Ok, "Error",
                           ErrorBoxText(8, {modPath})}) == BoxAnswer::Ok) {
            report.stopped = true;
            return report;
        }
    } else {
        bytes = *text;
        bytes = bytes.substr(0, bytes.find('\0'));  // the text ends at the first NUL byte
    }
    mod.FileName = FileNamePart(modPath);
    Parser(mod, bytes, scriptPath, box, report).Run();
    return report;
}

}  // namespace

ParseReport ParseModFile(TMod& mod, const std::string& modPath, const std::string& scriptPath,
                         const MessageBoxFn& box) {
    // Only a regular file is read: a folder, a pipe or a device is "no mod file" (a pipe
    // would block the program for good). A file that can't be read counts as missing too.
    std::error_code ec;
    std::string text;
    bool readable = false;
    if (std::filesystem::is_regular_file(modPath, ec)) {
        std::ifstream in(modPath, std::ios::binary | std::ios::ate);
        std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
        if (size >= 0) {
            text.resize(static_cast<size_t>(size));
            in.seekg(0);
            in.read(text.data(), size);
            readable = in.gcount() == size;
        }
    }
    return Parse(mod, readable ? &text : nullptr, modPath, scriptPath, box);
}

ParseReport ParseModText(TMod& mod, const std::string& text, const std::string& modPath,
                         const std::string& scriptPath, const MessageBoxFn& box) {
    return Parse(mod, &text, modPath, scriptPath, box);
}

}  // namespace kestrune
