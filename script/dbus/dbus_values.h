#pragma once

// Script values to D-Bus values of a given type and back.
//
//   D-Bus type            from a script value                      to a script value
//   y n q i u x t         a number, rounded half to even, in range  Byte, SmallInt, Integer
//                                                                   (u x t beyond 32 bits:
//                                                                   Floating)
//   b                     the truth value                           Boolean
//   d                     the floating value                        Floating
//   s                     the text (UTF-8 when valid, else Latin-1) String (UTF-8)
//   o, g                  a text that is a valid path / signature;  String
//                         o also takes a D-Bus automation object
//   v                     by the value's kind: Integer i, SmallInt  the value it holds
//                         n, Byte y, numbers and dates d, Boolean
//                         b, String s, array av, D-Bus object o
//   ay                    a String's bytes, or an array             String (the bytes)
//   aT                    a one-dimensional array, or Null          array (low bound 0)
//   a{KV}                 an array of pairs [[k, v], ...], or the   array k1, v1, k2, v2, ...
//                         flat [k1, v1, k2, v2, ...], or Null
//   (T...)                an array with one element per field       array of the fields
//   h                     refused                                   refused

#include <QVariant>

#include <string_view>

#include "script/runtime/value.h"

namespace zendrik {

/// `value` as a D-Bus value of `type` (one valid complete type) in the form that a
/// QDBusMessage takes as an argument. Raises an error that says what does not fit.
QVariant ToDBus(std::string_view type, const TCtxValue& value);

/// `value` as the content of a D-Bus variant: the type follows the value's kind (table above).
QVariant ToDBusVariant(const TCtxValue& value);

/// A D-Bus value, as QtDBus delivers it in a message's arguments, as a script value.
TCtxValue FromDBus(const QVariant& value);

}  // namespace zendrik
