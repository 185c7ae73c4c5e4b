// Reading a .mod file into the document with the editor's tolerant line scan.
//
//   doc.ClearAllValue();
//   doc.SetCurrentFile(path);
//   oxel::OpenResult result = oxel::OpenFile(doc, recentFiles, showBox);
//   if (result.status == oxel::OpenStatus::Unreadable) showError(result.error);
#pragma once

#include <string_view>

#include "modcommon/MessageBox.h"
#include "oxel/Document.h"
#include "oxel/FileError.h"
#include "oxel/RecentFiles.h"

namespace oxel {

enum class ReadStatus {
    Complete,
    // A block ran to the end of the file; "</tag>not found!" was shown.
    MissingClosingTag,
    // Blocks overlap so much that the text they hold would outgrow any real mod by far.
    TooMuchOverlap,
};

// Appends the properties and nodes that `text` holds to the document. Every line is tested
// for all ten opening tags, so blocks may overlap; each block runs to the next line holding its
// closing tag. Time is linear in the size of the text plus the size of what is read; what is
// read is capped at a generous multiple of the text's size.
ReadStatus ReadModText(Document& doc, std::string_view text, const modcommon::MessageBoxFn& box);

enum class OpenStatus {
    Loaded,          // caption "Oxel - <file>", not modified, recorded in the recent files
    Incomplete,      // missing closing tag: partly read, modified, caption unchanged
    Unreadable,      // `error` says why; the document is unchanged
    TooMuchOverlap,  // partly read like Incomplete; `error` says why
};

struct OpenResult {
    OpenStatus status = OpenStatus::Loaded;
    FileError error;
};

// OpenFile: reads the file named by the document's CurrentFile (the caller has emptied the
// document and set CurrentFile). On success the whole tree is to be expanded by the view.
OpenResult OpenFile(Document& doc, RecentFiles& recent, const modcommon::MessageBoxFn& box);

}  // namespace oxel
