// The sketches of a component. Add-ins add a sketch on a construction plane here when no sketch
// is being edited.
#pragma once

#include <string>

#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class Sketch;
class Occurrence;

class Sketches : public core::Base {
 public:
  typedef Sketch iterable_type;
  /// Writes every item(i), in order, through result.
  template <class OutputIterator>
  void copyTo(OutputIterator result);

  /// A new sketch on a construction plane or planar face; the occurrence is needed only for planes
  /// of other components. Null on failure.
  core::Ptr<Sketch> add(const core::Ptr<core::Base>& planarEntity,
                        const core::Ptr<Occurrence>& occurrenceForCreation = NULL);

  /// The sketch at index; null for an invalid index.
  core::Ptr<Sketch> item(size_t index) const;

  /// The sketch with this name; null if there is none.
  core::Ptr<Sketch> itemByName(const std::string& name) const;

  /// The number of sketches.
  size_t count() const;

  static const char* classType() { return "adsk::fusion::Sketches"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Sketches*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual Sketch* add_raw(core::Base* planarEntity, Occurrence* occurrenceForCreation) = 0;
  virtual Sketch* item_raw(size_t index) const = 0;
  virtual Sketch* itemByName_raw(const char* name) const = 0;
  virtual size_t count_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<Sketch> Sketches::add(const core::Ptr<core::Base>& planarEntity,
                                       const core::Ptr<Occurrence>& occurrenceForCreation) {
  core::Ptr<Sketch> res = add_raw(planarEntity.get(), occurrenceForCreation.get());
  return res;
}

inline core::Ptr<Sketch> Sketches::item(size_t index) const {
  core::Ptr<Sketch> res = item_raw(index);
  return res;
}

inline core::Ptr<Sketch> Sketches::itemByName(const std::string& name) const {
  core::Ptr<Sketch> res = itemByName_raw(name.c_str());
  return res;
}

inline size_t Sketches::count() const { return count_raw(); }

template <class OutputIterator>
inline void Sketches::copyTo(OutputIterator result) {
  for (size_t i = 0; i < count(); ++i) *result++ = item(i);
}

}  // namespace fusion
}  // namespace adsk
