#pragma once

// File names as the standard package splits and joins them on Linux: "/" separates
// directories, "\" is accepted as a separator too, there are no drive letters, and a name that
// starts with two separators ("//server/share/...") is a network name whose drive is
// "//server/share".

#include <string>
#include <string_view>

namespace zendrik {

inline constexpr char kPathDelimiter = '/';

constexpr bool IsPathSeparator(char c) noexcept { return c == '/' || c == '\\'; }

/// The directory part including its final separator; empty when there is none.
std::string_view ExtractFilePathOf(std::string_view name) noexcept;
/// As ExtractFilePathOf without the final separator, except for a root ("/", "//").
std::string_view ExtractFileDirOf(std::string_view name) noexcept;
/// "//server/share" of a network name; empty otherwise.
std::string_view ExtractFileDriveOf(std::string_view name) noexcept;
/// The part after the last separator.
std::string_view ExtractFileNameOf(std::string_view name) noexcept;
/// From the last "." of the name part, unless that dot starts the name (".profile" has none).
std::string_view ExtractFileExtOf(std::string_view name) noexcept;
/// `name` with its extension replaced by `extension` (which includes its dot), or appended.
std::string ChangeFileExtOf(std::string_view name, std::string_view extension);

std::string IncludeTrailingDelimiter(std::string_view text);
std::string_view ExcludeTrailingDelimiter(std::string_view text) noexcept;

/// The absolute form of `name` against `currentDirectory` (itself absolute): "\" made "/",
/// "." and ".." steps and doubled separators removed; a final separator is kept.
std::string ExpandFileNameIn(std::string_view name, std::string_view currentDirectory);

/// `destination` relative to the directory of `base` (both absolute), with ".." steps.
std::string RelativePath(std::string_view base, std::string_view destination);

}  // namespace zendrik
