// The package's file functions: facts and attributes, deleting and renaming, directory
// searches, file names, the current directory and directories.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "base/system_name.h"
#include "script/library/date_time.h"
#include "script/library/file_attributes.h"
#include "script/library/file_names.h"
#include "script/library/introspector.h"
#include "script/library/locale_text.h"
#include "script/library/package_support.h"
#include "script/library/search_record.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// Argument k (0 is the first) as a file name.
std::string Name(const TCtxArgs& args, std::int32_t k = 0) {
  return std::string(TTextArg(args[k]).View());
}

void ReturnBoolean(TCtxScript& script, bool value) { script.Result = TCtxValue::Boolean(value); }

std::string CurrentDirectory() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::current_path(error);
  return error ? std::string("/") : path.string();
}

bool IsFile(const std::string& name) {
  struct stat info {};
  return IsSystemName(name) && ::stat(name.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

// A packed time of -1 is the time of no file: its conversion fails.
void FileAge(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::optional<TFileFacts> facts = FileFactsOf(Name(args));
  script.Result = TCtxValue::Date(PackedFileTimeToDate(facts ? facts->Time : 0xFFFFFFFFu));
}

void FileExists(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnBoolean(script, IsFile(Name(args)));
}

void FileGetAttr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::optional<TFileFacts> facts = FileFactsOf(Name(args));
  script.Result = TCtxValue::Integer(facts ? facts->Attr : -1);
}

void FileSetAttr(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string name = Name(args);
  const std::int32_t attr = ToInteger(args[1]);
  script.Result = TCtxValue::Integer(SetReadOnly(name, (attr & faReadOnly) != 0));
}

void DeleteFile(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string name = Name(args);
  ReturnBoolean(script, IsSystemName(name) && ::unlink(name.c_str()) == 0);
}

// Renaming never replaces an existing file: its data would be lost without a word.
void RenameFile(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string from = Name(args);
  const std::string to = Name(args, 1);
  if (!IsSystemName(from) || !IsSystemName(to)) return ReturnBoolean(script, false);
  int result = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
  if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {  // a file system without it
    struct stat info {};
    result = ::lstat(to.c_str(), &info) == 0 ? -1 : std::rename(from.c_str(), to.c_str());
  }
  ReturnBoolean(script, result == 0);
}

// The search object held in the variable that `reference` designates; raises for a variable
// that holds no search.
TSearchRecObj* HeldSearch(TCtxScript& script, const TCtxValue& reference, std::string_view caller,
                          bool nilAllowed) {
  QObject* object = script.ReadReference(reference).ToObject();
  if (!object) {
    if (nilAllowed) return nullptr;
    throw ECtxScriptError::CreateFmt("%s: the variable holds no search (a nil object)", {caller});
  }
  auto* search = qobject_cast<TSearchRecObj*>(object);
  if (!search)
    throw ECtxScriptError::CreateFmt("%s: the variable holds a %s, not a search",
                                     {caller, ClassDisplayName(*object->metaObject())});
  return search;
}

// FindFirst(Path, Attr, @F). The value stored in F owns the search: FindClose ends it, and so
// does overwriting the last variable that holds it (a second FindFirst into F) or the end of
// the run.
void FindFirst(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string pattern = Name(args);
  const std::int32_t attr = ToInteger(args[1]);
  const TCtxValue reference = args[2];
  (void)script.ReadReference(reference);  // a variable, before anything is searched
  auto search = std::make_unique<TSearchRecObj>();
  const int code = search->Start(pattern, attr);
  script.WriteReference(reference, code == 0 ? TCtxValue::OwnedObject(std::move(search))
                                             : TCtxValue::Object(nullptr));
  script.Result = TCtxValue::Integer(code);
}

void FindNext(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  TSearchRecObj* search = HeldSearch(script, args[0], "FindNext", false);
  script.Result = TCtxValue::Integer(search->Next());
}

void FindClose(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TCtxValue reference = args[0];
  std::unique_ptr<TSearchRecObj> ended(HeldSearch(script, reference, "FindClose", true));
  ended.reset();
  script.WriteReference(reference, TCtxValue::Object(nullptr));
}

void ChangeFileExt(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg name(args[0]);
  const TTextArg extension(args[1]);
  ReturnString(script, ChangeFileExtOf(name, extension));
}

template <std::string_view (*Part)(std::string_view) noexcept>
void NamePart(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, Part(TTextArg(args[0])));
}

void ExpandFileName(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, ExpandFileNameIn(TTextArg(args[0]), CurrentDirectory()));
}

void ExtractRelativePath(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string directory = CurrentDirectory();
  const std::string base = ExpandFileNameIn(TTextArg(args[0]), directory);
  const std::string destination = ExpandFileNameIn(TTextArg(args[1]), directory);
  ReturnString(script, RelativePath(base, destination));
}

// There are no short names here: an existing path is its own.
void ExtractShortPathName(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string name = Name(args);
  struct stat info {};
  const bool exists = IsSystemName(name) && ::stat(name.c_str(), &info) == 0;
  ReturnString(script, exists ? name : std::string());
}

void FileSearch(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string name = Name(args);
  const TTextArg directories(args[1]);
  if (IsFile(name)) return ReturnString(script, name);
  std::string_view list = directories;
  while (!list.empty()) {
    const std::size_t semicolon = list.find(';');
    const std::string_view directory = list.substr(0, semicolon);
    list = semicolon == std::string_view::npos ? std::string_view() : list.substr(semicolon + 1);
    if (directory.empty()) continue;
    const std::string candidate = IncludeTrailingDelimiter(directory) + name;
    if (IsFile(candidate)) return ReturnString(script, candidate);
  }
  ReturnString(script, "");
}

void GetCurrentDir(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  ReturnString(script, CurrentDirectory());
}

// A directory call on the name of argument 1: true when it succeeds.
template <int (*Call)(const char*)>
void DirectoryCall(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const std::string name = Name(args);
  ReturnBoolean(script, IsSystemName(name) && Call(name.c_str()) == 0);
}

int MakeDirectory(const char* name) { return ::mkdir(name, 0777); }

void IsPathDelimiter(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  const TTextArg text(args[0]);
  const std::int32_t index = ToInteger(args[1]);
  const std::string_view s = text;
  ReturnBoolean(script, index >= 1 && static_cast<std::size_t>(index) <= s.size() &&
                            IsPathSeparator(s[static_cast<std::size_t>(index) - 1]));
}

void IncludeTrailingBackslash(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, IncludeTrailingDelimiter(TTextArg(args[0])));
}

// File names are compared as the file system does: case counts.
void AnsiCompareFileName(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  script.Result = TCtxValue::Integer(LocaleCompare(TTextArg(args[0]), TTextArg(args[1])));
}

void AnsiLowerCaseFileName(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, LocaleLowerCase(TTextArg(args[0])));
}

void AnsiUpperCaseFileName(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  ReturnString(script, LocaleUpperCase(TTextArg(args[0])));
}

constexpr TPackageFunction kFunctions[] = {
    {"FileAge", FileAge, 1},
    {"FileExists", FileExists, 1},
    {"FileGetAttr", FileGetAttr, 1},
    {"FileSetAttr", FileSetAttr, 2},
    {"DeleteFile", DeleteFile, 1},
    {"RenameFile", RenameFile, 2},
    {"FindFirst", FindFirst, 3},
    {"FindNext", FindNext, 1},
    {"FindClose", FindClose, 1},
    {"ChangeFileExt", ChangeFileExt, 2},
    {"ExtractFilePath", NamePart<ExtractFilePathOf>, 1},
    {"ExtractFileDir", NamePart<ExtractFileDirOf>, 1},
    {"ExtractFileDrive", NamePart<ExtractFileDriveOf>, 1},
    {"ExtractFileName", NamePart<ExtractFileNameOf>, 1},
    {"ExtractFileExt", NamePart<ExtractFileExtOf>, 1},
    {"ExpandFileName", ExpandFileName, 1},
    {"ExpandUNCFileName", ExpandFileName, 1},
    {"ExtractRelativePath", ExtractRelativePath, 2},
    {"ExtractShortPathName", ExtractShortPathName, 1},
    {"FileSearch", FileSearch, 2},
    {"GetCurrentDir", GetCurrentDir, 0},
    {"SetCurrentDir", DirectoryCall<::chdir>, 1},
    {"CreateDir", DirectoryCall<MakeDirectory>, 1},
    {"RemoveDir", DirectoryCall<::rmdir>, 1},
    {"IsPathDelimiter", IsPathDelimiter, 2},
    {"IncludeTrailingBackslash", IncludeTrailingBackslash, 1},
    {"ExcludeTrailingBackslash", NamePart<ExcludeTrailingDelimiter>, 1},
    {"AnsiCompareFileName", AnsiCompareFileName, 2},
    {"AnsiLowerCaseFileName", AnsiLowerCaseFileName, 1},
    {"AnsiUpperCaseFileName", AnsiUpperCaseFileName, 1},
};

}  // namespace

std::span<const TPackageFunction> FileFunctions() { return kFunctions; }

}  // namespace zendrik
