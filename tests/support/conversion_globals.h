// Puts the conversion's module-wide state back to how a fresh program starts, so that
// one test's markers, overlay, features, ink or part store never reach the next.
#pragma once

namespace tmb::test {

void ResetConversionGlobals();

}  // namespace tmb::test
