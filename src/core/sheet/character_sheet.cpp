#include "core/sheet/character_sheet.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/record/numbers.h"
#include "core/record/whole_number_text.h"
#include "core/rules/glasses_coordination_loss.h"
#include "core/rules/physique.h"

namespace dossier {

namespace {

constexpr char kBlanks26[] = "                          ";
constexpr char kHyphens26[] = "--------------------------";
constexpr char kHyphens33[] = "---------------------------------";

// Lays out records of quoted fields; nothing inside a field is escaped. The fixed words are
// copied with their sizes known at compile time, since a sheet is a hundred small pieces.
// Everything is inlined and only the rare growth is a call that does not see the writer,
// so the cursor stays in a register instead of being stored and reloaded around each write.
// The text keeps the last sheet's space: it grows only when this sheet is the longer, as
// zeroing space that is about to be overwritten costs as much as writing it.
class LineWriter {
  public:
    explicit LineWriter(std::string& out) : out_(out), at_(out.data()) {}
    // Cuts the text to what was written.
    void Finish() { out_.resize(static_cast<std::size_t>(at_ - out_.data())); }

    // Each field and text makes room for itself and the fixed words and number that can
    // follow it on its line.
    template <std::size_t N>
    [[gnu::always_inline]] LineWriter& Field(const char (&words)[N]) {
        Room(N);
        *at_++ = '"';
        return Add(words);
    }
    [[gnu::always_inline]] LineWriter& Field(std::string_view part) {
        Room(part.size() + 1);
        *at_++ = '"';
        std::memcpy(at_, part.data(), part.size());
        at_ += part.size();
        return *this;
    }
    template <std::size_t N>
    [[gnu::always_inline]] LineWriter& Add(const char (&words)[N]) {
        std::memcpy(at_, words, N - 1);
        at_ += N - 1;
        return *this;
    }
    // A field's text as typed, except that control characters, which would break the
    // sheet's lines or end it early for some readers, print as "?".
    [[gnu::always_inline]] LineWriter& Text(std::string_view text) {
        Room(text.size());
        for (char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            *at_++ = byte < 0x20 || byte == 0x7F ? '?' : c;
        }
        return *this;
    }
    [[gnu::always_inline]] LineWriter& Add(long long value) {
        at_ = WriteWhole(at_, value);
        return *this;
    }
    // Closes this field and opens the next on the line.
    [[gnu::always_inline]] LineWriter& Next() { return Add("\",\""); }
    [[gnu::always_inline]] void End() { Add("\"\r\n"); }
    [[gnu::always_inline]] void Blank() {
        Room(0);
        Add("\r\n");
    }

  private:
    // The most fixed bytes a line has after any of its fields or texts, and a number.
    static constexpr std::size_t kLineRest = 64 + kMostWholeBytes;
    static constexpr std::size_t kGrowth = 256;

    [[gnu::always_inline]] void Room(std::size_t bytes) {
        const auto used = static_cast<std::size_t>(at_ - out_.data());
        if (out_.size() - used < bytes + kLineRest) at_ = Grow(out_, used, bytes + kLineRest);
    }
    // Returns where writing goes on.
    [[gnu::noinline]] static char* Grow(std::string& out, std::size_t used, std::size_t bytes) {
        out.resize(used + bytes + kGrowth);
        return out.data() + used;
    }

    std::string& out_;
    char* at_;
};

}  // namespace

void ComposeCharacterSheet(CharacterRecord& record, CharacterSheet& sheet) {
    RollCoordinationLoss(record);
    RollPhysique(record);

    sheet.traits = ReadPrimaryTraits(record);
    sheet.derived = DeriveTraits(sheet.traits);
    RollLanguages(record, sheet.traits.K, sheet.languages);
    sheet.education = RollEducation(record);
    const double goal = LoadKnowledgeAreas(record);
    RollAreas(record, goal, ReadNumber(record, Field::txtK), sheet.areas);
    FieldTexts texts;
    for (const FieldInfo& info : kFields) texts[Index(info.field)] = record.Text(info.field);
    LayOutSheet(texts, sheet);
}

CharacterSheet ComposeCharacterSheet(CharacterRecord& record) {
    CharacterSheet sheet;
    ComposeCharacterSheet(record, sheet);
    return sheet;
}

void LayOutSheet(const FieldTexts& texts, CharacterSheet& sheet) {
    const auto text = [&texts](Field field) { return texts[Index(field)]; };
    const std::string_view physique = text(Field::cboPhysique);
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
