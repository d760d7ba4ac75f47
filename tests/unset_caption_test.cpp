// A generator fills its field only while the field holds exactly its unset caption.
#include <gtest/gtest.h>

#include "generators/age_handedness.h"
#include "generators/glasses_coordination_loss.h"
#include "generators/height_weight.h"
#include "generators/military.h"
#include "generators/sex_race_hair.h"
#include "record/random_dice.h"

namespace dossier {
namespace {

TEST(UnsetCaption, OnlyTheExactCaptionIsFilled) {
    struct Row {
        Field field;
        const char* caption;
        void (*generator)(CharacterRecord&);
    };
    const Row rows[] = {{Field::cboSex, "Sex", RollSex},
                        {Field::cboRace, "Race", RollRace},
                        {Field::cboHair, "Hair", RollHair},
                        {Field::cboHandedness, "Handedness", RollHandedness},
                        {Field::txtAge, " ", RollAge},
                        {Field::cboHeight, "Height", RollHeight},
                        {Field::cboWeight, "Weight", RollWeight},
                        {Field::cboMilitary, "Military Service", RollMilitary},
                        {Field::cboGlasses, "Glasses", RollGlasses}};
    SeededDice dice(3);
    for (const Row& row : rows) {
        const std::string caption = row.caption;
        std::string otherCase = caption;
        for (char& c : otherCase)
            c = static_cast<char>(std::islower(c) ? std::toupper(c) : std::tolower(c));
        for (const std::string& text : {caption, otherCase, caption + " ", std::string()}) {
            CharacterRecord record(dice);  // no age hook: the age generator is called below
            record.Write(Field::cboSex, "Male");
            if (row.field != Field::txtAge) record.Write(Field::txtAge, "30");
            record.Write(row.field, text);
            row.generator(record);
            const bool filled = record.Text(row.field) != text;
            EXPECT_EQ(filled, text == caption) << FieldName(row.field) << " \"" << text << '"';
        }
    }
}

}  // namespace
}  // namespace dossier
