#include "script/dbus/dbus_members.h"

#include <QXmlStreamReader>

#include <algorithm>

#include "base/ascii.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

std::string Utf8(QStringView text) { return text.toString().toStdString(); }

bool IsStandardInterface(std::string_view name) {
  return name == "org.freedesktop.DBus.Introspectable" ||
         name == "org.freedesktop.DBus.Properties" || name == "org.freedesktop.DBus.Peer";
}

// Reads the elements inside one <interface>: methods with their arguments, and properties.
void ReadInterface(QXmlStreamReader& xml, const std::string& interface,
                   std::vector<TDBusMember>& out) {
  TDBusMember* method = nullptr;
  int depth = 0;  // inside the interface element
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::EndElement) {
      if (depth-- == 0) return;
      if (depth == 0) method = nullptr;
      continue;
    }
    if (token != QXmlStreamReader::StartElement) continue;
    ++depth;
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView element = xml.name();
    if (depth == 1 && (element == u"method" || element == u"property")) {
      TDBusMember& member = out.emplace_back();
      member.IsProperty = element == u"property";
      member.Interface = interface;
      member.Name = Utf8(attributes.value("name"));
      if (member.IsProperty)
        member.InTypes.push_back(Utf8(attributes.value("type")));
      else
        method = &member;
    } else if (depth == 2 && method && element == u"arg") {
      const bool output = attributes.value("direction") == u"out";
      (output ? method->OutTypes : method->InTypes).push_back(Utf8(attributes.value("type")));
    }
  }
}

[[noreturn]] void RaiseAmbiguous(std::string_view name, std::string_view object,
                                 const std::vector<const TDBusMember*>& matches) {
  std::string list;
  for (const TDBusMember* member : matches) {
    if (!list.empty()) list += member == matches.back() ? " and " : ", ";
    list += member->QualifiedName();
  }
  const bool sameCase = std::all_of(matches.begin(), matches.end(),
                                    [&](const TDBusMember* m) { return m->Name == name; });
  throw ECtxScriptError::CreateFmt(
      "Ambiguous name: %s matches %s of %s; %s",
      {name, list, object,
       sameCase ? "name the interface (BUS_NAME:/object/path:interface)"
                : "write the name in its exact case or name the interface "
                  "(BUS_NAME:/object/path:interface)"});
}

}  // namespace

TDBusMembers TDBusMembers::FromXml(std::string_view text, std::string_view onlyInterface) {
  TDBusMembers members;
  QXmlStreamReader xml(QByteArray(text.data(), qsizetype(text.size())));
  int depth = 0;
  while (!xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::EndElement) --depth;
    if (token != QXmlStreamReader::StartElement) continue;
    ++depth;
    if (depth != 2 || xml.name() != u"interface") continue;
    const std::string interface = Utf8(xml.attributes().value("name"));
    members.interfaces_.push_back(interface);
    if (onlyInterface.empty() || interface == onlyInterface)
      ReadInterface(xml, interface, members.members_);
    else
      xml.skipCurrentElement();
    --depth;  // the interface's end element was read above
  }
  if (xml.hasError())
    throw ECtxScriptError::CreateFmt("The object's introspection data cannot be read: %s",
                                     {Utf8(xml.errorString())});
  return members;
}

const TDBusMember& TDBusMembers::Find(std::string_view name, std::string_view object) const {
  std::vector<const TDBusMember*> matches;
  for (const TDBusMember& member : members_)
    if (member.Name == name) matches.push_back(&member);
  if (matches.empty())
    for (const TDBusMember& member : members_)
      if (SameText(member.Name, name)) matches.push_back(&member);
  if (matches.empty())
    throw ECtxScriptError::CreateFmt("Unknown name: %s is no method or property of %s",
                                     {name, object});
  if (matches.size() > 1 && std::any_of(matches.begin(), matches.end(), [](const TDBusMember* m) {
        return !IsStandardInterface(m->Interface);
      }))
    std::erase_if(matches, [](const TDBusMember* m) { return IsStandardInterface(m->Interface); });
  if (matches.size() > 1) RaiseAmbiguous(name, object, matches);
  return *matches.front();
}

}  // namespace zendrik
