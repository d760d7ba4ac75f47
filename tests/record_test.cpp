#include <gtest/gtest.h>

#include "record/field.h"
#include "record/numbers.h"
#include "test_support.h"

namespace dossier {
namespace {

using testing::RecordTest;

TEST_F(RecordTest, StartupStateAndNames) {
    for (const FieldInfo& info : AllFields()) {
        EXPECT_EQ(FieldByName(info.name), info.field);
        EXPECT_EQ(Text(info.field), info.startupText);
    }
    EXPECT_FALSE(FieldByName("cbosex").has_value());
    EXPECT_EQ(record.working.lastRoll, 0);
    EXPECT_EQ(record.working.sexFixed, 0);
    EXPECT_EQ(record.working.heightClass, "");
}

TEST_F(RecordTest, OnlyTheAgeHasAHook) {
    dice.Add(30, 3);  // 15 is written, then the hook's own nested write of 22
    Set(Field::txtAge, " ");
    EXPECT_EQ(Text(Field::txtAge), "22");
    for (const char* text : {"", "  ", "x", " 5"}) {  // nothing else rolls
        Set(Field::txtAge, text);
        EXPECT_EQ(Text(Field::txtAge), text);
    }
    Set(Field::cboSex, " ");
    Set(Field::txtLevel, " ");
    EXPECT_EQ(Text(Field::txtLevel), " ");
}

TEST_F(RecordTest, TextsOfEveryLengthAndWrittenNumbersReadBack) {
    // Every size either side of where the copy changes its moves, and far beyond the inline space.
    for (std::size_t size : {0, 1, 2, 3, 4, 7, 8, 15, 16, 31, 32, 33, 300}) {
        std::string text;
        for (std::size_t i = 0; i < size; ++i) text += static_cast<char>('a' + i % 26);
        Set(Field::cboRace, text);
        EXPECT_EQ(Text(Field::cboRace), text);
        record.Write(Field::cboRace, Text(Field::cboRace));  // its own text written back
        EXPECT_EQ(Text(Field::cboRace), text);
        record.Write(Field::cboRace, Text(Field::cboRace).substr(size > 0 ? 1 : 0));  // its tail
        EXPECT_EQ(Text(Field::cboRace), text.substr(size > 0 ? 1 : 0));
    }
    // A number the program wrote reads back without parsing; a text written over it is read.
    record.WriteNumber(Field::txtK, -417);
    EXPECT_EQ(Text(Field::txtK), "-417");
    EXPECT_EQ(ReadNumber(record, Field::txtK), -417);
    Set(Field::txtK, "61.5");
    EXPECT_EQ(ReadNumber(record, Field::txtK), 61.5);
    record.WriteNumber(Field::txtK, 40000);  // written, yet still outside the 16-bit range
    EXPECT_THROW(ReadNumber(record, Field::txtK), FieldValueError);
}

}  // namespace
}  // namespace dossier
