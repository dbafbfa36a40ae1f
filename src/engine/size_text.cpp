#include "engine/size_text.h"

namespace {

int HighestBit(std::uint64_t value) {
    int bit = -1;
    while (value != 0) {
        value >>= 1;
        ++bit;
    }
    return bit;
}

// value / divisor rounded half up, without overflow near 2^64.
std::uint64_t DivideRounded(std::uint64_t value, std::uint64_t divisor) {
    std::uint64_t quotient = value / divisor;
    if (value % divisor >= divisor - divisor / 2)
        ++quotient;
    return quotient;
}

}  // namespace

std::string FormatSizeText(std::uint64_t bytes) {
    if (bytes == 0)
        return "0 Kb";
    int e = HighestBit(bytes);
    if (e < 10) {  // under 1 Kb: hundredths of a Kb, rounded (bytes < 1024, no overflow)
        std::uint64_t hundredths = DivideRounded(bytes * 100, 1024);
        std::string fraction = std::to_string(hundredths % 100);
        if (fraction.size() < 2)
            fraction.insert(0, "0");
        return std::to_string(hundredths / 100) + "." + fraction + " Kb";
    }
    static const char* const kUnits[] = {"Kb", "Mb", "Gb", "Tb", "Pb", "Eb"};
    int unit = (e - 10) / 10;  // e 10..19 -> Kb, 20..29 -> Mb, ...
    std::uint64_t divisor = std::uint64_t{1} << (10 * (unit + 1));
    return std::to_string(DivideRounded(bytes, divisor)) + " " + kUnits[unit];
}
