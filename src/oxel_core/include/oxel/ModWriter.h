// Writing the document as a .mod file in the layout the installer reads.
#pragma once

#include <optional>
#include <string>

#include "modcommon/FileSystem.h"
#include "oxel/Document.h"
#include "oxel/FileError.h"

namespace oxel {

// AssembleMod: the file's bytes. Each tag and value on its own line with CR LF, an empty line
// after each block and between a search block and its action. When the last node is an
// action its closing tag ends the text without a line break; otherwise the text ends in
// CR LF CR LF. Nothing is validated or escaped.
std::string AssembleMod(const Document& doc);

// Save: writes the document to its CurrentFile through the crash-safe write and clears
// Modified. On failure the file keeps its old content and the document stays modified. A
// document without a file name is refused (the window runs Save As instead).
std::optional<FileError> Save(Document& doc,
                              modcommon::FileSystem& fs = modcommon::DefaultFileSystem());

// Save As: the same to `path`, whether or not the document has unsaved changes. Only when the
// file is written do CurrentFile and the caption ("<path> - Oxel") change.
std::optional<FileError> SaveAs(Document& doc, const std::string& path,
                                modcommon::FileSystem& fs = modcommon::DefaultFileSystem());

}  // namespace oxel
