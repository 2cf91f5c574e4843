#include "families.h"

#include <numeric>

int gcdInt(int a, int b) {
    return std::gcd(a, b);
}

std::vector<Family> allFamilies() {
    std::vector<Family> all;
    addWholeNumbers(all);
    addDecimals(all);
    addFractions(all);
    addArea(all);
    addVolume(all);
    addGeometry(all);
    addPercentage(all);
    addRatio(all);
    addRate(all);
    addAlgebra(all);
    return all;
}
