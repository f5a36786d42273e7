#include "script/runtime/value.h"

#include <QObject>
#include <QPointer>
#include <limits>
#include <memory>
#include <new>
#include <utility>

#include "script/runtime/automation.h"
#include "script/runtime/errors.h"

namespace zendrik {

// Shared by the copies of one `ObjectValue`: the guard turns nil when the object is destroyed,
// the address stays for the "Invalid object at $..." text.
struct TCtxObjectHolder {
  TCtxObjectHolder() = default;
  TCtxObjectHolder(const TCtxObjectHolder&) = delete;
  TCtxObjectHolder& operator=(const TCtxObjectHolder&) = delete;
  ~TCtxObjectHolder() {
    if (owns) std::unique_ptr<QObject> owned(guard.data());
  }

  std::size_t refs = 1;
  QPointer<QObject> guard;
  const void* address = nullptr;
  bool owns = false;  // the object goes with the last copy of the value
};

TCtxValue& TCtxValue::AssignManaged(const TCtxValue& other) {
  if (this == &other) return *this;
  if (other.managed_ && other.IsString()) {  // retained before the old payload goes
    TCtxString::Retain(other.payload_.string);
    if (managed_) ReleaseManaged();
    type_ = other.type_;
    managed_ = true;
    payload_ = other.payload_;
    return *this;
  }
  TCtxValue copy(other);
  *this = std::move(copy);
  return *this;
}

void TCtxValue::CopyManagedOther() {
  if (IsArray())
    payload_.array = std::make_unique<TCtxArray>(*payload_.array).release();  // owned by this value
  else if (Is(TCtxType::Automation))
    ++payload_.automation->refs_;
  else
    ++payload_.object->refs;
}

void TCtxValue::ReleaseManagedOther() noexcept {
  if (IsArray()) {
    std::unique_ptr<TCtxArray> owned(payload_.array);
  } else if (Is(TCtxType::Automation)) {
    if (--payload_.automation->refs_ == 0)
      std::unique_ptr<TCtxAutomationObject> owned(payload_.automation);
  } else if (--payload_.object->refs == 0) {
    std::unique_ptr<TCtxObjectHolder> owned(payload_.object);
  }
}

TCtxValue TCtxValue::String(TCtxString text) noexcept {
  TCtxValue v = Plain(TCtxType::String);
  v.payload_.string = std::exchange(text.rep_, nullptr);
  v.managed_ = true;
  return v;
}

TCtxValue TCtxValue::WideString(std::string_view text) {
  TCtxValue v = String(TCtxString(text));
  v.type_ = static_cast<std::uint16_t>(TCtxType::WideString);
  return v;
}

TCtxValue TCtxValue::Object(QObject* object) {
  TCtxValue v = Plain(TCtxType::Object);
  if (object) {
    auto holder = std::make_unique<TCtxObjectHolder>();
    holder->guard = object;
    holder->address = object;
    v.payload_.object = holder.release();  // shared by the copies, freed with the last
    v.managed_ = true;
  }
  return v;
}

TCtxValue TCtxValue::OwnedObject(std::unique_ptr<QObject> object) {
  TCtxValue v = Object(object.get());
  if (object) v.payload_.object->owns = true;
  static_cast<void>(object.release());  // the values own it from here on
  return v;
}

TCtxValue TCtxValue::Array(TCtxArray array) {
  TCtxValue v;
  v.payload_.array = std::make_unique<TCtxArray>(std::move(array)).release();  // owned by the value
  v.type_ = kCtxArrayFlag | static_cast<std::uint16_t>(TCtxType::Variant);
  v.managed_ = true;
  return v;
}

TCtxValue TCtxValue::Automation(std::unique_ptr<TCtxAutomationObject> object) {
  TCtxValue v = Plain(TCtxType::Automation);
  if (object) {
    object->refs_ = 1;
    v.payload_.automation = object.release();  // shared by the copies, freed with the last
    v.managed_ = true;
  }
  return v;
}

TCtxString TCtxValue::SharedString() const {
  TCtxString::Retain(payload_.string);
  return TCtxString(payload_.string);
}

QObject* TCtxValue::ToObject() const {
  if (!IsObject()) throw EVariantError(std::string(kVariantNotAnObject));
  return payload_.object ? payload_.object->guard.data() : nullptr;
}

const void* TCtxValue::ObjectAddress() const noexcept {
  return IsObject() && payload_.object ? payload_.object->address : nullptr;
}

bool TCtxValue::ObjectAlive() const noexcept {
  return !IsObject() || !payload_.object || !payload_.object->guard.isNull();
}

template <class Change>
void TCtxValue::ChangeString(Change change) {
  TCtxString text(std::exchange(payload_.string, nullptr));  // adopts the payload's share
  try {
    change(text);
  } catch (...) {
    payload_.string = std::exchange(text.rep_, nullptr);
    throw;
  }
  payload_.string = std::exchange(text.rep_, nullptr);
}

void TCtxValue::SetStringByte(std::size_t position, char byte) {
  ChangeString([&](TCtxString& text) { text.MutableData()[position - 1] = byte; });
}

void TCtxValue::AssignString(std::string_view text) {
  if (Is(TCtxType::String) && managed_ && TCtxString::CanOverwrite(payload_.string, text.size())) {
    TCtxString::Overwrite(payload_.string, text);
    return;
  }
  *this = String(text);
}

void TCtxValue::AppendToString(std::string_view tail) {
  ChangeString([&](TCtxString& text) { text.Append(tail); });
}

bool TCtxValue::HoldsUniqueString() const noexcept {
  return IsString() && (!managed_ || TCtxString::IsUniqueRep(payload_.string));
}

// ---------------------------------------------------------------------------------------------

namespace {

[[noreturn]] void RaiseCreateError() { throw EVariantError(std::string(kVariantArrayCreateError)); }

std::size_t ElementCount(const std::vector<TCtxArrayBounds>& bounds) {
  std::int64_t count = 1;
  for (const TCtxArrayBounds& b : bounds) {
    const std::int64_t length = std::int64_t{b.High} - b.Low + 1;
    if (length < 0) RaiseCreateError();
    count *= length;
    if (count > std::numeric_limits<std::int32_t>::max()) RaiseCreateError();
  }
  if (static_cast<std::size_t>(count) > kMaxArrayElements) throw std::bad_alloc();
  return static_cast<std::size_t>(count);
}

}  // namespace

TCtxArray::TCtxArray(std::vector<TCtxArrayBounds> bounds)
    : bounds_(std::move(bounds)), elements_(ElementCount(bounds_)) {}

TCtxArray::TCtxArray(std::int32_t low, std::vector<TCtxValue> elements)
    : elements_(std::move(elements)) {
  const std::int64_t high = std::int64_t{low} + static_cast<std::int64_t>(elements_.size()) - 1;
  if (high > std::numeric_limits<std::int32_t>::max()) RaiseCreateError();
  if (elements_.size() > kMaxArrayElements) throw std::bad_alloc();
  bounds_.push_back({low, static_cast<std::int32_t>(high)});
}

const TCtxValue& TCtxArray::At(std::int32_t index) const {
  if (bounds_.size() != 1 || index < bounds_[0].Low || index > bounds_[0].High) {
    throw EVariantError(std::string(kVariantIndexOutOfBounds));
  }
  return elements_[static_cast<std::size_t>(std::int64_t{index} - bounds_[0].Low)];
}

TCtxValue& TCtxArray::At(std::int32_t index) {
  return const_cast<TCtxValue&>(std::as_const(*this).At(index));
}

std::size_t TCtxArray::Offset(const std::vector<std::int32_t>& indices) const {
  if (indices.size() != bounds_.size()) throw EVariantError(std::string(kVariantIndexOutOfBounds));
  std::size_t offset = 0;
  for (std::size_t d = 0; d < bounds_.size(); ++d) {
    const TCtxArrayBounds& b = bounds_[d];
    if (indices[d] < b.Low || indices[d] > b.High)
      throw EVariantError(std::string(kVariantIndexOutOfBounds));
    offset = offset * static_cast<std::size_t>(b.Length()) +
             static_cast<std::size_t>(std::int64_t{indices[d]} - b.Low);
  }
  return offset;
}

const TCtxValue& TCtxArray::At(const std::vector<std::int32_t>& indices) const {
  return elements_[Offset(indices)];
}

TCtxValue& TCtxArray::At(const std::vector<std::int32_t>& indices) {
  return elements_[Offset(indices)];
}

}  // namespace zendrik
