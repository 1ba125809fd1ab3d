// The search and the exact solver reading lines by shifts and multiplications, for any processor.
#include "bit_search.h"
#include "bit_solver.h"

namespace {

struct PortableReader {
    static std::uint64_t pattern(std::uint64_t discs, const Line& line) { return portablePattern(discs, line); }
};

}  // namespace

const SearchPath PortableSearch = BitSearch<PortableReader>::Path;
const SolverPath PortableSolver = BitSolver<PortableReader>::Path;
