// Test helper: a document's properties and tree as readable text, with line breaks shown.
#pragma once

#include <string>

#include "oxel/Document.h"

namespace oxeltest {

inline std::string Visible(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

// One line per property that is not empty, then one per node: "file[<caption>] name" at level
// 0, "  replace[search|action]" (kinds replace, before, after) under it.
inline std::string Dump(const oxel::Document& doc) {
    static const char* const kProps[] = {"id", "version", "info", "author", "homepage"};
    static const char* const kKinds[] = {"file", "replace", "before", "after"};
    std::string out;
    for (int p = 0; p < oxel::kPropertyCount; ++p) {
        const std::string& value = doc.Value(static_cast<oxel::Property>(p));
        if (!value.empty()) {
            out += std::string(kProps[p]) + "=" + Visible(value) + "\n";
        }
    }
    for (const oxel::ActionNode* node : doc.Tree().PreOrder()) {
        const oxel::TItem& item = node->Item();
        out += node->Level() == 1 ? "  " : "";
        out += kKinds[item.Kind];
        if (item.Kind == oxel::kKindEditFile) {
            out += "[" + node->Caption() + "] " + Visible(item.FileToEdit) + "\n";
        } else {
            out += "[" + Visible(item.SearchText) + "|" + Visible(item.ActionText) + "]\n";
        }
    }
    return out;
}

}  // namespace oxeltest
