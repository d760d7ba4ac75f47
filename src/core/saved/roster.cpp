#include "core/saved/roster.h"

namespace dossier {

namespace {

std::string Joined(const std::vector<std::string>& items, const char* separator) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : separator) + item;
    return text;
}

}  // namespace

RosterBlock MakeRosterBlock(const SavedCharacter& c, long long number) {
    using F = Field;
    RosterBlock block;
    const std::string who = c.Text(F::cboSex) + ", " + c.Text(F::cboRace) + ", age " +
                            c.Text(F::txtAge) + ", level " + c.Text(F::txtLevel);
    const std::string military = c.Text(F::cboMilitary) + ", " + c.Text(F::cboBranch);
    if (!c.profile.empty()) {
        // Who is who at a glance: the name heads the block, the profile follows in two lines,
        // and the block stays as short as one without, so that seven still fill a page.
        const CharacterProfile& p = c.profile;
        block.title = std::to_string(number) + ". " + c.names.name +
                      (c.names.alias.empty() ? "" : " (" + c.names.alias + ")");
        block.lines.push_back(who + "; military: " + military);
        block.lines.push_back(p.role + ", " + p.loyalty + "; cover " + p.cover.name + ", " +
                              p.cover.occupation + " (" + p.cover.status +
                              "). Manner: " + p.mannerism);
        block.lines.push_back(p.motive + ": " + p.motiveDetail + ". Leverage: " + p.leverage);
    } else {
        block.title = std::to_string(number) + ". " + who;
        // Blank lines to fill in by hand, unless the character has a name and codename.
        block.lines.push_back(c.names.empty()
                                  ? "Name ____________________   Alias ____________________"
                                  : "Name " + c.names.name + "   Alias " + c.names.alias);
    }
    block.lines.push_back("Hair " + c.Text(F::cboHair) + "; height " + c.Text(F::cboHeight) +
                          "; weight " + c.Text(F::cboWeight) + " lbs.; " +
                          c.Text(F::cboHandedness) + "-handed; " + c.moment.physique +
                          "; glasses " + c.moment.glasses + " (loss " + c.moment.loss + ")");
    if (c.profile.empty()) block.lines.push_back("Military: " + military);
    const std::string primary = "PS " + c.Text(F::txtPS) + "  CH " + c.Text(F::txtCH) + "  WP " +
                                c.Text(F::txtWP) + "  CO " + c.Text(F::txtCO) + "  K " +
                                c.Text(F::txtK) + "  CD " + c.Text(F::txtCD);
    std::vector<std::string> languages;
    for (int score : c.languages) languages.push_back(std::to_string(score));
    const std::string schooling = Joined(languages, ", ") + "; education " + c.education;
    // A profiled block takes them on one line, for the two lines of its profile.
    block.lines.push_back(c.profile.empty() ? primary : primary + "; languages " + schooling);
    const auto derived = [&c](Field field) {
        return std::to_string(DerivedValue(c, SheetName(field)).value_or(0));
    };
    std::vector<std::string> traits;
    for (Field field :
         {F::txtOF, F::txtDP, F::txtEV, F::txtDA, F::txtOB, F::txtSR, F::txtLL, F::txtMV})
        traits.push_back(std::string(SheetName(field)) + " " + derived(field));
    block.lines.push_back(Joined(traits, ", "));
    block.lines.push_back("Perception " + derived(F::txtPR) + ", Hand to Hand " +
                          derived(F::txtHTH) + ", Surprise " + derived(F::txtSV) + ", Gambling " +
                          derived(F::txtGV));
    if (c.profile.empty()) block.lines.push_back("Languages " + schooling);
    std::vector<std::string> areas;
    for (const auto& [name, score] : c.areas) areas.push_back(name + " " + std::to_string(score));
    block.lines.push_back("Areas: " + Joined(areas, "; "));
    return block;
}

std::string RosterMarkdownHeading() {
    return "# Session roster\n\n";
}

std::string RosterMarkdownBlock(const RosterBlock& block) {
    std::string text = "## " + block.title + "\n\n";
    for (const std::string& line : block.lines) text += line + "  \n";
    return text + "\n";
}

std::vector<std::string> ReadableSheetLines(std::string_view sheetText) {
    std::vector<std::string> lines;
    while (!sheetText.empty()) {
        const std::size_t end = sheetText.find("\r\n");
        std::string_view line = sheetText.substr(0, end);
        sheetText = end == std::string_view::npos ? std::string_view() : sheetText.substr(end + 2);
        // Quoted fields, separated by commas: what is inside the quotes is what a reader sees.
        std::string readable;
        bool quoted = false;
        for (const char c : line) {
            if (c == '"') {
                quoted = !quoted;
            } else if (quoted || c != ',') {
                readable += c;
            }
        }
        lines.push_back(std::move(readable));
    }
    return lines;
}

}  // namespace dossier
