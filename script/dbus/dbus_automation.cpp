#include "script/dbus/dbus_automation.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVariant>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "script/dbus/dbus_address.h"
#include "script/dbus/dbus_call.h"
#include "script/dbus/dbus_members.h"
#include "script/dbus/dbus_object.h"
#include "script/dbus/dbus_signature.h"
#include "script/dbus/dbus_values.h"
#include "script/runtime/engine.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

const TDBusObject& ObjectOf(const TCtxValue& receiver) {
  const TDBusObject* object = TDBusObject::Of(receiver);
  if (!object) throw ECtxScriptError("The automation object holds no D-Bus object");
  return *object;
}

QDBusMessage MethodCall(const TDBusObject& object, const QString& interface,
                        const QString& member) {
  QDBusMessage message = QDBusMessage::createMethodCall(Q(object.Address.Service),
                                                        Q(object.Address.Path), interface, member);
  message.setAutoStartService(object.AutoStart);
  return message;
}

// The types of a member as its introspection data gave them, each checked.
void CheckTypes(const TDBusMember& member, const std::vector<std::string>& types) {
  for (const std::string& type : types)
    if (type.empty() || CompleteTypeLength(type) != type.size())
      throw ECtxScriptError::CreateFmt("%s declares the type '%s', which is no D-Bus type",
                                       {member.QualifiedName(), type});
}

std::string SignatureOf(const std::vector<std::string>& types) {
  std::string signature;
  for (const std::string& type : types) signature += type;
  return signature;
}

// Converts one argument, saying which one when it does not fit.
QVariant Argument(TCtxScript& script, const TDBusMember& member, std::size_t index,
                  const std::string& type, const TCtxValue& argument) {
  const TCtxValue value = argument.IsReference() ? script.ReadReference(argument) : argument;
  try {
    return ToDBus(type, value);
  } catch (const std::exception& error) {
    throw ECtxScriptError::CreateFmt(
        "%s, argument %d: %s",
        {member.Name, static_cast<std::int64_t>(index + 1), std::string_view(error.what())});
  }
}

TCtxValue Results(const QDBusMessage& reply) {
  const QVariantList outputs = reply.arguments();
  if (outputs.isEmpty()) return TCtxValue();
  if (outputs.size() == 1) return FromDBus(outputs.front());
  std::vector<TCtxValue> values;
  values.reserve(std::size_t(outputs.size()));
  for (const QVariant& output : outputs) values.push_back(FromDBus(output));
  return TCtxValue::Array(TCtxArray(0, std::move(values)));
}

}  // namespace

TDBusAutomation::TDBusAutomation(std::chrono::milliseconds timeout) : timeout_(timeout) {}

QDBusConnection TDBusAutomation::Connection(TDBusBus bus) const {
  const bool system = bus == TDBusBus::System;
  const QString name = system ? QStringLiteral("zendrik-automation-system")
                              : QStringLiteral("zendrik-automation-session");
  QDBusConnection connection(name);
  if (connection.isConnected()) return connection;
  QDBusConnection::disconnectFromBus(name);  // one that failed or broke off
  connection = QDBusConnection::connectToBus(
      system ? QDBusConnection::SystemBus : QDBusConnection::SessionBus, name);
  if (connection.isConnected()) return connection;
  const QDBusError error = connection.lastError();
  QDBusConnection::disconnectFromBus(name);
  const std::string which = system ? "system" : "session";
  if (!error.isValid())
    throw ECtxScriptError::CreateFmt("The D-Bus %s bus cannot be reached", {which});
  throw ECtxScriptError::CreateFmt(
      "The D-Bus %s bus cannot be reached: %s: %s",
      {which, error.name().toStdString(), error.message().toStdString()});
}

QDBusMessage TDBusAutomation::Send(TCtxScript& script, TDBusBus bus,
                                   const QDBusMessage& message) const {
  return CallAndWait(script, Connection(bus), message, timeout_);
}

QVariant TDBusAutomation::AskBus(TCtxScript& script, TDBusBus bus, const char* method,
                                 const QVariantList& arguments) const {
  QDBusMessage message = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService,
                                                        QString::fromLatin1(method));
  message.setArguments(arguments);
  return Send(script, bus, message).arguments().value(0);
}

TCtxValue TDBusAutomation::MakeObject(TCtxScript& script, std::string_view name,
                                      bool create) const {
  TDBusAddress address = ParseDBusAddress(name);
  const QString service = Q(address.Service);
  // The bus itself and unique names have an owner while they exist; a well-known name may
  // need starting, which the bus refuses for a name it cannot start even when it has an owner.
  if (service != kBusService && address.Service[0] != ':') {
    if (!create)
      AskBus(script, address.Bus, "GetNameOwner", {service});
    else if (!AskBus(script, address.Bus, "NameHasOwner", {service}).toBool())
      AskBus(script, address.Bus, "StartServiceByName", {service, QVariant::fromValue(0u)});
  }
  QDBusMessage introspect = QDBusMessage::createMethodCall(
      service, Q(address.Path), QStringLiteral("org.freedesktop.DBus.Introspectable"),
      QStringLiteral("Introspect"));
  introspect.setAutoStartService(create);
  const QDBusMessage reply = Send(script, address.Bus, introspect);
  const std::string xml = reply.arguments().value(0).toString().toStdString();
  TDBusMembers members = TDBusMembers::FromXml(xml, address.Interface);
  const std::vector<std::string>& interfaces = members.Interfaces();
  if (interfaces.empty())
    throw ECtxScriptError::CreateFmt("%s: no object at %s (it offers no interface)",
                                     {address.Service, address.Path});
  if (!address.Interface.empty() &&
      std::find(interfaces.begin(), interfaces.end(), address.Interface) == interfaces.end())
    throw ECtxScriptError::CreateFmt("%s: the object at %s has no interface %s",
                                     {address.Service, address.Path, address.Interface});
  return TCtxValue::Automation(
      std::make_unique<TDBusObject>(std::move(address), create, std::move(members)));
}

TCtxValue TDBusAutomation::Create(TCtxScript& script, std::string_view name) {
  return MakeObject(script, name, true);
}

TCtxValue TDBusAutomation::GetActive(TCtxScript& script, std::string_view name) {
  return MakeObject(script, name, false);
}

TCtxValue TDBusAutomation::Invoke(TCtxScript& script, const TDBusObject& object,
                                  const TDBusMember& method,
                                  std::span<const TCtxValue> arguments) const {
  CheckTypes(method, method.InTypes);
  if (arguments.size() != method.InTypes.size())
    throw ECtxScriptError::CreateFmt(
        "%s of %s takes %d arguments (%s), not %d",
        {method.QualifiedName(), object.Address.Text(),
         static_cast<std::int64_t>(method.InTypes.size()), SignatureOf(method.InTypes),
         static_cast<std::int64_t>(arguments.size())});
  QDBusMessage message = MethodCall(object, Q(method.Interface), Q(method.Name));
  QVariantList values;
  for (std::size_t i = 0; i < arguments.size(); ++i)
    values.append(Argument(script, method, i, method.InTypes[i], arguments[i]));
  message.setArguments(values);
  return Results(Send(script, object.Address.Bus, message));
}

TCtxValue TDBusAutomation::ReadProperty(TCtxScript& script, const TDBusObject& object,
                                        const TDBusMember& property) const {
  QDBusMessage message = MethodCall(object, kPropertiesInterface, QStringLiteral("Get"));
  message.setArguments({Q(property.Interface), Q(property.Name)});
  return Results(Send(script, object.Address.Bus, message));
}

TCtxValue TDBusAutomation::Get(TCtxScript& script, const TCtxValue& receiver,
                               std::string_view name) {
  const TDBusObject& object = ObjectOf(receiver);
  const TDBusMember& member = object.Members.Find(name, object.Address.Text());
  if (member.IsProperty) return ReadProperty(script, object, member);
  return Invoke(script, object, member, {});
}

TCtxValue TDBusAutomation::Call(TCtxScript& script, const TCtxValue& receiver,
                                std::string_view name, std::span<const TCtxValue> arguments) {
  const TDBusObject& object = ObjectOf(receiver);
  const TDBusMember& member = object.Members.Find(name, object.Address.Text());
  if (member.IsProperty)
    throw ECtxScriptError::CreateFmt("%s of %s is a property: it takes no arguments",
                                     {member.QualifiedName(), object.Address.Text()});
  return Invoke(script, object, member, arguments);
}

void TDBusAutomation::Put(TCtxScript& script, const TCtxValue& receiver, std::string_view name,
                          const TCtxValue& value) {
  const TDBusObject& object = ObjectOf(receiver);
  const TDBusMember& member = object.Members.Find(name, object.Address.Text());
  if (!member.IsProperty)
    throw ECtxScriptError::CreateFmt("%s of %s is a method: it cannot be assigned",
                                     {member.QualifiedName(), object.Address.Text()});
  CheckTypes(member, member.InTypes);
  const std::string& type = member.InTypes.front();
  QVariant content;
  try {
    content = type == "v" ? ToDBusVariant(value) : ToDBus(type, value);
  } catch (const std::exception& error) {
    throw ECtxScriptError::CreateFmt("%s: %s", {member.Name, std::string_view(error.what())});
  }
  QDBusMessage message = MethodCall(object, kPropertiesInterface, QStringLiteral("Set"));
  message.setArguments(
      {Q(member.Interface), Q(member.Name), QVariant::fromValue(QDBusVariant(content))});
  Send(script, object.Address.Bus, message);
}

void InstallDBusAutomation() {
  static TDBusAutomation server;
  InstallAutomationServer(server);
}

}  // namespace zendrik
