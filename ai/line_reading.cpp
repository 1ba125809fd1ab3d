#include "search_paths.h"
#include "solver_paths.h"

#if NORDAMO_PEXT
#include <cpuid.h>

#include <cstring>
#endif

namespace {

#if NORDAMO_PEXT
// Whether this processor runs pext fast, from its vendor and family as cpuid tells them.
bool pextIsFastHere()
{
    if (!canUse(LineReading::Pext)) return false;
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(0, &eax, &ebx, &ecx, &edx) == 0) return false;
    char vendor[12];
    std::memcpy(vendor, &ebx, 4);
    std::memcpy(vendor + 4, &edx, 4);
    std::memcpy(vendor + 8, &ecx, 4);
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) return false;
    const unsigned baseFamily = eax >> 8 & 0xf, extendedFamily = eax >> 20 & 0xff;
    const unsigned family = baseFamily == 0xf ? baseFamily + extendedFamily : baseFamily;
    return pextRunsFast(std::string_view(vendor, sizeof vendor), family);
}
#endif

LineReading& chosenReading()
{
#if NORDAMO_PEXT
    static LineReading reading = pextIsFastHere() ? LineReading::Pext : LineReading::Portable;
#else
    static LineReading reading = LineReading::Portable;
#endif
    return reading;
}

}  // namespace

bool pextRunsFast(std::string_view vendor, unsigned family)
{
    const bool amdDesign = vendor == "AuthenticAMD" || vendor == "HygonGenuine";
    return !amdDesign || family >= 0x19;
}

bool canUse(LineReading reading)
{
#if NORDAMO_PEXT
    return reading == LineReading::Portable || (__builtin_cpu_supports("bmi2") && __builtin_cpu_supports("popcnt"));
#else
    return reading == LineReading::Portable;
#endif
}

LineReading lineReading() { return chosenReading(); }

void useLineReading(LineReading reading)
{
    if (canUse(reading)) chosenReading() = reading;
}

const SearchPath& searchPathOf([[maybe_unused]] LineReading reading)
{
#if NORDAMO_PEXT
    if (reading == LineReading::Pext) return PextSearch;
#endif
    return PortableSearch;
}

const SolverPath& solverPathOf([[maybe_unused]] LineReading reading)
{
#if NORDAMO_PEXT
    if (reading == LineReading::Pext) return PextSolver;
#endif
    return PortableSolver;
}
