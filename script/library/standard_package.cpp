#include "script/library/standard_package.h"

#include <map>
#include <string_view>

#include "base/ascii.h"
#include "script/library/date_time.h"
#include "script/library/file_attributes.h"
#include "script/library/introspector.h"
#include "script/library/package_support.h"
#include "script/library/search_record.h"
#include "script/library/system_scope.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// The order in which the package registers its functions.
constexpr std::string_view kRegistrationOrder[] = {
    "write", "writeln", "Min", "Max", "Sin", "Cos", "VarToStr", "VarToStrEx", "FormatFloat",
    "FormatDateTime", "CreateOleObject", "GetActiveOleObject", "CreateComObject", "VarArrayCreate",
    "VarArrayOf", "VarArrayRedim", "UpperCase", "LowerCase", "CompareStr", "CompareText",
    "SameText", "AnsiUpperCase", "AnsiLowerCase", "AnsiCompareStr", "AnsiSameStr",
    "AnsiCompareText", "AnsiSameText", "Trim", "TrimLeft", "TrimRight", "QuotedStr",
    "AnsiQuotedStr", "AdjustLineBreaks", "IsValidIdent", "IntToStr", "IntToHex", "StrToInt",
    "StrToIntDef",
    // files
    "FileAge", "FileExists", "FileGetAttr", "FileSetAttr", "DeleteFile", "RenameFile", "FindFirst",
    "FindNext", "FindClose", "ChangeFileExt", "ExtractFilePath", "ExtractFileDir",
    "ExtractFileDrive", "ExtractFileName", "ExtractFileExt", "ExpandFileName", "ExpandUNCFileName",
    "ExtractRelativePath", "ExtractShortPathName", "FileSearch", "GetCurrentDir", "SetCurrentDir",
    "CreateDir", "RemoveDir",
    // numbers
    "Format", "FloatToStr", "CurrToStr", "FormatCurr", "StrToFloat", "StrToCurr",
    // dates
    "EncodeDate", "EncodeTime", "DayOfWeek", "Date", "Time", "Now", "IncMonth", "IsLeapYear",
    "DateToStr", "TimeToStr", "DateTimeToStr", "StrToDate", "StrToTime", "StrToDateTime",
    //
    "IsPathDelimiter", "IsDelimiter", "IncludeTrailingBackslash", "ExcludeTrailingBackslash",
    "LastDelimiter", "AnsiCompareFileName", "AnsiLowerCaseFileName", "AnsiUpperCaseFileName",
    "AnsiPos", "StringReplace", "WrapText", "ParamStr", "ParamCount", "SetLength", "Length",
    // the tools for scraping, after the functions above
    "Copy", "Pos", "Delete", "Insert", "Chr", "Ord", "SplitString", "JoinStrings", "RegExMatch",
    "RegExFind", "RegExFindAll", "RegExReplace", "Sleep", "VarArrayLowBound", "VarArrayHighBound"};

void RegisterFunctions(TCtxCustomIntrospector& package) {
  std::map<std::string_view, const TPackageFunction*> byName;
  for (const auto family :
       {ValueFunctions(), StringFunctions(), NumberFunctions(), FileFunctions(), DateFunctions(),
        SystemFunctions(), TextToolFunctions(), PatternFunctions()})
    for (const TPackageFunction& function : family) byName.emplace(function.Name, &function);
  for (const std::string_view name : kRegistrationOrder) {
    const auto found = byName.find(name);
    if (found == byName.end())
      throw ECtxScriptError::CreateFmt("The standard package has no function %s", {name});
    const TPackageFunction& function = *found->second;
    package.AddMethod(std::string(function.Name), function.Callback, function.ParamCount);
    byName.erase(found);
  }
  if (!byName.empty())
    throw ECtxScriptError::CreateFmt("The standard package does not register %s",
                                     {byName.begin()->first});
}

void RegisterConstants(TCtxCustomIntrospector& package) {
  const std::pair<const char*, std::int32_t> constants[] = {
      {"faReadOnly", faReadOnly}, {"faHidden", faHidden},
      {"faSysFile", faSysFile},   {"faDirectory", faDirectory},
      {"faArchive", faArchive},   {"faAnyFile", faAnyFile},
      {"fmOpenRead", 0},          {"fmOpenWrite", 1},
      {"fmOpenReadWrite", 2},     {"fmCreate", 0xFFFF}};
  for (const auto& [name, value] : constants) package.AddConst(name, TCtxValue::Integer(value));
}

TSearchRecObj& Search(QObject* instance) {
  auto* search = qobject_cast<TSearchRecObj*>(instance);
  if (!search) throw ECtxScriptError("Not a search object");
  return *search;
}

void SearchName(TCtxScript& script, TCtxAccessKind, QObject* instance, const TCtxArgs&) {
  script.Result = TCtxValue::String(Search(instance).Name);
}

void SearchAttr(TCtxScript& script, TCtxAccessKind, QObject* instance, const TCtxArgs&) {
  script.Result = TCtxValue::Integer(Search(instance).Attr);
}

void SearchTime(TCtxScript& script, TCtxAccessKind, QObject* instance, const TCtxArgs&) {
  script.Result = TCtxValue::Date(PackedFileTimeToDate(Search(instance).Time));
}

void SearchSize(TCtxScript& script, TCtxAccessKind, QObject* instance, const TCtxArgs&) {
  script.Result = TCtxValue::Integer(Search(instance).Size);
}

}  // namespace

void RegisterStandardPackage() {
  TCtxCustomIntrospector& package =
      TCtxCustomIntrospector::Create(TCtxSystemScope::staticMetaObject);
  RegisterFunctions(package);
  RegisterConstants(package);
  TCtxCustomIntrospector& search = TCtxCustomIntrospector::Create(TSearchRecObj::staticMetaObject);
  search.AddProperty("Name", SearchName);
  search.AddProperty("Attr", SearchAttr);
  search.AddProperty("Time", SearchTime);
  search.AddProperty("Size", SearchSize);
}

}  // namespace zendrik
