#include "random_cell.h"

#include <random>

namespace {
std::mt19937 generator;
}

void seedRandom(std::uint32_t seed) { generator.seed(seed); }

std::int32_t randomCell() { return std::uniform_int_distribution<std::int32_t>(0, 15)(generator); }
