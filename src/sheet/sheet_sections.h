#pragma once

#include <string>
#include <vector>

#include "record/character_record.h"

namespace dossier {

// The sections that exist only on the sheet, rolled afresh for every sheet.

// Language scores, the first language first. k is Knowledge rounded down.
std::vector<int> RollLanguages(CharacterRecord& record, int k);

// "High School", "Bachelor's Degree", "Master's Degree" or "Doctorate".
std::string RollEducation(CharacterRecord& record);

// Fills the knowledge-area table and returns the areas goal, Knowledge / 10.
double LoadKnowledgeAreas(CharacterRecord& record);

struct AreaScore {
    int slot;  // index into the knowledge-area table
    int score;
};

// Draws distinct areas until the goal is met; knowledge is the unrounded Knowledge.
std::vector<AreaScore> RollAreas(CharacterRecord& record, double goal, double knowledge);

// Width of each padded area name, the same as the hyphens that head the section.
inline constexpr std::size_t kAreaNameWidth = 33;
// Slots a d40 can reach; the areas rule can never print more than this.
inline constexpr int kDrawableAreas = 40;

}  // namespace dossier
