#include "script/library/property_values.h"

#include <QByteArray>
#include <QChar>
#include <QMetaEnum>
#include <QObject>
#include <QString>
#include <QVariant>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "base/ascii.h"
#include "script/library/introspector.h"
#include "script/library/qt_text.h"
#include "script/runtime/conversions.h"
#include "script/runtime/errors.h"
#include "script/runtime/value.h"

namespace zendrik {

namespace {

[[noreturn]] void RaiseAssignError(const QMetaProperty& property) {
  throw ECtxScriptError::CreateFmt("Error assigning property: %s", {property.name()});
}

[[noreturn]] void RaiseUnknownElement(std::string_view name) {
  throw ECtxScriptError::CreateFmt("Ung\xC3\xBCltiges Eigenschaftselement: %s", {name});
}

TCtxValue NumberValue(long double number) {
  if (number >= std::numeric_limits<std::int32_t>::min() &&
      number <= std::numeric_limits<std::int32_t>::max())
    return TCtxValue::Integer(static_cast<std::int32_t>(number));
  return TCtxValue::Floating(static_cast<double>(number));
}

// A script value from a QVariant of a plain kind; nothing for the kinds scripts have no value of.
std::optional<TCtxValue> FromVariant(const QVariant& variant) {
  switch (variant.metaType().id()) {
    case QMetaType::UnknownType: return TCtxValue::Null();
    case QMetaType::Nullptr: return TCtxValue::Null();
    case QMetaType::Bool: return TCtxValue::Boolean(variant.toBool());
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt: return NumberValue(variant.toLongLong());
    case QMetaType::QChar: return TCtxValue::Integer(variant.toChar().unicode());
    case QMetaType::Long:
    case QMetaType::LongLong: return TCtxValue::Floating(static_cast<double>(variant.toLongLong()));
    case QMetaType::ULong:
    case QMetaType::ULongLong:
      return TCtxValue::Floating(static_cast<double>(variant.toULongLong()));
    case QMetaType::Float:
    case QMetaType::Double: return TCtxValue::Floating(variant.toDouble());
    case QMetaType::QString: return StringValue(variant.toString());
    case QMetaType::QByteArray: {
      const QByteArray bytes = variant.toByteArray();
      return TCtxValue::String(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    }
    default: break;
  }
  if (variant.metaType().flags() & QMetaType::PointerToQObject)
    return TCtxValue::Object(variant.value<QObject*>());
  return std::nullopt;
}

// A QVariant holding a script value of a plain kind.
QVariant ToVariant(const TCtxValue& value) {
  switch (value.Type()) {
    case TCtxType::Unassigned:
    case TCtxType::Null: return QVariant();
    case TCtxType::Boolean: return QVariant(value.BooleanPayload());
    case TCtxType::SmallInt:
    case TCtxType::Integer:
    case TCtxType::Byte: return QVariant(value.IntegerPayload());
    case TCtxType::String:
    case TCtxType::WideString: return QVariant(QtText(value.StringPayload()));
    case TCtxType::Object: return QVariant::fromValue(value.ToObject());
    default: return QVariant(ToFloating(value));
  }
}

// The value truncated toward zero, when it lies within low .. high.
std::optional<long double> Truncated(const TCtxValue& value, long double low, long double high) {
  const long double number = std::trunc(static_cast<long double>(ToFloating(value)));
  if (!(number >= low && number <= high)) return std::nullopt;
  return number;
}

// Range of an integer property's type; read as unsigned when its maximum is not above its minimum
// as signed numbers.
bool IntegerRange(int typeId, long double& low, long double& high) {
  switch (typeId) {
    case QMetaType::Char:
    case QMetaType::SChar:
      low = -128;
      high = 127;
      return true;
    case QMetaType::UChar:
      low = 0;
      high = 255;
      return true;
    case QMetaType::Short:
      low = -32768;
      high = 32767;
      return true;
    case QMetaType::UShort:
    case QMetaType::QChar:
      low = 0;
      high = 65535;
      return true;
    case QMetaType::Int:
      low = std::numeric_limits<std::int32_t>::min();
      high = std::numeric_limits<std::int32_t>::max();
      return true;
    case QMetaType::UInt:
      low = 0;
      high = std::numeric_limits<std::uint32_t>::max();
      return true;
    case QMetaType::Long:
    case QMetaType::LongLong:
      low = static_cast<long double>(std::numeric_limits<std::int64_t>::min());
      high = static_cast<long double>(std::numeric_limits<std::int64_t>::max());
      return true;
    case QMetaType::ULong:
    case QMetaType::ULongLong:
      low = 0;
      high = static_cast<long double>(std::numeric_limits<std::uint64_t>::max());
      return true;
    default: return false;
  }
}

QVariant IntegerVariant(int typeId, long double number) {
  QVariant variant(static_cast<qlonglong>(number));
  if (typeId == QMetaType::ULong || typeId == QMetaType::ULongLong)
    variant = QVariant(static_cast<qulonglong>(number));
  variant.convert(QMetaType(typeId));
  return variant;
}

// The value of the element `name` of an enumeration or flags, names compared without regard
// to case.
int EnumeratorValue(const QMetaEnum& enumerator, std::string_view name) {
  for (int i = 0; i < enumerator.keyCount(); ++i)
    if (SameText(enumerator.key(i), name)) return enumerator.value(i);
  RaiseUnknownElement(name);
}

bool EnumeratorHasValue(const QMetaEnum& enumerator, int value) {
  for (int i = 0; i < enumerator.keyCount(); ++i)
    if (enumerator.value(i) == value) return true;
  return false;
}

QVariant EnumVariant(const QMetaProperty& property, const TCtxValue& value) {
  const QMetaEnum enumerator = property.enumerator();
  int number;
  if (value.IsString()) {
    number = EnumeratorValue(enumerator, value.StringPayload());
  } else if (value.Is(TCtxType::Boolean)) {
    number = value.BooleanPayload() ? 1 : 0;
  } else {
    const auto truncated =
        Truncated(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    if (!truncated) RaiseAssignError(property);
    number = static_cast<int>(*truncated);
  }
  if (!EnumeratorHasValue(enumerator, number)) RaiseAssignError(property);
  return QVariant(number);
}

// A set: a number is the mask; anything else is "[a,b]", the names of its elements.
QVariant FlagsVariant(const QMetaProperty& property, const TCtxValue& value) {
  const QMetaEnum enumerator = property.enumerator();
  if (value.Is(TCtxType::Integer)) return QVariant(value.IntegerPayload());
  const std::string text = ToStringPlain(value);
  std::string_view names = Trim(text);
  if (names.size() >= 2 && names.front() == '[' && names.back() == ']')
    names = names.substr(1, names.size() - 2);
  int mask = 0;
  while (!names.empty()) {
    const std::size_t comma = names.find(',');
    const std::string_view name = Trim(names.substr(0, comma));
    if (!name.empty()) mask |= EnumeratorValue(enumerator, name);
    names = comma == std::string_view::npos ? std::string_view() : names.substr(comma + 1);
  }
  return QVariant(mask);
}

QVariant ObjectVariant(const QMetaProperty& property, const TCtxValue& value) {
  QObject* object = value.ToObject();
  if (!object) return QVariant(property.metaType());  // a null pointer of the property's type
  const QMetaObject* accepted = property.metaType().metaObject();
  if (!accepted || !object->metaObject()->inherits(accepted)) RaiseAssignError(property);
  QVariant variant = QVariant::fromValue(object);
  if (!variant.convert(property.metaType())) RaiseAssignError(property);
  return variant;
}

QVariant PropertyVariant(const QMetaProperty& property, const TCtxValue& value) {
  const int typeId = property.metaType().id();
  const bool objectType = (property.metaType().flags() & QMetaType::PointerToQObject) != 0;
  if (value.IsObject()) {
    if (!objectType) RaiseAssignError(property);
    return ObjectVariant(property, value);
  }
  if (objectType) RaiseAssignError(property);
  if (property.isFlagType()) return FlagsVariant(property, value);
  if (property.isEnumType()) return EnumVariant(property, value);
  long double low, high;
  if (IntegerRange(typeId, low, high)) {
    const auto number = Truncated(value, low, high);
    if (!number) RaiseAssignError(property);
    return IntegerVariant(typeId, *number);
  }
  switch (typeId) {
    case QMetaType::Bool: {
      if (value.IsString()) {
        if (SameText(Trim(value.StringPayload()), "True")) return QVariant(true);
        if (SameText(Trim(value.StringPayload()), "False")) return QVariant(false);
        RaiseUnknownElement(value.StringPayload());
      }
      if (value.Is(TCtxType::Boolean)) return QVariant(value.BooleanPayload());
      const auto number = Truncated(value, 0, 1);
      if (!number) RaiseAssignError(property);
      return QVariant(*number != 0);
    }
    case QMetaType::Double: return QVariant(ToFloating(value));
    case QMetaType::Float: return QVariant(static_cast<float>(ToFloating(value)));
    case QMetaType::QString: return QVariant(QtText(ToStringPlain(value)));
    case QMetaType::QByteArray: {
      const std::string bytes = ToStringPlain(value);
      return QVariant(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    case QMetaType::QVariant: return ToVariant(value);
    default: RaiseAssignError(property);
  }
}

// A class names its event properties in its class information ("event NAME" -> the name of the
// handler type), since a handler has no script value; null for any other property.
const char* EventTypeName(const QObject& instance, const QMetaProperty& property) {
  const QMetaObject& meta = *instance.metaObject();
  const int info = meta.indexOfClassInfo(("event " + std::string(property.name())).c_str());
  return info >= 0 ? meta.classInfo(info).value() : nullptr;
}

}  // namespace

TCtxValue GetPropertyValue(QObject& instance, const QMetaProperty& property) {
  if (const char* eventType = EventTypeName(instance, property))
    return TCtxValue::String(eventType);
  const QVariant variant = property.read(&instance);
  if (property.isEnumType() || property.isFlagType()) return TCtxValue::Integer(variant.toInt());
  // An unreadable property of a fixed type has no value; an empty QVariant property reads as Null.
  std::optional<TCtxValue> value;
  if (variant.isValid() || property.metaType().id() == QMetaType::QVariant)
    value = FromVariant(variant);
  if (!value)
    throw ECtxScriptError::CreateFmt("Invalid property type: %s.%s",
                                     {ClassDisplayName(*instance.metaObject()), property.name()});
  return *value;
}

bool HasScriptValue(const QMetaProperty& property) {
  if (property.isEnumType() || property.isFlagType()) return true;
  const QMetaType type = property.metaType();
  if (type.id() == QMetaType::QVariant) return true;
  // The kinds FromVariant knows, asked with a value of the type made for the question.
  return type.isValid() && FromVariant(QVariant(type)).has_value();
}

void SetPropertyValue(QObject& instance, const QMetaProperty& property, const TCtxValue& value) {
  const QVariant variant = PropertyVariant(property, value);
  if (!property.isWritable() || !property.write(&instance, variant)) RaiseAssignError(property);
}

}  // namespace zendrik
