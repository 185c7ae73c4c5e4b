// The editor's .mod reader: overlapping blocks, pending texts across blocks, linear scanning.
#include "oxel/ModReader.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "modcommon/ModTags.h"

namespace oxel {
namespace {

constexpr int kBlockCount = 10;
enum Block { kId, kVersion, kModInfo, kAuthor, kHomepage, kEditFile, kSearchFor, kReplace };

// One line of the text: [start, end) without its line break; `next` is where the next
// line starts. CR LF, lone LF and lone CR end a line; a break at the very end starts no line.
struct LineSpan {
    size_t start;
    size_t end;
    size_t next;
};

void AppendJoined(std::string& text, std::string_view line) {
    if (!text.empty()) {
        text += "\r\n";
    }
    text += line;
}

// Counts the bytes the read stores (and so the lines it walks), so that adversarial overlapping
// blocks (every line an opening tag, one closing tag at the end) fail cleanly instead of exhausting
// memory.
class Budget {
  public:
    explicit Budget(size_t textSize) : m_left(size_t{16} << 20) {
        m_left += textSize <= (SIZE_MAX >> 5) ? textSize * 16 : SIZE_MAX >> 1;
    }
    bool Charge(size_t bytes) {
        if (bytes > m_left) {
            return false;
        }
        m_left -= bytes;
        return true;
    }

  private:
    size_t m_left;
};

class Reader {
  public:
    Reader(Document& doc, std::string_view text, const modcommon::MessageBoxFn& box)
        : m_doc(doc), m_box(box), m_budget(text.size()) {
        m_text = text.substr(0, text.find('\0'));
        m_lower = modcommon::AsciiLower(m_text);
        for (int p = 0; p < kPropertyCount; ++p) {
            m_values[static_cast<size_t>(p)] = doc.Value(static_cast<Property>(p));
        }
    }

    ReadStatus Run() {
        const ReadStatus status = Scan();
        for (int p = 0; p < kPropertyCount; ++p) {
            m_doc.SetValue(static_cast<Property>(p), std::move(m_values[static_cast<size_t>(p)]));
        }
        // Shown over the document as far as it was read.
        if (status == ReadStatus::MissingClosingTag) {
            ErrorNotFound(m_missingTag);
        }
        return status;
    }

  private:
    // Where the next line holding a block kind's closing tag starts. Queries come in file
    // order, so the cursor only moves forward: every line is tested at most once per kind,
    // however many blocks overlap.
    struct Cursor {
        bool started = false;
        size_t at = 0;    // start of the closing-tag line, or the text's size when none
        size_t prev = 0;  // start of the line before it
    };

    size_t Size() const { return m_text.size(); }

    LineSpan LineFrom(size_t start) const {
        size_t end = m_text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = Size();
        }
        size_t next = end;
        if (next < Size()) {
            next += (m_text[next] == '\r' && next + 1 < Size() && m_text[next + 1] == '\n') ? 2 : 1;
        }
        return {start, end, next};
    }

    std::string_view Text(const LineSpan& line) const {
        return m_text.substr(line.start, line.end - line.start);
    }
    bool Has(const LineSpan& line, std::string_view tag) const {
        return std::string_view(m_lower).substr(line.start, line.end - line.start).find(tag) !=
               std::string_view::npos;
    }
    static std::string_view OpeningTag(int b) {
        return modcommon::ModTags[static_cast<size_t>(2 * b)];
    }
    static std::string_view ClosingTag(int b) {
        return modcommon::ModTags[static_cast<size_t>(2 * b + 1)];
    }

    // The first line at or after `from` holding b's closing tag; `lineBefore` starts the line
    // before `from`.
    const Cursor& FindClose(int b, size_t from, size_t lineBefore) {
        Cursor& c = m_cursors[static_cast<size_t>(b)];
        if (c.started && c.at >= from) {
            return c;
        }
        c.started = true;
        c.at = from;
        c.prev = lineBefore;
        while (c.at < Size()) {
            const LineSpan line = LineFrom(c.at);
            if (Has(line, ClosingTag(b))) {
                break;
            }
            c.prev = c.at;
            c.at = line.next;
        }
        return c;
    }

    ReadStatus Scan() {
        for (size_t pos = 0; pos < Size();) {
            const LineSpan line = LineFrom(pos);
            const bool lastLine = line.next >= Size();
            for (int b = 0; b < kBlockCount && !lastLine; ++b) {
                if (!Has(line, OpeningTag(b))) {
                    continue;
                }
                const Cursor& close = FindClose(b, line.next, line.start);
                if (!AddContent(b, line.next, close)) {
                    return ReadStatus::TooMuchOverlap;
                }
                if (close.at >= Size()) {
                    m_missingTag = 2 * b + 1;
                    return ReadStatus::MissingClosingTag;
                }
                if (!Finish(b)) {
                    return ReadStatus::TooMuchOverlap;
                }
            }
            pos = line.next;
        }
        return ReadStatus::Complete;
    }

    // The lines from `first` up to the closing-tag line are the content of block b.
    bool AddContent(int b, size_t first, const Cursor& close) {
        if (b == kEditFile) {
            // Each line replaces the one before: only the last one matters.
            if (close.at > first) {
                const LineSpan last = LineFrom(close.prev);
                if (!m_budget.Charge(last.end - last.start)) {
                    return false;
                }
                m_pendingFile = Text(last);
            }
            return true;
        }
        std::string* target = nullptr;
        bool joined = true;
        if (b < kEditFile) {
            target = &m_values[static_cast<size_t>(b)];
            joined = b == kModInfo;
        } else {
            target = b == kSearchFor ? &m_pendingSearch : &m_pendingAction;
        }
        for (size_t pos = first; pos < close.at;) {
            const LineSpan line = LineFrom(pos);
            if (!m_budget.Charge(line.next - line.start + 2)) {
                return false;
            }
            if (joined) {
                AppendJoined(*target, Text(line));
            } else {
                *target += Text(line);
            }
            pos = line.next;
        }
        return true;
    }

    bool Finish(int b) {
        ActionTree& tree = m_doc.Tree();
        if (b == kEditFile) {
            std::string caption = ReaderFileCaption(m_pendingFile);
            if (!m_budget.Charge(caption.size())) {
                return false;
            }
            ActionNode* node =
                tree.Append(tree.Root(), FileItem(std::move(m_pendingFile)), std::move(caption));
            m_pendingFile.clear();
            m_doc.Select(node);
        } else if (b >= kReplace) {
            const int32_t kind = b - kReplace + kKindReplace;
            ActionNode* parent = m_doc.Selected();
            if (parent == nullptr) {
                parent = tree.Root();
            } else if (parent->Level() > 0) {
                parent = parent->Parent();
            }
            tree.Append(parent,
                        ActionItem(kind, std::move(m_pendingSearch), std::move(m_pendingAction)),
                        std::string(KindTable(kind).caption));
            m_pendingSearch.clear();
            m_pendingAction.clear();
        }
        return true;
    }

    void ErrorNotFound(int closingTagIndex) {
        if (!m_box) {
            return;
        }
        modcommon::BoxRequest request;
        request.kind = modcommon::BoxKind::Plain;
        request.buttons = modcommon::BoxButtons::Ok;
        request.caption = std::string(kProgramTitle);
        request.text =
            std::string(modcommon::ModTags[static_cast<size_t>(closingTagIndex)]) + "not found!";
        m_box(request);
    }

    Document& m_doc;
    const modcommon::MessageBoxFn& m_box;
    Budget m_budget;
    std::string_view m_text;
    std::string m_lower;
    std::array<Cursor, kBlockCount> m_cursors;
    std::array<std::string, kPropertyCount> m_values;
    std::string m_pendingFile;
    std::string m_pendingSearch;
    std::string m_pendingAction;
    int m_missingTag = 0;  // index in ModTags of the closing tag not found
};

}  // namespace

ReadStatus ReadModText(Document& doc, std::string_view text, const modcommon::MessageBoxFn& box) {
    const bool wasLoading = doc.Loading();
    doc.SetLoading(true);
    const ReadStatus status = Reader(doc, text, box).Run();
    doc.SetLoading(wasLoading);
    return status;
}

OpenResult OpenFile(Document& doc, RecentFiles& recent, const modcommon::MessageBoxFn& box) {
    auto read = ReadWholeFile(doc.CurrentFile());
    if (auto* error = std::get_if<FileError>(&read)) {
        return {OpenStatus::Unreadable, std::move(*error)};
    }
    doc.SetLoading(true);
    const ReadStatus status = ReadModText(doc, std::get<std::string>(read), box);
    doc.SetLoading(false);
    switch (status) {
        case ReadStatus::Complete:
            doc.UpdateCaption();
            doc.SetModified(false);
            recent.AddMRU(doc.CurrentFile());
            return {OpenStatus::Loaded, {}};
        case ReadStatus::MissingClosingTag:
            doc.SetModified(true);
            return {OpenStatus::Incomplete, {}};
        case ReadStatus::TooMuchOverlap:
            break;
    }
    doc.SetModified(true);
    return {OpenStatus::TooMuchOverlap,
            {doc.CurrentFile(), "its blocks overlap too much to be read"}};
}

}  // namespace oxel
