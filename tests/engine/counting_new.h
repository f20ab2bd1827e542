// The program's operator new, which counts its calls. Link it into one test program
// only: it replaces the global allocation functions of the whole program.
#pragma once

namespace tnx::test {

// Calls of operator new so far.
long Allocations();

}  // namespace tnx::test
