// A product of a document, such as a design. Add-ins get the active one from the application and
// cast it to the product type they work with.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class Document;

class Product : public Base {
 public:
  /// The product's type name, e.g. "DesignProductType".
  std::string productType() const;

  /// The document that owns the product.
  Ptr<Document> parentDocument() const;

  static const char* classType() { return "adsk::core::Product"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Product*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual char* productType_raw() const = 0;
  virtual Document* parentDocument_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string Product::productType() const {
  std::string res;
  char* p = productType_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline Ptr<Document> Product::parentDocument() const {
  Ptr<Document> res = parentDocument_raw();
  return res;
}

}  // namespace core
}  // namespace adsk
