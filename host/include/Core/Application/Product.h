// A product of a document, such as a design. Add-ins get the active one from the application and
// cast it to the product type they work with.
#pragma once

#include <string>
#include <vector>

#include "../Base.h"

namespace adsk {
namespace core {

class Document;
class Attribute;
class Attributes;
class UnitsManager;

class Product : public Base {
 public:
  /// The product's type name, e.g. "DesignProductType".
  std::string productType() const;

  /// The document that owns the product.
  Ptr<Document> parentDocument() const;

  /// The product's units: expressions, conversions and the default length unit. A design's is
  /// its FusionUnitsManager.
  Ptr<UnitsManager> unitsManager() const;

  /// The attributes on entities inside the product (not on the product itself) of group
  /// `groupName` and name `attributeName`: exact, case-sensitive texts, a regular expression
  /// after "re:", or "" for any.
  std::vector<Ptr<Attribute>> findAttributes(const std::string& groupName,
                                             const std::string& attributeName) const;

  /// The attributes on the product itself.
  Ptr<Attributes> attributes() const;

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
  virtual UnitsManager* unitsManager_raw() const = 0;
  virtual Attribute** findAttributes_raw(const char* groupName, const char* attributeName,
                                         size_t& return_size) const = 0;
  virtual Attributes* attributes_raw() const = 0;
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

inline Ptr<UnitsManager> Product::unitsManager() const {
  Ptr<UnitsManager> res = unitsManager_raw();
  return res;
}

inline std::vector<Ptr<Attribute>> Product::findAttributes(const std::string& groupName,
                                                           const std::string& attributeName) const {
  std::vector<Ptr<Attribute>> res;
  size_t returnSize = 0;
  Attribute** p = findAttributes_raw(groupName.c_str(), attributeName.c_str(), returnSize);
  if (p) {
    res.assign(p, p + returnSize);
    DeallocateArray(p);
  }
  return res;
}

inline Ptr<Attributes> Product::attributes() const {
  Ptr<Attributes> res = attributes_raw();
  return res;
}

}  // namespace core
}  // namespace adsk
