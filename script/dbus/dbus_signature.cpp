#include "script/dbus/dbus_signature.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusSignature>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <array>
#include <map>
#include <string>
#include <utility>

#include "script/runtime/errors.h"

namespace zendrik {

namespace {

constexpr std::string_view kBasicTypes = "ybnqiuxtdsogh";
constexpr int kMaxDepth = 32;

std::size_t CompleteTypeLength(std::string_view signature, int depth);

// "(" complete types ")", at least one.
std::size_t StructLength(std::string_view signature, int depth) {
  std::size_t at = 1;
  while (at < signature.size() && signature[at] != ')') {
    const std::size_t length = CompleteTypeLength(signature.substr(at), depth + 1);
    if (length == 0) return 0;
    at += length;
  }
  return at > 1 && at < signature.size() ? at + 1 : 0;
}

// "a{" basic key, complete value "}".
std::size_t DictLength(std::string_view signature, int depth) {
  if (signature.size() < 5 || kBasicTypes.find(signature[2]) == std::string_view::npos) return 0;
  const std::size_t value = CompleteTypeLength(signature.substr(3), depth + 1);
  if (value == 0 || 3 + value >= signature.size() || signature[3 + value] != '}') return 0;
  return 3 + value + 1;
}

std::size_t CompleteTypeLength(std::string_view signature, int depth) {
  if (signature.empty() || depth > kMaxDepth) return 0;
  const char code = signature[0];
  if (kBasicTypes.find(code) != std::string_view::npos || code == 'v') return 1;
  if (code == '(') return StructLength(signature, depth);
  if (code != 'a') return 0;
  if (signature.size() > 1 && signature[1] == '{') return DictLength(signature, depth);
  const std::size_t element = CompleteTypeLength(signature.substr(1), depth + 1);
  return element == 0 ? 0 : element + 1;
}

// Empty types that exist only to carry a signature: QtDBus needs a meta type for the element
// type of an array or the value type of a dictionary, and the types of a script's calls are
// known only when the call is made.
template <std::size_t N>
struct TSignatureCarrier {};

template <std::size_t... N>
std::array<QMetaType, sizeof...(N)> CarrierTypes(std::index_sequence<N...>) {
  return {QMetaType::fromType<TSignatureCarrier<N>>()...};
}

constexpr std::size_t kCarrierCount = 256;

// The carriers handed out so far, by signature.
class TCarrierPool {
 public:
  QMetaType For(std::string_view type) {
    const auto found = bySignature_.find(type);
    if (found != bySignature_.end()) return found->second;
    if (bySignature_.size() == carriers_.size())
      throw ECtxScriptError::CreateFmt(
          "D-Bus type %s: this run has used more than %d different container types",
          {type, static_cast<std::int64_t>(kCarrierCount)});
    const QMetaType carrier = carriers_[bySignature_.size()];
    QDBusMetaType::registerCustomType(carrier, QByteArray(type.data(), qsizetype(type.size())));
    bySignature_.emplace(std::string(type), carrier);
    return carrier;
  }

 private:
  std::array<QMetaType, kCarrierCount> carriers_ =
      CarrierTypes(std::make_index_sequence<kCarrierCount>());
  std::map<std::string, QMetaType, std::less<>> bySignature_;
};

QMetaType BasicMetaType(char code) {
  switch (code) {
    case 'y': return QMetaType::fromType<uchar>();
    case 'b': return QMetaType::fromType<bool>();
    case 'n': return QMetaType::fromType<short>();
    case 'q': return QMetaType::fromType<ushort>();
    case 'i': return QMetaType::fromType<int>();
    case 'u': return QMetaType::fromType<uint>();
    case 'x': return QMetaType::fromType<qlonglong>();
    case 't': return QMetaType::fromType<qulonglong>();
    case 'd': return QMetaType::fromType<double>();
    case 's': return QMetaType::fromType<QString>();
    case 'o': return QMetaType::fromType<QDBusObjectPath>();
    case 'g': return QMetaType::fromType<QDBusSignature>();
    case 'h': return QMetaType::fromType<QDBusUnixFileDescriptor>();
    default: return QMetaType::fromType<QDBusVariant>();
  }
}

}  // namespace

std::size_t CompleteTypeLength(std::string_view signature) {
  return CompleteTypeLength(signature, 0);
}

std::optional<std::vector<std::string_view>> SplitSignature(std::string_view signature) {
  std::vector<std::string_view> types;
  while (!signature.empty()) {
    const std::size_t length = CompleteTypeLength(signature);
    if (length == 0) return std::nullopt;
    types.push_back(signature.substr(0, length));
    signature.remove_prefix(length);
  }
  return types;
}

bool IsBasicType(std::string_view type) {
  return type.size() == 1 && kBasicTypes.find(type[0]) != std::string_view::npos;
}

QMetaType MetaTypeOfSignature(std::string_view type) {
  if (type.size() == 1) return BasicMetaType(type[0]);
  if (type == "as") return QMetaType::fromType<QStringList>();
  if (type == "ay") return QMetaType::fromType<QByteArray>();
  if (type == "av") return QMetaType::fromType<QVariantList>();
  if (type == "a{sv}") return QMetaType::fromType<QVariantMap>();
  static TCarrierPool pool;
  return pool.For(type);
}

std::string DescribeType(std::string_view type) {
  static const std::map<char, std::string_view> names = {{'y', "byte"},
                                                         {'b', "boolean"},
                                                         {'n', "int16"},
                                                         {'q', "uint16"},
                                                         {'i', "int32"},
                                                         {'u', "uint32"},
                                                         {'x', "int64"},
                                                         {'t', "uint64"},
                                                         {'d', "double"},
                                                         {'s', "string"},
                                                         {'o', "object path"},
                                                         {'g', "signature"},
                                                         {'h', "file descriptor"},
                                                         {'v', "variant"}};
  std::string text(type);
  if (type.size() == 1 && names.contains(type[0])) {
    text += " (";
    text += names.at(type[0]);
    text += ')';
  } else if (type.substr(0, 2) == "a{") {
    text += " (dictionary)";
  } else if (!type.empty() && type[0] == 'a') {
    text += " (array)";
  } else if (!type.empty() && type[0] == '(') {
    text += " (structure)";
  }
  return text;
}

}  // namespace zendrik
