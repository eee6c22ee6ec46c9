// Ptr's reference accounting and interface casts, checked against small fake host objects that
// count their references and the interface queries they answer.
#include <gtest/gtest.h>

#include <Core/Base.h>

#include "CountedFake.h"

#include <exception>
#include <typeinfo>

namespace {

using adsk::core::Base;
using adsk::core::Ptr;

// Test objects start with the one reference the host hands out with them.
template <class Api>
class Counted : public hosttest::CountedFake<Api> {
 public:
  Counted() { this->references = 1; }
};

class Shape : public Base {
 public:
  static const char* classType() { return "test::Shape"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Shape*>(this)
                                               : Base::queryInterface(id);
  }
};

class Circle : public Shape {
 public:
  static const char* classType() { return "test::Circle"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Circle*>(this)
                                               : Shape::queryInterface(id);
  }
};

class Square : public Shape {
 public:
  static const char* classType() { return "test::Square"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Square*>(this)
                                               : Shape::queryInterface(id);
  }
};

TEST(Ptr, AdoptsHostReferenceAndReleasesItOnDestruction) {
  Counted<Circle> circle;
  {
    Ptr<Circle> held = &circle;  // a host result: already counted
    EXPECT_EQ(circle.references, 1);
    {
      Ptr<Circle> copy = held;
      Ptr<Circle> assigned;
      assigned = held;
      EXPECT_EQ(circle.references, 3);
    }
    EXPECT_EQ(circle.references, 1);
  }
  EXPECT_EQ(circle.references, 0);
}

TEST(Ptr, ResetAndAssignmentCountAsDocumented) {
  Counted<Circle> circle;
  Ptr<Circle> p;
  p.reset(&circle);  // attach = false: a reference of its own
  EXPECT_EQ(circle.references, 2);
  p = &circle;  // adopts the caller's reference and drops the one it held
  EXPECT_EQ(circle.references, 1);
  Ptr<Circle>& same = p;  // through a reference, so the compiler accepts the self-assignment
  p = same;               // self-assignment must not drop the object
  EXPECT_EQ(circle.references, 1);
  p = nullptr;
  EXPECT_EQ(circle.references, 0);
  EXPECT_FALSE(p);
}

TEST(Ptr, GetCopyAddsAndDetachHandsOverTheReference) {
  Counted<Circle> circle;
  Ptr<Circle> p(&circle);
  Circle* copy = p.getCopy();
  EXPECT_EQ(circle.references, 2);
  copy->release();
  Circle* detached = p.detach();
  EXPECT_FALSE(p);
  EXPECT_EQ(circle.references, 1);
  EXPECT_EQ(detached, &circle);
}

TEST(PtrCast, SuccessfulCastAddsOneReferenceAndKeepsTheSource) {
  Counted<Circle> circle;
  Ptr<Base> base(&circle);
  {
    Ptr<Circle> down = base;  // implicit casting constructor
    Ptr<Shape> up;
    up = down;  // casting assignment
    EXPECT_EQ(down.get(), &circle);
    EXPECT_EQ(up.get(), static_cast<Shape*>(&circle));
    EXPECT_EQ(circle.references, 3);
    Ptr<Circle> viaBase = base->cast<Circle>();
    EXPECT_EQ(circle.references, 4);
  }
  EXPECT_EQ(circle.references, 1);
  EXPECT_TRUE(base);
}

TEST(PtrCast, FailedCastIsNullWithoutException) {
  Counted<Circle> circle;
  Ptr<Shape> shape(&circle);
  Ptr<Square> square;
  EXPECT_NO_THROW(square = shape);
  EXPECT_FALSE(square);
  Ptr<Square> constructed = shape;
  EXPECT_FALSE(constructed);
  EXPECT_FALSE(shape->cast<Square>());
  EXPECT_EQ(circle.references, 1);
}

TEST(PtrCast, NullSourceGivesNullAndReleasesTheTarget) {
  Counted<Circle> circle;
  Ptr<Circle> target(&circle);
  Ptr<Shape> none;
  Ptr<Circle> constructed = none;
  EXPECT_FALSE(constructed);
  target = none;
  EXPECT_FALSE(target);
  EXPECT_EQ(circle.references, 0);
  EXPECT_EQ(circle.queries, 0);
}

// A plain std::exception, as the host's Ptr throws: no type of the stand-in's own, whose text an
// add-in could come to rely on (std::exception's own text differs between libraries).
TEST(Ptr, NullDereferenceThrowsAPlainStandardException) {
  Ptr<Circle> none;
#ifdef NDEBUG
  try {
    none->objectType();
    FAIL() << "no exception";
  } catch (const std::exception& e) {
    EXPECT_TRUE(typeid(e) == typeid(std::exception));
  }
#else
  // Builds with assertions stop at the host's assertion first.
  EXPECT_DEATH(none->objectType(), "ptr_ != nullptr");
#endif
}

TEST(Ptr, ComparesByObject) {
  Counted<Circle> circle;
  Counted<Square> square;
  Ptr<Shape> a(&circle, false), b(&circle, false), c(&square, false);
  EXPECT_TRUE(a == b);
  EXPECT_TRUE(a != c);
  EXPECT_TRUE(a != nullptr);
  EXPECT_TRUE(Ptr<Shape>() == nullptr);
  EXPECT_NE(a < c, c < a);
}

}  // namespace
