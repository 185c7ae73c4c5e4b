// Path functions of the editor: folders with delimiter, replacing separators, resolving and
// computing the forum-relative paths that mods store, and long file names.
//
//   oxel::RelativePath("/www/cgi-bin/yabb/YaBB.pl", "/www/html/x.html")  // "../../html/x.html"
//   oxel::chabspath("/www/cgi-bin/yabb/", "Sources/Post.pl")  //
//   "/www/cgi-bin/yabb/Sources/Post.pl"
//
// Every function works over a PathStyle (the host's by default). Separator searches never match
// on the second byte of a double-byte character when the style has a lead-byte test.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "oxel/PathStyle.h"

namespace oxel {

// S with the separator appended unless its last byte already is one.
std::string IncludeDelimiter(std::string_view s, const PathStyle& style = PathStyle::Host());

// Every occurrence of `find` in `s` replaced by `repl`, left to right, without overlaps and
// without rescanning replaced text. An empty `s` or `find` gives `s`.
std::string Rep(std::string_view s, std::string_view find, std::string_view repl,
                const PathStyle& style = PathStyle::Host());

// The parent folder of `dir`, with delimiter; empty above the top ("C:\" and "/" give "").
std::string updir(std::string_view dir, const PathStyle& style = PathStyle::Host());

// The full path of the forum-relative `rel` against the folder part of `base`: foreign
// separators become the style's, a leading "./" is dropped and each leading "../" climbs one
// folder. Empty when `base` has no folder part.
std::string chabspath(std::string_view base, std::string_view rel,
                      const PathStyle& style = PathStyle::Host());

// The path of `destFile` relative to the folder of `baseFile`, with the style's separators;
// `destFile` unchanged when the two lie on different drives or shares.
std::string RelativePath(std::string_view baseFile, std::string_view destFile,
                         const PathStyle& style = PathStyle::Host());

// The name of the directory entry that `path` names, as the file system spells it, or nothing
// when there is no such entry.
using EntryNameLookup = std::function<std::optional<std::string>(const std::string& path)>;
std::optional<std::string> HostEntryName(const std::string& path);

// `name` with every existing component replaced by the entry name the file system reports
// (on Windows: short 8.3 names by long names). Components that do not exist stay as written;
// the drive, share or root prefix is kept as it is.
std::string ExpandShortName(std::string_view name, const PathStyle& style,
                            const EntryNameLookup& lookup);
std::string ExpandShortName(std::string_view name);

// The drive ("C:") or share ("\\server\share") a path begins with; always empty on POSIX.
std::string ExtractFileDrive(std::string_view path, const PathStyle& style = PathStyle::Host());
// Everything up to and including the last separator (or drive colon).
std::string ExtractFilePath(std::string_view path, const PathStyle& style = PathStyle::Host());
// Everything after the last separator (or drive colon).
std::string ExtractFileName(std::string_view path, const PathStyle& style = PathStyle::Host());
// The folder without its trailing separator, except where the separator is the root.
std::string ExtractFileDir(std::string_view path, const PathStyle& style = PathStyle::Host());
// `path` with its extension (from the last "." of the file name) replaced by `ext`, or `ext`
// appended when the file name has none.
std::string ChangeFileExt(std::string_view path, std::string_view ext,
                          const PathStyle& style = PathStyle::Host());

}  // namespace oxel
