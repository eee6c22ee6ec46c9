// Fuzz target for the whole add-in as a user and the host drive it: a script of dialog edits,
// clicks, OK, Cancel, start and stop of the add-in, sketch edits and product switches, played
// into the simulated host with the real add-in library. The libFuzzer program and the regression
// test both run inputs through this function.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tests/fuzz/AddInUnderTest.h"

/// Plays `data` as a script, one action a line ("verb argument"; unknown lines are skipped, at
/// most 32 actions are played):
///   x TEXT | y TEXT | z TEXT     type into the first, second, third formula input of the
///                                coordinates chosen (dialog open only)
///   start NUMBER | end NUMBER    set the t value input to the number strtod reads
///   tolerance NUMBER             set the tolerance to the number strtod reads
///   units NAME | coordinates cartesian|cylindrical|spherical   choose in the drop-down
///   define TEXT                  type the definitions (\n in TEXT is a line break)
///   preset LABEL                 pick a curve to start from
///   click | ok | cancel          the button (add-in running only), OK, Cancel
///   run CONTEXT | stop | reload  the host starts / stops the add-in, or reloads its library
///   sketch xy|xz|yz|tilted | finish   add a sketch on that plane and edit it / end the edit
///   product design|other|none    what the host's active product is
///   param NAME VALUE | model NAME VALUE   add a user / model parameter to the design
/// in a fresh host session, with `addIn` stopped on entry. After every action it checks what
/// the add-in may show and hold: the status is a fit of 4 ... 128 controls drawn as exactly one
/// red preview curve, or a clear error with nothing drawn; OK adds exactly the previewed curve or
/// nothing; nothing but the application and the user interface is held between events, no
/// handler lets an exception escape, no unexpected message box. At the end it cancels, stops and
/// checks that nothing is held. Aborts on a violation; leaves `addIn` stopped.
void fuzzDialogSession(const std::uint8_t* data, std::size_t size, AddInUnderTest& addIn);
