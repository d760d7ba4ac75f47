#pragma once

#include <string_view>
#include <vector>

#include "core/record/character_record.h"

namespace dossier {

// The sections that exist only on the sheet, rolled afresh for every sheet.

// Language scores into scores, the first language first. k is Knowledge rounded down. The
// sheets of a batch keep their lists, so what was there is replaced rather than made anew.
void RollLanguages(CharacterRecord& record, int k, std::vector<int>& scores);

// "High School", "Bachelor's Degree", "Master's Degree" or "Doctorate".
std::string_view RollEducation(CharacterRecord& record);

// Fills the knowledge-area table and returns the areas goal, Knowledge / 10.
double LoadKnowledgeAreas(CharacterRecord& record);

struct KnowledgeArea {
    std::string_view name;  // padded to the section's width; points into the fixed list
    int score;
};

// Draws distinct areas from the knowledge-area table into areas, replacing what was there,
// until the goal is met; knowledge is the unrounded Knowledge.
void RollAreas(CharacterRecord& record, double goal, double knowledge,
               std::vector<KnowledgeArea>& areas);

// Width of each padded area name, the same as the hyphens that head the section.
inline constexpr std::size_t kAreaNameWidth = 33;
// Slots a d40 can reach; the areas rule can never print more than this.
inline constexpr int kDrawableAreas = 40;

}  // namespace dossier
