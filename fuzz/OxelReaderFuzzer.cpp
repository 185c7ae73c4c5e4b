// Fuzzes the editor's .mod reader: any bytes read without a crash or a hang into a tree of at
// most two levels, and a document read in full writes a file that reads back to the same
// document wherever the format can carry its texts.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "modcommon/ModTags.h"
#include "oxel/ModReader.h"
#include "oxel/ModWriter.h"

namespace {

using fuzzsupport::Require;

// The writer escapes nothing: a text holding a tag would be read as that tag, and the reader
// drops empty lines at the start of a multi-line text.
bool Carriable(const std::string& text) {
    const std::string lower = modcommon::AsciiLower(text);
    for (std::string_view tag : modcommon::ModTags) {
        if (lower.find(tag) != std::string::npos) {
            return false;
        }
    }
    return text.rfind("\r\n", 0) != 0;
}

bool DocumentCarriable(const oxel::Document& doc) {
    for (int p = 0; p < oxel::kPropertyCount; ++p) {
        if (!Carriable(doc.Value(static_cast<oxel::Property>(p)))) {
            return false;
        }
    }
    for (const oxel::ActionNode* node : doc.Tree().PreOrder()) {
        const oxel::TItem& item = node->Item();
        if (!Carriable(item.FileToEdit) || !Carriable(item.SearchText) ||
            !Carriable(item.ActionText)) {
            return false;
        }
    }
    return true;
}

std::string Dump(const oxel::Document& doc) {
    std::string out;
    for (int p = 0; p < oxel::kPropertyCount; ++p) {
        out += doc.Value(static_cast<oxel::Property>(p)) + '\0';
    }
    for (const oxel::ActionNode* node : doc.Tree().PreOrder()) {
        const oxel::TItem& item = node->Item();
        out += std::to_string(node->Level()) + ':' + std::to_string(item.Kind) + ':' +
               node->Caption() + '\0' + item.FileToEdit + '\0' + item.SearchText + '\0' +
               item.ActionText + '\0';
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    oxel::Document doc;
    const auto ok = [](const modcommon::BoxRequest&) { return modcommon::BoxAnswer::Ok; };
    const oxel::ReadStatus status = oxel::ReadModText(doc, text, ok);
    Require(!doc.Loading(), "reading leaves the loading flag as it found it");
    for (const oxel::ActionNode* node : doc.Tree().PreOrder()) {
        Require(node->Level() == 0 || (node->Level() == 1 && node->Kind() != oxel::kKindEditFile &&
                                       node->Parent()->Kind() == oxel::kKindEditFile),
                "actions hang under file nodes, at most two levels deep");
        Require(oxel::IsValidKind(node->Kind()), "every node has one of the four kinds");
    }
    if (status != oxel::ReadStatus::Complete || !DocumentCarriable(doc)) {
        return 0;
    }
    const std::string written = oxel::AssembleMod(doc);
    oxel::Document back;
    Require(oxel::ReadModText(back, written, ok) == oxel::ReadStatus::Complete,
            "what the writer writes reads in full");
    Require(Dump(back) == Dump(doc), "what the writer writes reads back to the same document");
    return 0;
}
