#pragma once

#include <QMetaProperty>
#include <QString>

#include <string_view>

class QObject;

namespace zendrik {

class TCtxValue;

/// Script bytes as the text Qt keeps: UTF-8 when they are valid UTF-8, else Latin-1.
QString TextOf(std::string_view bytes);
/// A String value holding `text` in UTF-8.
TCtxValue StringValue(const QString& text);

/// Reads a published property (a Q_PROPERTY) as a script value: integer types and characters
/// as Integers (beyond 32 bits as Floating), bool as Boolean, enumerations and flags as their
/// number, floating point as Floating, QString (UTF-8) and QByteArray as strings, object
/// pointers as object values, QVariant by what it holds. Any other type raises "Invalid
/// property type: %s.%s" with the class and property name.
TCtxValue GetPropertyValue(QObject& instance, const QMetaProperty& property);

/// Writes a script value into a published property by the same kinds: numbers are truncated
/// and must fit the property's type, enumerations take an element name, a boolean or a number,
/// flags a mask or "[a,b]" names, strings a text (UTF-8 on the Qt side when valid, else
/// Latin-1), object pointers an object value of a fitting class (a nil one clears them). A
/// value that does not fit raises "Error assigning property: %s", an unknown element name
/// "Ungültiges Eigenschaftselement: %s"; the property is then unchanged.
void SetPropertyValue(QObject& instance, const QMetaProperty& property, const TCtxValue& value);

}  // namespace zendrik
