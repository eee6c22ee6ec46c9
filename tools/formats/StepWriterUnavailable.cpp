// The STEP writer of a build without OpenCASCADE: sorvane asks stepWriterAvailable before it
// accepts --step, so writeStep is never reached.
#include <stdexcept>

#include "tools/formats/StepWriter.h"

namespace sorvane {

bool stepWriterAvailable() { return false; }

void writeStep(const Spline&, const std::string&, std::ostream&) {
  throw std::logic_error("this sorvane was built without OpenCASCADE, which writes STEP files");
}

}  // namespace sorvane
