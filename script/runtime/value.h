#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script/runtime/shared_string.h"

class QObject;

namespace zendrik {

/// Type codes of script values. Codes 0 to 17 and the two flags are those of an automation
/// variant; 14 and 16 are the engine's object and reference kinds, 0x100 its 8-bit string.
enum class TCtxType : std::uint16_t {
  Unassigned = 0,
  Null = 1,
  SmallInt = 2,    // 16-bit integer from a host
  Integer = 3,     // 32-bit integer
  Single = 4,      // 32-bit float from a host
  Floating = 5,    // double
  Currency = 6,    // 64-bit fixed point, value times 10000
  Date = 7,        // double, days since 30 December 1899
  WideString = 8,  // automation string from a host; held as 8-bit text
  Automation = 9,  // automation object: a counted object of the automation server
  ErrorCode = 10,
  Boolean = 11,
  Variant = 12,  // element code of the engine's arrays
  Unknown = 13,
  Object = 14,     // `ObjectValue`: plain reference to a host object
  Reference = 16,  // `ReferenceValue`: designates a cell of the variable stack
  Byte = 17,
  String = 0x100,
};

inline constexpr std::uint16_t kCtxArrayFlag = 0x2000;
inline constexpr std::uint16_t kCtxByRefFlag = 0x4000;

/// Currency amount: signed 64-bit fixed point with four decimals (Scaled = amount * 10000).
struct TCtxCurrency {
  std::int64_t Scaled = 0;
  friend bool operator==(TCtxCurrency, TCtxCurrency) = default;
};

inline constexpr std::int64_t kCtxCurrencyScale = 10000;

class TCtxArray;
class TCtxAutomationObject;
struct TCtxObjectHolder;

/// One script value: a type code and an 8-byte payload, 16 bytes in all. Copying an integer,
/// floating, boolean, currency, date, reference or shared string never allocates; strings are
/// shared until written, arrays are copied deeply, objects are watched so that a destroyed
/// object is noticed instead of being touched.
class TCtxValue {
 public:
  TCtxValue() noexcept = default;  // Unassigned
  TCtxValue(const TCtxValue& other)
      : type_(other.type_), managed_(other.managed_), payload_(other.payload_) {
    if (managed_) CopyManaged();
  }
  TCtxValue(TCtxValue&& other) noexcept
      : type_(other.type_), managed_(other.managed_), payload_(other.payload_) {
    other.type_ = 0;
    other.managed_ = false;
  }
  // Plain kinds (numbers, booleans, references) are copied as bits without a call.
  TCtxValue& operator=(const TCtxValue& other) {
    if (!managed_ && !other.managed_) {
      type_ = other.type_;
      payload_ = other.payload_;
      return *this;
    }
    return AssignManaged(other);
  }
  TCtxValue& operator=(TCtxValue&& other) noexcept {
    if (this != &other) {
      if (managed_) ReleaseManaged();
      type_ = other.type_;
      managed_ = other.managed_;
      payload_ = other.payload_;
      other.type_ = 0;
      other.managed_ = false;
    }
    return *this;
  }
  ~TCtxValue() {
    if (managed_) ReleaseManaged();
  }

  /// Makes this value the Integer `value` (the quick form of `= Integer(value)`).
  void AssignInteger(std::int32_t value) noexcept {
    if (managed_) ReleaseManaged();
    type_ = static_cast<std::uint16_t>(TCtxType::Integer);
    managed_ = false;
    payload_.integer = value;
  }
  /// Makes this value the String `text`, reusing its own buffer when it holds a string that no
  /// other value shares and that has room.
  void AssignString(std::string_view text);
  /// Makes this value Unassigned.
  void Clear() noexcept {
    if (managed_) ReleaseManaged();
    type_ = 0;
    managed_ = false;
  }
  /// Makes this value the Boolean `value`.
  void AssignBoolean(bool value) noexcept {
    if (managed_) ReleaseManaged();
    type_ = static_cast<std::uint16_t>(TCtxType::Boolean);
    managed_ = false;
    payload_.boolean = value;
  }

  static TCtxValue Unassigned() noexcept { return TCtxValue(); }
  static TCtxValue Null() noexcept { return Plain(TCtxType::Null); }
  static TCtxValue Integer(std::int32_t value) noexcept {
    return Scalar(TCtxType::Integer, &Payload::integer, value);
  }
  static TCtxValue SmallInt(std::int16_t value) noexcept {
    return Scalar(TCtxType::SmallInt, &Payload::integer, value);
  }
  static TCtxValue Byte(std::uint8_t value) noexcept {
    return Scalar(TCtxType::Byte, &Payload::integer, value);
  }
  static TCtxValue Floating(double value) noexcept {
    return Scalar(TCtxType::Floating, &Payload::floating, value);
  }
  static TCtxValue Single(float value) noexcept {
    return Scalar(TCtxType::Single, &Payload::floating, value);
  }
  static TCtxValue Currency(TCtxCurrency value) noexcept {
    return Scalar(TCtxType::Currency, &Payload::currency, value.Scaled);
  }
  static TCtxValue Date(double daysSince1899) noexcept {
    return Scalar(TCtxType::Date, &Payload::floating, daysSince1899);
  }
  static TCtxValue Boolean(bool value) noexcept {
    return Scalar(TCtxType::Boolean, &Payload::boolean, value);
  }
  static TCtxValue String(TCtxString text) noexcept;
  static TCtxValue String(std::string_view text) { return String(TCtxString(text)); }
  static TCtxValue String(const char* text) { return String(TCtxString(text)); }
  static TCtxValue String(const std::string& text) { return String(TCtxString(text)); }
  static TCtxValue WideString(std::string_view text);
  /// `ObjectValue` of `object` (may be nil); the value notices when the object is destroyed.
  static TCtxValue Object(QObject* object);
  /// `ObjectValue` that owns `object`: it is destroyed with the last copy of the value, so that
  /// an object a script makes (a directory search) is freed when its variable is overwritten or
  /// the run's variables are cleared. Copies notice when it is destroyed earlier by another way.
  static TCtxValue OwnedObject(std::unique_ptr<QObject> object);
  /// `ReferenceValue` designating stack cell `cell`.
  static TCtxValue Reference(std::int32_t cell) noexcept {
    return Scalar(TCtxType::Reference, &Payload::integer, cell);
  }
  static TCtxValue Array(TCtxArray array);
  /// An automation object value holding `object`, which the copies of the value share and the
  /// last of them destroys; a null `object` gives one that holds no object.
  static TCtxValue Automation(std::unique_ptr<TCtxAutomationObject> object);
  /// A value of a kind that carries no payload here (Automation without interface, ErrorCode,
  /// Unknown, ...); used for values that arrive from hosts and for tests of the operators.
  static TCtxValue OfBareType(std::uint16_t typeCode) noexcept {
    return Plain(static_cast<TCtxType>(typeCode));
  }

  /// The full type code, flags included (an array is kCtxArrayFlag | Variant).
  std::uint16_t TypeCode() const noexcept { return type_; }
  /// The type code without the array and by-reference flags.
  TCtxType Type() const noexcept { return static_cast<TCtxType>(type_ & 0x0FFF); }
  bool Is(TCtxType type) const noexcept { return type_ == static_cast<std::uint16_t>(type); }
  bool IsUnassigned() const noexcept { return type_ == 0; }
  bool IsNull() const noexcept { return Is(TCtxType::Null); }
  bool IsArray() const noexcept { return (type_ & kCtxArrayFlag) != 0; }
  bool IsString() const noexcept { return Is(TCtxType::String) || Is(TCtxType::WideString); }
  bool IsObject() const noexcept { return Is(TCtxType::Object); }
  bool IsReference() const noexcept { return Is(TCtxType::Reference); }

  // Raw payloads; each is meaningful only for the kinds named.
  /// Integer, SmallInt, Byte.
  std::int32_t IntegerPayload() const noexcept { return payload_.integer; }
  /// Floating, Single (widened), Date.
  double FloatingPayload() const noexcept { return payload_.floating; }
  TCtxCurrency CurrencyPayload() const noexcept { return TCtxCurrency{payload_.currency}; }
  bool BooleanPayload() const noexcept { return payload_.boolean; }
  /// String, WideString.
  std::string_view StringPayload() const noexcept { return TCtxString::ViewOf(payload_.string); }
  TCtxString SharedString() const;
  std::int32_t ReferenceCell() const noexcept { return payload_.integer; }
  const TCtxArray& ArrayPayload() const noexcept { return *payload_.array; }
  TCtxArray& MutableArray() noexcept { return *payload_.array; }
  /// The object of an Automation value, or null when it holds none (or is of another kind).
  TCtxAutomationObject* AutomationPayload() const noexcept {
    return Is(TCtxType::Automation) && managed_ ? payload_.automation : nullptr;
  }

  /// The object of an `ObjectValue`: nil when it was nil or has been destroyed. Raises
  /// "Variant is not an object" for any other kind.
  QObject* ToObject() const;
  /// The address the `ObjectValue` was made from, even if the object is gone.
  const void* ObjectAddress() const noexcept;
  /// False when the `ObjectValue` was made from an object that has since been destroyed.
  bool ObjectAlive() const noexcept;

  /// Replaces byte `position` (1-based) of a String value, unsharing it first. The caller
  /// checks that the position lies inside the string.
  void SetStringByte(std::size_t position, char byte);
  /// Appends to the text of a String value in place when no other value shares it (else the
  /// text is copied first); on failure the value is unchanged.
  void AppendToString(std::string_view tail);
  /// True when both are strings held in the same buffer.
  bool SharesStringWith(const TCtxValue& other) const noexcept {
    return managed_ && other.managed_ && IsString() && other.IsString() &&
           payload_.string != nullptr && payload_.string == other.payload_.string;
  }
  /// True for a string whose buffer no other value shares.
  bool HoldsUniqueString() const noexcept;

 private:
  static TCtxValue Plain(TCtxType type) noexcept {
    TCtxValue v;
    v.type_ = static_cast<std::uint16_t>(type);
    return v;
  }
  union Payload;
  template <class Field, class V>
  static TCtxValue Scalar(TCtxType type, Field Payload::*field, V value) noexcept {
    TCtxValue v = Plain(type);
    v.payload_.*field = static_cast<Field>(value);
    return v;
  }
  TCtxValue& AssignManaged(const TCtxValue& other);
  // Strings, the common managed kind, are counted inline; arrays and objects out of line.
  void CopyManaged() {
    if (IsString())
      TCtxString::Retain(payload_.string);
    else
      CopyManagedOther();
  }
  void ReleaseManaged() noexcept {
    if (IsString())
      TCtxString::Release(payload_.string);
    else
      ReleaseManagedOther();
  }
  void CopyManagedOther();
  void ReleaseManagedOther() noexcept;
  /// Runs `change` on the string payload as a TCtxString; the payload is restored whatever
  /// `change` does, so a failure leaves the value as it was.
  template <class Change>
  void ChangeString(Change change);

  std::uint16_t type_ = 0;
  bool managed_ = false;  // payload owns a string buffer, object holder or array
  union Payload {
    std::int64_t bits;
    std::int32_t integer;
    double floating;
    std::int64_t currency;
    bool boolean;
    TCtxString::Rep* string;
    TCtxObjectHolder* object;
    TCtxArray* array;
    TCtxAutomationObject* automation;
  } payload_{};
};

/// Bounds of one array dimension, both inclusive.
struct TCtxArrayBounds {
  std::int32_t Low = 0;
  std::int32_t High = -1;
  std::int32_t Length() const noexcept { return High - Low + 1; }
};

/// The most elements a variant array holds: 2^25 (half a GiB of values). A larger array is
/// refused as memory that is not there (std::bad_alloc, "Out of memory" to a script).
inline constexpr std::size_t kMaxArrayElements = std::size_t{1} << 25;

/// A variant array: bounds per dimension and the elements in row-major order, all Unassigned
/// at creation. A value, not a reference: copying copies every element.
class TCtxArray {
 public:
  /// Raises "Error creating variant or safe array" when a dimension has High < Low - 1 or the
  /// element count does not fit in 32 bits, std::bad_alloc beyond kMaxArrayElements.
  explicit TCtxArray(std::vector<TCtxArrayBounds> bounds);
  /// One dimension from `low` to low + elements.size() - 1 holding `elements`; the same errors.
  TCtxArray(std::int32_t low, std::vector<TCtxValue> elements);

  int DimensionCount() const noexcept { return static_cast<int>(bounds_.size()); }
  const TCtxArrayBounds& Bounds(int dimension) const {
    return bounds_.at(static_cast<std::size_t>(dimension));
  }
  /// Element `index` of the first dimension of a one-dimensional array; raises "Variant array
  /// index out of bounds" outside the bounds.
  const TCtxValue& At(std::int32_t index) const;
  TCtxValue& At(std::int32_t index);
  /// Elements with indices given for every dimension; same bounds error.
  const TCtxValue& At(const std::vector<std::int32_t>& indices) const;
  TCtxValue& At(const std::vector<std::int32_t>& indices);
  const std::vector<TCtxValue>& Elements() const noexcept { return elements_; }

 private:
  std::size_t Offset(const std::vector<std::int32_t>& indices) const;

  std::vector<TCtxArrayBounds> bounds_;
  std::vector<TCtxValue> elements_;
};

}  // namespace zendrik
