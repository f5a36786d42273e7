#include "script/library/standard_package.h"

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

// Every function of every family, family by family: the tables are the one list of the
// package's names. A name is registered once; a second one would be a fault of the tables.
void RegisterFunctions(TCtxCustomIntrospector& package) {
  for (const auto family :
       {ValueFunctions(), StringFunctions(), NumberFunctions(), FileFunctions(), DateFunctions(),
        SystemFunctions(), TextToolFunctions(), PatternFunctions()})
    for (const TPackageFunction& function : family) {
      if (package.IndexOfMember(function.Name) >= 0)
        throw ECtxScriptError::CreateFmt("The standard package has two functions %s",
                                         {function.Name});
      package.AddMethod(std::string(function.Name), function.Callback, function.ParamCount);
    }
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
