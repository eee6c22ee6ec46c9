// Look-ups shared by the simulated collections: by index and by ID over host-owned children.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace fsim {

/// The child at index, or null for an index out of range.
template <class T>
std::shared_ptr<T> childAt(const std::vector<std::shared_ptr<T>>& children, std::size_t index) {
  return index < children.size() ? children[index] : nullptr;
}

/// The first child whose id() equals id (exact, case-sensitive), or null. A null id finds none.
template <class T>
std::shared_ptr<T> childById(const std::vector<std::shared_ptr<T>>& children, const char* id) {
  if (!id) return nullptr;
  for (const auto& child : children) {
    if (child->id() == id) return child;
  }
  return nullptr;
}

/// Removes child from children; false if it is not there.
template <class T, class U>
bool removeChild(std::vector<std::shared_ptr<T>>& children, const U* child) {
  for (auto it = children.begin(); it != children.end(); ++it) {
    if (it->get() == child) {
      children.erase(it);
      return true;
    }
  }
  return false;
}

}  // namespace fsim
