// The functions the program offers to scripts: thin callbacks over the window's address field,
// its extraction and its table.

#include "app/host_functions.h"

#include <iostream>

#include "extract/address_resolution.h"
#include "script/library/field_info.h"
#include "script/library/introspector.h"
#include "script/library/system_scope.h"
#include "script/runtime/conversions.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// The window of the engine that runs the script. The program gives its engines no services but
// a window's, so the cast needs no check of the type (and costs nothing on every call).
TScriptHost& Host(const TCtxScript& script) {
  if (!script.HostServices) throw ECtxScriptError("There is no window for the host functions");
  return static_cast<TScriptHost&>(*script.HostServices);
}

void GetURL(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  script.Result = TCtxValue::String(Host(script).AddressFieldText());
}

void SetURL(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  Host(script).SetAddressFieldText(ToStringPlain(script.Result));
}

// Notes how a fetch ended. An address that could not be opened is also one line on standard
// error (a failure after that has shown its message), and the script goes on.
void NoteOutcome(TScriptHost& host, TFetchOutcome outcome) {
  if (outcome.End == TFetchOutcome::TEnd::NotOpened)
    std::cerr << "zendrik: " << outcome.Error << std::endl;
  host.LastDownloadError = std::move(outcome.Error);
}

// Download(Address, BaseAddress): the page at Address, resolved against BaseAddress; the
// address fetched is the result.
void Download(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  CheckArgCount(args.Count(), 2, -1);
  const std::string base = ToStringPlain(args[1]);
  const std::string address = ToStringPlain(args[0]);
  CurrentAddress() = base;
  TScriptHost& host = Host(script);
  NoteOutcome(host, host.Download(address));
  script.Result = TCtxValue::String(CurrentAddress());
}

// GetPage(URL [, BaseAddress]): the body of the page at URL as bytes, resolved against
// BaseAddress when given (as Download does), else against the page fetched last; empty when it
// could not be fetched. The table stays as it is.
void GetPage(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  CheckArgCount(args.Count(), 1, 2);
  if (args.Count() == 2) CurrentAddress() = ToStringPlain(args[1]);
  const std::string address = ToStringPlain(args[0]);
  TScriptHost& host = Host(script);
  std::string body;
  if (!address.empty())
    NoteOutcome(host, host.GetPage(address, body));
  else
    host.LastDownloadError.clear();
  script.Result = TCtxValue::String(body);
}

void LastDownloadError(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  script.Result = TCtxValue::String(Host(script).LastDownloadError);
}

// SaveTable(FileName): a file that cannot be written is reported on standard error, and the
// script goes on.
void SaveTable(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  CheckArgCount(args.Count(), 1, -1);
  std::string error;
  if (!Host(script).SaveTable(ToStringPlain(args[0]), error))
    std::cerr << "zendrik: " << error << std::endl;
}

// GetCell(Column, Row).
void GetCell(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  CheckArgCount(args.Count(), 2, -1);
  // The result is the empty text until the cell is read, also when a position fails to convert.
  std::int32_t row, column;
  try {
    row = ToInteger(args[1]);
    column = ToInteger(args[0]);
  } catch (...) {
    script.Result.AssignString({});
    throw;
  }
  script.Result.AssignString(Host(script).ReadCell(row, column));
}

// SetCell(Column, Row, Value). A position beyond the limits fails before anything is written,
// so that a mistyped row does not fill memory with empty rows.
void SetCell(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs& args) {
  CheckArgCount(args.Count(), 3, -1);
  const std::string text = ToStringPlain(args[2]);
  const std::int32_t row = ToInteger(args[1]);
  const std::int32_t column = ToInteger(args[0]);
  if (row > kMaxScriptRows || column > kMaxScriptColumns)
    throw ECtxScriptError::CreateFmt(
        "SetCell(%d, %d): a script writes at most %d columns and %d rows",
        {column, row, kMaxScriptColumns, kMaxScriptRows});
  Host(script).WriteCell(row, column, text);
}

void ClearCells(TCtxScript& script, TCtxAccessKind, QObject*, const TCtxArgs&) {
  Host(script).ClearCells();
}

}  // namespace

void RegisterHostFunctions() {
  TCtxCustomIntrospector& functions =
      TCtxCustomIntrospector::Create(TCtxSystemScope::staticMetaObject);
  functions.AddProperty("URL", GetURL, SetURL);
  functions.AddMethod("Download", Download, 2);
  functions.AddMethod("SaveTable", SaveTable, 1);
  functions.AddMethod("GetCell", GetCell, 2);
  functions.AddMethod("SetCell", SetCell, 3);
  functions.AddMethod("ClearCells", ClearCells, 0);
  functions.AddMethod("GetPage", GetPage, -1);
  functions.AddMethod("LastDownloadError", LastDownloadError, 0);
}

}  // namespace zendrik
