#include "dialog/CurveEdit.h"

#include <exception>

#include "curve/definition/CurveDefinition.h"
#include "curve/definition/DefinitionAttribute.h"
#include "fusionkit/NullObjectError.h"
#include "fusionkit/sketchInEdit.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::CurveDefinitionError;
using vintrel::curve::readCurveDefinition;

using namespace adsk::core;
using namespace adsk::fusion;
using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kDefinitionName;

namespace vintrel::dialog {

namespace {

constexpr char kEditNote[] = "Editing the selected formula curve: OK replaces it.";

Ptr<SketchFixedSpline> onlySelectedSpline(const Ptr<Application>& application) {
  if (!application) return nullptr;
  Ptr<UserInterface> ui = application->userInterface();
  if (!ui) return nullptr;
  Ptr<Selections> selections = ui->activeSelections();
  if (!selections || selections->count() != 1) return nullptr;
  Ptr<Selection> selection = selections->item(0);
  if (!selection) return nullptr;
  return selection->entity();
}

// A spline whose link the user broke is the user's own geometry, not the add-in's to edit.
Ptr<Attribute> definitionAttribute(const Ptr<SketchFixedSpline>& spline) {
  if (!spline || !spline->isLinked()) return nullptr;
  Ptr<Attributes> attributes = spline->attributes();
  if (!attributes) return nullptr;
  return attributes->itemByName(kDefinitionGroup, kDefinitionName);
}

OpenedCurve readOpenedCurve(const Ptr<Application>& application) {
  Ptr<SketchFixedSpline> spline = onlySelectedSpline(application);
  Ptr<Attribute> attribute = definitionAttribute(spline);
  if (!attribute) return {};
  try {
    const CurveDefinition definition = readCurveDefinition(attribute->value());
    return {{spline, kEditNote}, definition.request};
  } catch (const CurveDefinitionError& error) {
    return {{nullptr, std::string("The selected curve's formula cannot be read: ") + error.what() +
                          ". Pressing OK draws a new curve."},
            std::nullopt};
  }
}

}  // namespace

OpenedCurve openSelectedCurve(const Ptr<Application>& application) {
  try {
    return readOpenedCurve(application);
  } catch (const std::exception&) {
    // A host that cannot say what is selected leaves the user a new curve, as with nothing.
    return {};
  }
}

Ptr<Sketch> formulaSketch(const Ptr<Application>& application, const CurveEdit& edit) {
  if (!edit.spline) return hv::f360::sketchInEdit(application);
  Ptr<Sketch> sketch = edit.spline->parentSketch();
  hv::f360::throwIfNull(sketch);
  return sketch;
}

}  // namespace vintrel::dialog
