#pragma once

// The methods and properties of a D-Bus object, read from its introspection data, and the
// rule that finds one by a script's name for it.

#include <string>
#include <string_view>
#include <vector>

namespace zendrik {

struct TDBusMember {
  bool IsProperty = false;
  std::string Interface;
  std::string Name;
  /// A method's input and output argument types in order; a property's type is InTypes[0].
  std::vector<std::string> InTypes;
  std::vector<std::string> OutTypes;

  /// "org.example.Iface.Name".
  std::string QualifiedName() const { return Interface + "." + Name; }
};

class TDBusMembers {
 public:
  /// The members in introspection XML (the root node's interfaces; child nodes are other
  /// objects). With `onlyInterface` set, only that interface's members are kept. Raises when
  /// the XML cannot be read.
  static TDBusMembers FromXml(std::string_view xml, std::string_view onlyInterface);

  /// Every interface the data lists, `onlyInterface` or not.
  const std::vector<std::string>& Interfaces() const { return interfaces_; }
  const std::vector<TDBusMember>& Members() const { return members_; }

  /// The member a script means by `name`: the one whose name is exactly `name`, else the one
  /// whose name matches without regard to ASCII case. When several match, members of the
  /// standard interfaces (Introspectable, Properties, Peer) give way to the others. None, or
  /// several still, raise an error that names `object`.
  const TDBusMember& Find(std::string_view name, std::string_view object) const;

 private:
  std::vector<std::string> interfaces_;
  std::vector<TDBusMember> members_;
};

}  // namespace zendrik
