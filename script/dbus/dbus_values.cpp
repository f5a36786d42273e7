#include "script/dbus/dbus_values.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusSignature>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QStringList>

#include <cmath>
#include <limits>
#include <span>
#include <utility>
#include <vector>

#include "script/dbus/dbus_address.h"
#include "script/dbus/dbus_object.h"
#include "script/dbus/dbus_signature.h"
#include "script/library/qt_text.h"
#include "script/runtime/conversions.h"
#include "script/runtime/errors.h"

namespace zendrik {

namespace {

// The value as an error message shows it; an automation object has no text of its own.
std::string Shown(const TCtxValue& value) {
  try {
    return ValueToText(value);
  } catch (const EVariantError&) {
    return value.IsArray() ? "The array" : "The automation object";
  }
}

[[noreturn]] void RaiseDoesNotFit(const TCtxValue& value, std::string_view type,
                                  std::string_view why) {
  throw ECtxScriptError::CreateFmt("%s does not fit D-Bus type %s: %s",
                                   {Shown(value), DescribeType(type), why});
}

// ---- script to D-Bus -----------------------------------------------------------------------

// The whole number a value stands for: integer kinds as they are, any other kind through its
// floating value rounded half to even.
long double WholeNumber(const TCtxValue& value) {
  switch (value.Type()) {
    case TCtxType::Integer:
    case TCtxType::SmallInt:
    case TCtxType::Byte:
    case TCtxType::Boolean: return ToInteger(value);
    default: break;
  }
  const double number = ToFloating(value);
  if (!std::isfinite(number)) RaiseInvalidConversion();
  return std::nearbyint(number);  // the default rounding mode rounds half to even
}

template <class Int>
QVariant Whole(const TCtxValue& value, std::string_view type) {
  const long double number = WholeNumber(value);
  if (number < static_cast<long double>(std::numeric_limits<Int>::min()) ||
      number > static_cast<long double>(std::numeric_limits<Int>::max()))
    RaiseDoesNotFit(value, type, "out of range");
  return QVariant::fromValue(static_cast<Int>(number));
}

QString Text(const TCtxValue& value) { return QtText(ToStringStrict(value)); }

QVariant ObjectPath(const TCtxValue& value) {
  if (const TDBusObject* object = TDBusObject::Of(value))
    return QVariant::fromValue(QDBusObjectPath(QString::fromStdString(object->Address.Path)));
  const std::string path = ToStringStrict(value);
  if (!IsValidObjectPath(path)) RaiseDoesNotFit(value, "o", "not a valid object path");
  return QVariant::fromValue(QDBusObjectPath(QString::fromStdString(path)));
}

QVariant Signature(const TCtxValue& value) {
  const std::string signature = ToStringStrict(value);
  if (!SplitSignature(signature)) RaiseDoesNotFit(value, "g", "not a valid signature");
  return QVariant::fromValue(QDBusSignature(QString::fromStdString(signature)));
}

QVariant Basic(char code, const TCtxValue& value) {
  const std::string_view type(&code, 1);
  switch (code) {
    case 'y': return Whole<uchar>(value, type);
    case 'n': return Whole<short>(value, type);
    case 'q': return Whole<ushort>(value, type);
    case 'i': return Whole<int>(value, type);
    case 'u': return Whole<uint>(value, type);
    case 'x': return Whole<qlonglong>(value, type);
    case 't': return Whole<qulonglong>(value, type);
    case 'b': return QVariant(ToBoolean(value));
    case 'd': return QVariant(ToFloating(value));
    case 's': return QVariant(Text(value));
    case 'o': return ObjectPath(value);
    case 'g': return Signature(value);
    default: RaiseDoesNotFit(value, type, "a script cannot pass file descriptors");
  }
}

// The elements of a value that stands for a container: none for Null and Unassigned, the
// elements of a one-dimensional array.
std::span<const TCtxValue> Elements(const TCtxValue& value, std::string_view type) {
  if (value.IsNull() || value.IsUnassigned()) return {};
  if (!value.IsArray()) RaiseDoesNotFit(value, type, "it takes a variant array or Null");
  const TCtxArray& array = value.ArrayPayload();
  if (array.DimensionCount() != 1) RaiseDoesNotFit(value, type, "it takes a one-dimensional array");
  return array.Elements();
}

void Write(QDBusArgument& out, std::string_view type, const TCtxValue& value);

void WriteArray(QDBusArgument& out, std::string_view type, const TCtxValue& value) {
  const std::string_view element = type.substr(1);
  if (element == "y" && value.IsString()) {
    const std::string_view bytes = value.StringPayload();
    out << QByteArray(bytes.data(), qsizetype(bytes.size()));
    return;
  }
  const std::span<const TCtxValue> items = Elements(value, type);
  out.beginArray(MetaTypeOfSignature(element));
  for (const TCtxValue& item : items) Write(out, element, item);
  out.endArray();
}

// Key and value pairs, from [[k, v], ...] or from [k, v, k, v, ...].
std::vector<std::pair<const TCtxValue*, const TCtxValue*>> Pairs(const TCtxValue& value,
                                                                 std::string_view type) {
  const std::span<const TCtxValue> items = Elements(value, type);
  std::vector<std::pair<const TCtxValue*, const TCtxValue*>> pairs;
  if (!items.empty() && items[0].IsArray()) {
    for (const TCtxValue& item : items) {
      const std::span<const TCtxValue> pair = Elements(item, type);
      if (pair.size() != 2) RaiseDoesNotFit(item, type, "a pair holds a name and a value");
      pairs.emplace_back(&pair[0], &pair[1]);
    }
    return pairs;
  }
  if (items.size() % 2 != 0)
    RaiseDoesNotFit(value, type, "it takes names and values in turn, an even count");
  for (std::size_t i = 0; i < items.size(); i += 2) pairs.emplace_back(&items[i], &items[i + 1]);
  return pairs;
}

void WriteDictionary(QDBusArgument& out, std::string_view type, const TCtxValue& value) {
  const std::string_view key = type.substr(2, 1);
  const std::string_view entry = type.substr(3, type.size() - 4);
  const auto pairs = Pairs(value, type);
  out.beginMap(MetaTypeOfSignature(key), MetaTypeOfSignature(entry));
  for (const auto& [name, item] : pairs) {
    out.beginMapEntry();
    Write(out, key, *name);
    Write(out, entry, *item);
    out.endMapEntry();
  }
  out.endMap();
}

void WriteStructure(QDBusArgument& out, std::string_view type, const TCtxValue& value) {
  const std::vector<std::string_view> fields = *SplitSignature(type.substr(1, type.size() - 2));
  const std::span<const TCtxValue> items = Elements(value, type);
  if (items.size() != fields.size())
    RaiseDoesNotFit(value, type, "it takes an array with one element per field");
  out.beginStructure();
  for (std::size_t i = 0; i < fields.size(); ++i) Write(out, fields[i], items[i]);
  out.endStructure();
}

void Write(QDBusArgument& out, std::string_view type, const TCtxValue& value) {
  if (type == "v")
    out << QDBusVariant(ToDBusVariant(value));
  else if (type[0] == '(')
    WriteStructure(out, type, value);
  else if (type.substr(0, 2) == "a{")
    WriteDictionary(out, type, value);
  else if (type[0] == 'a')
    WriteArray(out, type, value);
  else
    out.appendVariant(Basic(type[0], value));
}

// ---- D-Bus to script -----------------------------------------------------------------------

TCtxValue WholeValue(long double number) {
  if (number >= std::numeric_limits<std::int32_t>::min() &&
      number <= std::numeric_limits<std::int32_t>::max())
    return TCtxValue::Integer(static_cast<std::int32_t>(number));
  return TCtxValue::Floating(static_cast<double>(number));
}

TCtxValue Bytes(const QByteArray& bytes) {
  return TCtxValue::String(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

TCtxValue FromArgument(const QDBusArgument& argument);

TCtxValue ArrayFromArgument(const QDBusArgument& argument) {
  if (argument.currentSignature() == u"ay") {
    QByteArray bytes;
    argument >> bytes;
    return Bytes(bytes);
  }
  std::vector<TCtxValue> elements;
  argument.beginArray();
  while (!argument.atEnd()) elements.push_back(FromArgument(argument));
  argument.endArray();
  return TCtxValue::Array(TCtxArray(0, std::move(elements)));
}

TCtxValue DictionaryFromArgument(const QDBusArgument& argument) {
  std::vector<TCtxValue> elements;
  argument.beginMap();
  while (!argument.atEnd()) {
    argument.beginMapEntry();
    elements.push_back(FromArgument(argument));
    elements.push_back(FromArgument(argument));
    argument.endMapEntry();
  }
  argument.endMap();
  return TCtxValue::Array(TCtxArray(0, std::move(elements)));
}

TCtxValue StructureFromArgument(const QDBusArgument& argument) {
  std::vector<TCtxValue> elements;
  argument.beginStructure();
  while (!argument.atEnd()) elements.push_back(FromArgument(argument));
  argument.endStructure();
  return TCtxValue::Array(TCtxArray(0, std::move(elements)));
}

TCtxValue FromArgument(const QDBusArgument& argument) {
  switch (argument.currentType()) {
    case QDBusArgument::BasicType:
    case QDBusArgument::VariantType: return FromDBus(argument.asVariant());
    case QDBusArgument::ArrayType: return ArrayFromArgument(argument);
    case QDBusArgument::MapType: return DictionaryFromArgument(argument);
    case QDBusArgument::StructureType: return StructureFromArgument(argument);
    default: break;
  }
  throw ECtxScriptError::CreateFmt("A D-Bus value of type %s has no script value",
                                   {argument.currentSignature().toStdString()});
}

TCtxValue StringList(const QStringList& list) {
  std::vector<TCtxValue> elements;
  elements.reserve(std::size_t(list.size()));
  for (const QString& text : list) elements.push_back(StringValue(text));
  return TCtxValue::Array(TCtxArray(0, std::move(elements)));
}

}  // namespace

QVariant ToDBus(std::string_view type, const TCtxValue& value) {
  if (IsBasicType(type)) return Basic(type[0], value);
  if (type == "v") return QVariant::fromValue(QDBusVariant(ToDBusVariant(value)));
  QDBusArgument argument;
  Write(argument, type, value);
  return QVariant::fromValue(argument);
}

QVariant ToDBusVariant(const TCtxValue& value) {
  if (value.IsArray()) {
    QVariantList list;  // sent as av
    for (const TCtxValue& element : Elements(value, "av")) list.append(ToDBusVariant(element));
    return list;
  }
  switch (value.Type()) {
    case TCtxType::Integer: return QVariant(value.IntegerPayload());
    case TCtxType::SmallInt: return QVariant::fromValue(short(value.IntegerPayload()));
    case TCtxType::Byte: return QVariant::fromValue(uchar(value.IntegerPayload()));
    case TCtxType::Single:
    case TCtxType::Floating:
    case TCtxType::Currency:
    case TCtxType::Date: return QVariant(ToFloating(value));
    case TCtxType::Boolean: return QVariant(value.BooleanPayload());
    case TCtxType::String:
    case TCtxType::WideString: return QVariant(QtText(value.StringPayload()));
    case TCtxType::Automation:
      if (TDBusObject::Of(value)) return ObjectPath(value);
      break;
    default: break;
  }
  RaiseDoesNotFit(value, "v", "D-Bus has no value of its kind");
}

TCtxValue FromDBus(const QVariant& value) {
  const QMetaType type = value.metaType();
  if (type == QMetaType::fromType<QDBusArgument>())
    return FromArgument(qvariant_cast<QDBusArgument>(value));
  if (type == QMetaType::fromType<QDBusVariant>())
    return FromDBus(qvariant_cast<QDBusVariant>(value).variant());
  if (type == QMetaType::fromType<QDBusObjectPath>())
    return StringValue(qvariant_cast<QDBusObjectPath>(value).path());
  if (type == QMetaType::fromType<QDBusSignature>())
    return StringValue(qvariant_cast<QDBusSignature>(value).signature());
  switch (type.id()) {
    case QMetaType::UChar: return TCtxValue::Byte(value.value<uchar>());
    case QMetaType::Short: return TCtxValue::SmallInt(value.value<short>());
    case QMetaType::UShort:
    case QMetaType::Int: return TCtxValue::Integer(value.toInt());
    case QMetaType::UInt: return WholeValue(value.toUInt());
    case QMetaType::LongLong: return WholeValue(static_cast<long double>(value.toLongLong()));
    case QMetaType::ULongLong: return WholeValue(static_cast<long double>(value.toULongLong()));
    case QMetaType::Bool: return TCtxValue::Boolean(value.toBool());
    case QMetaType::Double: return TCtxValue::Floating(value.toDouble());
    case QMetaType::QString: return StringValue(value.toString());
    case QMetaType::QByteArray: return Bytes(value.toByteArray());
    case QMetaType::QStringList: return StringList(value.toStringList());
    default: break;
  }
  const char* signature = QDBusMetaType::typeToSignature(type);
  throw ECtxScriptError::CreateFmt("A D-Bus value of type %s has no script value",
                                   {signature ? signature : type.name()});
}

}  // namespace zendrik
