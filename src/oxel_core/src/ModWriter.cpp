// The editor's .mod writer and the two ways of saving.
#include "oxel/ModWriter.h"

#include <array>

#include "modcommon/ModTags.h"
#include "modcommon/SafeWrite.h"

namespace oxel {
namespace {

constexpr std::string_view kCrLf = "\r\n";

void AppendLine(std::string& out, std::string_view text) {
    out += text;
    out += kCrLf;
}

std::string_view Tag(int index) {
    return modcommon::ModTags[static_cast<size_t>(index)];
}

std::optional<FileError> WriteDocument(const Document& doc, const std::string& path,
                                       modcommon::FileSystem& fs) {
    if (auto failure = modcommon::WriteFileAtomically(path, AssembleMod(doc), fs)) {
        return FileError{failure->path, failure->reason};
    }
    return std::nullopt;
}

}  // namespace

std::string AssembleMod(const Document& doc) {
    constexpr std::array<Property, kPropertyCount> kOrder = {Property::Id, Property::Version,
                                                             Property::Description,
                                                             Property::Author, Property::Homepage};
    const std::vector<ActionNode*> nodes = doc.Tree().PreOrder();

    size_t size = 256;
    for (Property p : kOrder) {
        size += doc.Value(p).size();
    }
    for (const ActionNode* node : nodes) {
        const TItem& item = node->Item();
        size += 96 + item.FileToEdit.size() + item.SearchText.size() + item.ActionText.size();
    }
    std::string out;
    out.reserve(size);

    for (size_t i = 0; i < kOrder.size(); ++i) {
        AppendLine(out, Tag(static_cast<int>(2 * i)));
        AppendLine(out, doc.Value(kOrder[i]));
        AppendLine(out, Tag(static_cast<int>(2 * i + 1)));
        AppendLine(out, "");
    }
    for (size_t i = 0; i < nodes.size(); ++i) {
        const TItem& item = nodes[i]->Item();
        const KindInfo& kind = KindTable(item.Kind);
        if (item.Kind == kKindEditFile) {
            AppendLine(out, Tag(kind.openTag));
            AppendLine(out, item.FileToEdit);
            AppendLine(out, Tag(kind.closeTag));
            AppendLine(out, "");
            continue;
        }
        AppendLine(out, Tag(modcommon::kTagSearchFor));
        AppendLine(out, item.SearchText);
        AppendLine(out, Tag(modcommon::kTagSearchFor + 1));
        AppendLine(out, "");
        AppendLine(out, Tag(kind.openTag));
        AppendLine(out, item.ActionText);
        if (i + 1 < nodes.size()) {
            AppendLine(out, Tag(kind.closeTag));
            AppendLine(out, "");
        } else {
            out += Tag(kind.closeTag);
        }
    }
    return out;
}

std::optional<FileError> Save(Document& doc, modcommon::FileSystem& fs) {
    if (doc.CurrentFile().empty()) {
        return FileError{"", "the document has no file name yet"};
    }
    if (auto error = WriteDocument(doc, doc.CurrentFile(), fs)) {
        return error;
    }
    doc.SetModified(false);
    return std::nullopt;
}

std::optional<FileError> SaveAs(Document& doc, const std::string& path, modcommon::FileSystem& fs) {
    if (auto error = WriteDocument(doc, path, fs)) {
        return error;
    }
    doc.SetCurrentFile(path);
    doc.SetCaption(path + " - " + std::string(kProgramTitle));
    doc.SetModified(false);
    return std::nullopt;
}

}  // namespace oxel
