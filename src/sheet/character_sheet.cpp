#include "sheet/character_sheet.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "generators/glasses_coordination_loss.h"
#include "generators/physique.h"
#include "record/numbers.h"

namespace dossier {

namespace {

constexpr std::string_view kBlanks26 = "                          ";
constexpr std::string_view kHyphens26 = "--------------------------";
constexpr std::string_view kHyphens33 = "---------------------------------";

// Lays out records of quoted fields; nothing inside a field is escaped. Writes through a
// cursor into space made ahead, since a sheet is a hundred small pieces.
class LineWriter {
  public:
    explicit LineWriter(std::string& out) : out_(out) {
        out_.resize(std::max<std::size_t>(out_.capacity(), 4096));
        at_ = out_.data();
        end_ = at_ + out_.size();
    }
    // Cuts the text to what was written.
    void Finish() { out_.resize(static_cast<std::size_t>(at_ - out_.data())); }

    LineWriter& Field(std::string_view part) {
        Room(part.size() + 1);
        *at_++ = '"';
        return Put(part);
    }
    LineWriter& Add(std::string_view part) {
        Room(part.size());
        return Put(part);
    }
    // A field's text as typed, except that control characters, which would break the
    // sheet's lines or end it early for some readers, print as "?".
    LineWriter& Text(std::string_view text) {
        Room(text.size());
        for (char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            *at_++ = byte < 0x20 || byte == 0x7F ? '?' : c;
        }
        return *this;
    }
    LineWriter& Add(long long value) {
        Room(24);
        at_ = std::to_chars(at_, at_ + 24, value).ptr;
        return *this;
    }
    LineWriter& Next() { return Add("\",\""); }  // closes this field, opens the next on the line
    void End() { Add("\"\r\n"); }
    void Blank() { Add("\r\n"); }

  private:
    LineWriter& Put(std::string_view part) {
        std::memcpy(at_, part.data(), part.size());
        at_ += part.size();
        return *this;
    }
    void Room(std::size_t bytes) {
        if (static_cast<std::size_t>(end_ - at_) < bytes) Grow(out_.size() + bytes);
    }
    void Grow(std::size_t atLeast) {
        const auto used = static_cast<std::size_t>(at_ - out_.data());
        out_.resize(std::max(atLeast, out_.size() * 2));
        at_ = out_.data() + used;
        end_ = out_.data() + out_.size();
    }

    std::string& out_;
    char* at_ = nullptr;
    char* end_ = nullptr;
};

}  // namespace

void ComposeCharacterSheet(CharacterRecord& record, CharacterSheet& sheet) {
    RollCoordinationLoss(record);
    RollPhysique(record);

    sheet.traits = ReadPrimaryTraits(record);
    sheet.derived = DeriveTraits(sheet.traits);
    sheet.languages = RollLanguages(record, sheet.traits.K);
    sheet.education = RollEducation(record);
    const double goal = LoadKnowledgeAreas(record);
    const double knowledge = ReadNumber(record, Field::txtK);
    sheet.areas.clear();
    for (const AreaScore& area : RollAreas(record, goal, knowledge)) {
        sheet.areas.push_back(
            {record.working.knowledgeAreas[static_cast<std::size_t>(area.slot)], area.score});
    }
    LayOutSheet([&record](Field field) -> const std::string& { return record.Text(field); }, sheet);
}

CharacterSheet ComposeCharacterSheet(CharacterRecord& record) {
    CharacterSheet sheet;
    ComposeCharacterSheet(record, sheet);
    return sheet;
}

void LayOutSheet(const std::function<const std::string&(Field)>& text, CharacterSheet& sheet) {
    const std::string& physique = text(Field::cboPhysique);
    const DerivedTraitValues& d = sheet.derived;

    LineWriter line(sheet.text);
    line.Field(kBlanks26).Add("     Sex        ").Text(text(Field::cboSex)).End();
    line.Field("Name  ____________________")
        .Add("     Age        ")
        .Text(text(Field::txtAge))
        .End();
    line.Field("Alias ____________________")
        .Add("     Level      ")
        .Text(text(Field::txtLevel))
        .End();
    line.Field(kBlanks26).Add("     Handedness ").Text(text(Field::cboHandedness)).End();
    line.Field(kBlanks26).Add("     Hair Color ").Text(text(Field::cboHair)).End();
    line.Field(kBlanks26).Add("     Height     ").Text(text(Field::cboHeight)).End();
    line.Field(kBlanks26).Add("     Weight     ").Text(text(Field::cboWeight)).Add(" lbs.").End();
    line.Field(kBlanks26).Add("     Race       ").Text(text(Field::cboRace)).End();
    line.Field(kHyphens26).Add("     Military Service: ").Next();
    line.Text(text(Field::cboMilitary)).Add(", ").Text(text(Field::cboBranch)).End();
    line.Field("PRIMARY TRAITS            ")
        .Add("     Glasses:   ")
        .Text(text(Field::cboGlasses))
        .End();
    line.Field(kHyphens26).Add("     Loss of Coordination: ").Text(text(Field::cboLoss)).End();
    line.Field("Physical Strength         ").Text(text(Field::txtPS)).End();
    line.Field("Charm                     ").Text(text(Field::txtCH)).End();
    line.Field("Willpower                 ").Text(text(Field::txtWP)).End();
    line.Field("Courage                   ").Text(text(Field::txtCO)).End();
    line.Field("Knowledge                 ").Text(text(Field::txtK)).End();
    line.Field("Coordination              ").Text(text(Field::txtCD)).End();
    line.Field(kHyphens26).End();
    line.Field("SECONDARY TRAITS").End();
    line.Field(kHyphens26).End();
    line.Field("Offense                   ").Add(d.OF).End();
    line.Field("Deception                 ").Add(d.DP).End();
    line.Field(physique == "Ectomorphic" ? "Evasion           (+60)   "
                                         : "Evasion                   ")
        .Add(d.EV)
        .End();
    line.Field("Deactivation              ").Add(d.DA).End();
    line.Field("Observation               ").Add(d.OB).End();
    line.Field("Shock Resistance          ").Add(d.SR).End();
    line.Field("Gambling Value            ").Add(d.GV).End();
    line.Field(physique == "Endomorphic" ? "Movement Value    (-60)   "
                                         : "Movement Value            ")
        .Add(d.MV)
        .End();
    line.Field("Life Level                ").Add(d.LL).End();
    // The sheet's Balance is the window's Wellness and the other way round.
    line.Field("Balance                   ").Add(d.Well).End();
    line.Field("Wellness                  ").Add(d.BA).End();
    line.Field(kHyphens26).End();
    line.Field("TERTIARY TRAITS           ").End();
    line.Field(kHyphens26).End();
    line.Field("Perception                ").Add(d.PR).End();
    line.Field(physique == "Mesomorphic" ? "Hand to Hand Combat (+60) "
                                         : "Hand to Hand Combat Value ")
        .Add(d.HTH)
        .End();
    line.Field("Surprise Value            ").Add(d.SV).End();
    line.Blank();
    line.Blank();
    line.Field("LANGUAGES   ").End();
    for (int score : sheet.languages) line.Field("__________________________").Add(score).End();
    line.Blank();
    line.Field("EDUCATION LEVEL").End();
    line.Field(sheet.education).End();
    line.Blank();
    line.Field("SUPERIOR AREAS OF KNOWLEDGE").End();
    line.Field(kHyphens33).End();
    for (const KnowledgeArea& area : sheet.areas) line.Field(area.name).Add(area.score).End();
    line.Finish();
}

}  // namespace dossier
