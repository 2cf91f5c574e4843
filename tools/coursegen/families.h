#pragma once
// The question families: each draws its parameters, computes its keys exactly and writes the
// question. A family offers one or more shapes, each the kind letters of its parts ("N", "Q",
// "NX").

#include "question.h"

#include <functional>
#include <string>
#include <vector>

using FamilyGen = std::function<Question(Rng&, const std::string& kinds)>;

struct Family {
    std::string name;
    int topic = 0;  // 1 to 10, in catalogue order
    std::vector<std::string> shapes;
    FamilyGen gen;
};

std::vector<Family> allFamilies();

void addWholeNumbers(std::vector<Family>& out);
void addDecimals(std::vector<Family>& out);
void addFractions(std::vector<Family>& out);
void addArea(std::vector<Family>& out);
void addVolume(std::vector<Family>& out);
void addGeometry(std::vector<Family>& out);
void addPercentage(std::vector<Family>& out);
void addRatio(std::vector<Family>& out);
void addRate(std::vector<Family>& out);
void addAlgebra(std::vector<Family>& out);
// The second file of a topic, added by the topic's add<Topic>().
void addAreaMore(std::vector<Family>& out);
void addVolumeMore(std::vector<Family>& out);
void addGeometryMore(std::vector<Family>& out);
void addPercentagePictures(std::vector<Family>& out);
void addRatioPictures(std::vector<Family>& out);
void addRatePictures(std::vector<Family>& out);
void addAlgebraPictures(std::vector<Family>& out);

// Questions whose parameters the course fixes (see planner.cpp).
Question fractionOfThenMixed(int num, int den, int whole, int impNum, int impDen);
Question litresToCm3(int litres, bool keyWithTrailingSpace);

// Small helpers shared by the family files.
inline std::string S(long long v) {
    return std::to_string(v);
}
int gcdInt(int a, int b);
