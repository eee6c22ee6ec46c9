#include "fusionkit/sketchInEdit.h"

#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using namespace adsk::fusion;

namespace hv {
namespace f360 {

Ptr<Sketch> sketchInEdit(const Ptr<Application>& application) {
  throwIfNull(application);
  return application->activeEditObject();
}

}  // namespace f360
}  // namespace hv
