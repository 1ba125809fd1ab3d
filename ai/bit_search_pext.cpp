// The search and the exact solver reading lines with BMI2's pext, and counting discs with popcnt,
// which every processor with BMI2 has. Only this file's own code is compiled for them: what it
// includes before the target is set stays fit for every processor.
#include "bit_board.h"
#include "opening_book.h"
#include "position_key.h"
#include "search_paths.h"
#include "solver_paths.h"

#include <immintrin.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <utility>

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("bmi,bmi2,popcnt"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("bmi,bmi2,popcnt")
#endif

namespace {

struct PextReader {
    static std::uint64_t pattern(std::uint64_t discs, const Line& line)
    {
        return _pext_u64(discs, line.mask);
    }
};

}  // namespace

#include "bit_search.h"
#include "bit_solver.h"

const SearchPath PextSearch = BitSearch<PextReader>::Path;
const SolverPath PextSolver = BitSolver<PextReader>::Path;

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
