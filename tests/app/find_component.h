#pragma once

#include <QObject>
#include <stdexcept>
#include <string>

namespace zendrik::testsupport {

/// The component `name` of `form`. A missing one ends the test as failed (GoogleTest reports
/// the exception) instead of handing out a null reference.
template <typename T>
T& FindComponent(const QObject& form, const char* name) {
  T* found = form.findChild<T*>(name);
  if (!found) throw std::runtime_error(std::string("no component ") + name);
  return *found;
}

}  // namespace zendrik::testsupport
