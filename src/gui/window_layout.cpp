#include "gui/window_layout.h"

#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <map>
#include <string_view>

#include "core/record/field.h"
#include "gui/fitting_label.h"
#include "gui/fitting_line_edit.h"
#include "gui/wrapping_button.h"

namespace dossier {

namespace {

using enum ControlKind;
constexpr const char* kCharacteristics = kPageTitles[0];
constexpr const char* kTraits = kPageTitles[1];
constexpr const char* kQuick = kPageTitles[2];

}  // namespace

// clang-format off
const std::vector<ControlRow> kControlRows = {
    // name               kind       parent            left  top   width height caption, names
    {"fraChar",           Frame,     kCharacteristics, 600,  480,  4095, 2775, "Characteristic Selection"},
    {"cboSex",            List,      "fraChar",        120,  480,  1455, 315},
    {"lblSex",            Label,     "fraChar",        120,  240,  1455, 255, "Gender", "cboSex"},
    {"cboRace",           List,      "fraChar",        2400, 480,  1455, 315},
    {"lblRace",           Label,     "fraChar",        2400, 240,  1455, 255, "Race", "cboRace"},
    {"cboHair",           List,      "fraChar",        120,  1080, 1455, 315},
    {"Hair",              Label,     "fraChar",        120,  840,  1455, 255, "Hair Color", "cboHair"},
    {"cboHeight",         List,      "fraChar",        2400, 1080, 1455, 315},
    {"lblHeight",         Label,     "fraChar",        2400, 840,  1455, 255, "Height", "cboHeight"},
    {"cboHandedness",     List,      "fraChar",        120,  1680, 1455, 315},
    {"lblHandedness",     Label,     "fraChar",        120,  1440, 1455, 255, "Handedness", "cboHandedness"},
    {"cboWeight",         List,      "fraChar",        2400, 1680, 1455, 315},
    {"lblWeight",         Label,     "fraChar",        2400, 1440, 1455, 255, "Weight", "cboWeight"},
    {"cboMilitary",       List,      "fraChar",        120,  2280, 1455, 315},
    {"lblMilitary",       Label,     "fraChar",        120,  2040, 1455, 255, "Military Service", "cboMilitary"},
    {"cboBranch",         List,      "fraChar",        2400, 2280, 1455, 315},
    {"lblBranch",         Label,     "fraChar",        2400, 2040, 1455, 255, "Military Branch", "cboBranch"},
    {"fraLevel",          Frame,     kCharacteristics, 600,  3360, 1095, 735,  "Level"},
    {"txtLevel",          Text,      "fraLevel",       240,  240,  615,  285},
    {"fraAge",            Frame,     kCharacteristics, 2280, 3360, 1095, 735,  "Age"},
    {"txtAge",            Text,      "fraAge",         240,  240,  615,  285},
    {"frmPhysique",       Frame,     kCharacteristics, 4920, 2400, 1695, 855,  "Physique"},
    {"cboPhysique",       ShownText, "frmPhysique",    240,  360,  1215, 285},
    {"Label10",           Label,     kCharacteristics, 4920, 600,  2055, 375,  "Characteristics Dependent on Traits"},
    {"cboGlasses",        List,      kCharacteristics, 4920, 1320, 1575, 315},
    {"lblGlasses",        Label,     kCharacteristics, 4920, 1080, 1455, 255,  "Glasses", "cboGlasses"},
    {"cboLoss",           List,      kCharacteristics, 4920, 1920, 1575, 315},
    {"lblLoss",           Label,     kCharacteristics, 4920, 1680, 1455, 255,  "W/O Glasses Loss", "cboLoss"},
    {"cmdGenChars",       Button,    kCharacteristics, 360,  4200, 1455, 735},
    {"cmdExit",           Button,    kCharacteristics, 2040, 4200, 1455, 735},
    {"cmdView1",          Button,    kCharacteristics, 3720, 4200, 1455, 735,  "Open Word Pad"},
    {"cmdSrandT",         Button,    kCharacteristics, 5520, 4200, 1455, 735},
    {"cmdClear",          Button,    kCharacteristics, 5520, 3360, 1455, 615},
    // Above the page's top edge: it runs only as a step of other operations.
    {"cmdUserChars",      Button,    kCharacteristics, 3240, -600, 1455, 615,  "Use My Characteristics"},

    {"fraPrimary",        Frame,     kTraits,          240,  360,  2415, 2535, "Primary Traits"},
    {"txtPS",             Text,      "fraPrimary",     1800, 240,  375,  285},
    {"Label1",            Label,     "fraPrimary",     120,  240,  1455, 255,  "Physical Strength", "txtPS"},
    {"txtCH",             Text,      "fraPrimary",     1800, 600,  375,  285},
    {"Label2",            Label,     "fraPrimary",     120,  600,  1455, 255,  "Charm", "txtCH"},
    {"txtWP",             Text,      "fraPrimary",     1800, 960,  375,  285},
    {"Label3",            Label,     "fraPrimary",     120,  960,  1455, 255,  "Willpower", "txtWP"},
    {"txtCO",             Text,      "fraPrimary",     1800, 1320, 375,  285},
    {"Label4",            Label,     "fraPrimary",     120,  1320, 1455, 255,  "Courage", "txtCO"},
    {"txtK",              Text,      "fraPrimary",     1800, 1680, 375,  285},
    {"Label5",            Label,     "fraPrimary",     120,  1680, 1455, 255,  "Kowledge", "txtK"},
    {"txtCD",             Text,      "fraPrimary",     1800, 2040, 375,  285},
    {"Label6",            Label,     "fraPrimary",     120,  2040, 1455, 255,  "Coordination", "txtCD"},
    {"fraSecondary",      Frame,     kTraits,          2760, 360,  2655, 4215, "Secondary Traits"},
    {"txtOF",             ShownText, "fraSecondary",   1920, 240,  375,  285},
    {"lblOF",             Label,     "fraSecondary",   120,  240,  1695, 255,  "Offense", "txtOF"},
    {"txtDP",             ShownText, "fraSecondary",   1920, 600,  375,  285},
    {"lblDP",             Label,     "fraSecondary",   120,  600,  1695, 255,  "Deception", "txtDP"},
    {"txtSR",             ShownText, "fraSecondary",   1920, 960,  375,  285},
    {"lblSR",             Label,     "fraSecondary",   120,  960,  1695, 255,  "Shock Resistance", "txtSR"},
    {"txtDA",             ShownText, "fraSecondary",   1920, 1320, 375,  285},
    {"lblDA",             Label,     "fraSecondary",   120,  1320, 1695, 255,  "Deactivation", "txtDA"},
    {"txtOB",             ShownText, "fraSecondary",   1920, 1680, 375,  285},
    {"lblOB",             Label,     "fraSecondary",   120,  1680, 1695, 255,  "Observation", "txtOB"},
    {"txtEV",             ShownText, "fraSecondary",   1920, 2040, 375,  285},
    {"lblEV",             Label,     "fraSecondary",   120,  2040, 1695, 255,  "Evasion", "txtEV"},
    {"txtGV",             ShownText, "fraSecondary",   1920, 2400, 375,  285},
    {"lblGV",             Label,     "fraSecondary",   120,  2400, 1695, 255,  "Gambling Value", "txtGV"},
    {"txtMV",             ShownText, "fraSecondary",   1920, 2760, 375,  285},
    {"lblMV",             Label,     "fraSecondary",   120,  2760, 1695, 255,  "Movement Value", "txtMV"},
    {"txtLL",             ShownText, "fraSecondary",   1920, 3120, 375,  285},
    {"lblLL",             Label,     "fraSecondary",   120,  3120, 1695, 255,  "Life Level", "txtLL"},
    {"txtWell",           ShownText, "fraSecondary",   1920, 3480, 375,  285},
    {"lblWell",           Label,     "fraSecondary",   120,  3480, 1695, 255,  "Wellness", "txtWell"},
    {"txtBA",             ShownText, "fraSecondary",   1920, 3840, 375,  285},
    {"lblBA",             Label,     "fraSecondary",   120,  3840, 1695, 255,  "Balance", "txtBA"},
    {"fraTertiary",       Frame,     kTraits,          240,  3120, 2415, 1455, "Tertiary Traits"},
    {"txtPR",             ShownText, "fraTertiary",    1800, 240,  375,  285},
    {"Label7",            Label,     "fraTertiary",    120,  240,  1575, 255,  "Perception", "txtPR"},
    // The long label takes two lines, starting higher than its box.
    {"txtHTH",            ShownText, "fraTertiary",    1800, 600,  375,  285},
    {"Label8",            Label,     "fraTertiary",    120,  480,  1575, 375,  "Hand to Hand Combat Value", "txtHTH"},
    {"txtSV",             ShownText, "fraTertiary",    1800, 960,  375,  285},
    {"Label9",            Label,     "fraTertiary",    120,  960,  1575, 255,  "Surprise Value", "txtSV"},
    {"cmdPrimary",        Button,    kTraits,          5760, 600,  1335, 735},
    {"cmdUseParam",       Button,    kTraits,          5760, 1560, 1335, 735},
    {"cmdTrandC",         Button,    kTraits,          5760, 2520, 1335, 735},
    {"cmdView",           Button,    kTraits,          5760, 3480, 1335, 735,  "Open Word Pad"},
    {"cmdExit1",          Button,    kTraits,          5760, 4440, 1335, 615},

    {"cmdQuikGen",        Button,    kQuick,           1200, 960,  1455, 735},
    {"cdmRandwL",         Button,    kQuick,           4080, 960,  1455, 735},
    {"cmdRandbySex",      Button,    kQuick,           1200, 2280, 1455, 735},
    {"cmdrandbySandL",    Button,    kQuick,           4080, 2280, 1455, 735},
    {"cmdExit2",          Button,    kQuick,           1200, 3600, 1455, 615},
    {"cmdView2",          Button,    kQuick,           4080, 3600, 1455, 615,  "Open Word Pad"},
};

const std::vector<ModeButton> kModeButtons = {
    {"cmdGenChars", Mode::RollCharacteristics},  {"cmdPrimary", Mode::RollTraits},
    {"cmdUseParam", Mode::KeepTraits},           {"cmdTrandC", Mode::KeepTraitsRollCharacteristics},
    {"cmdSrandT", Mode::KeepCharacteristics},    {"cmdQuikGen", Mode::QuickRandom},
    {"cdmRandwL", Mode::ByLevel},                {"cmdRandbySex", Mode::BySex},
    {"cmdrandbySandL", Mode::BySexAndLevel},     {"cmdClear", Mode::ClearForm},
    {"cmdExit", Mode::Exit},  {"cmdExit1", Mode::Exit},  {"cmdExit2", Mode::Exit},
};

const std::vector<const char*> kTabOrder = {
    "txtPS", "txtCH", "txtWP", "txtCO", "txtK", "txtCD", "txtPR", "txtHTH", "txtSV", "txtOF",
    "txtDP", "txtEV", "txtDA", "txtOB", "txtSR", "txtGV", "txtMV", "txtLL", "txtWell", "txtBA",
    "cmdPrimary", "cmdUseParam", "cmdTrandC", "cmdView", "cmdExit1", "cboSex", "cboHair",
    "cboHandedness", "cboRace", "cboHeight", "cboWeight", "cboMilitary", "cboBranch", "txtLevel",
    "txtAge", "cboGlasses", "cboLoss", "cmdGenChars", "cmdExit", "cmdView1", "cmdSrandT",
    "cmdUserChars", "cmdQuikGen", "cdmRandwL", "cmdRandbySex", "cmdrandbySandL", "cmdExit2",
    "cmdView2", "cboPhysique", "cmdClear"};

namespace {

// What each drop-down list offers.
const std::map<std::string_view, QStringList>& ListEntries() {
    static const std::map<std::string_view, QStringList> entries = [] {
        QStringList heights;
        for (int inches = 61; inches <= 76; ++inches)
            heights << QString("%1'%2\"").arg(inches / 12).arg(inches % 12);
        return std::map<std::string_view, QStringList>{
            {"cboSex", {"Female", "Male"}},
            {"cboRace", {"Asian", "Black", "Middle Eastern", "Native American", "White"}},
            {"cboHair", {"Blonde", "Brown/Brunette", "Red/Auburn", "Black", "Gray"}},
            {"cboHeight", heights},
            {"cboHandedness", {"Right", "Left", "Ambidextrous"}},
            {"cboMilitary",
             {"General", "Admiral", "Colonel", "Captain", "Lt. Colonel", "Commander", "Major",
              "Lt. Commander", "Lieutenant", "First Lt.", "Lt. j.g.", "Second Lt.",
              "Chief Master Sgt.", "Command Sgt. Major", "Master Gunnery Sgt.",
              "Master Chief Petty Officer", "Master Sgt.", "Senior Master Sgt.",
              "Senior Chief Petty Officer", "Sgt. 1st Class", "Gunnery Sgt.",
              "Chief Petty Officer", "Staff Sgt.", "Tech. Sgt.", "Petty Officer 1st Class",
              "Petty Officer 2nd Class", "Petty Officer 3rd Class", "Corporal",
              "Private 1st Class", "Airman 1st Class", "Lance Corporal", "Seaman", "Private",
              "Airman ", "Sea. Appr.", "Airman/Basic", "Sea. Recruit", "No Military Service"}},
            {"cboBranch", {"Army", "Air Force", "Marine Corp.", "Navy", "N/A"}},
            {"cboGlasses",
             {"Glasses - no CLs", "Glasses/CLs", "Not Needed/CLs Okay", "Not Needed/no CLs",
              "N/A"}}};
    }();
    return entries;
}
// clang-format on

QRect Twips(const ControlRow& row) {
    return {Px(row.left), Px(row.top), Px(row.width), Px(row.height)};
}

QComboBox* MakeList(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    // Typing is a value, never completed to an entry: a line edit that already has a
    // completer keeps the combo box from building its own, a costly part of start-up.
    auto* line = new QLineEdit(combo);
    line->setCompleter(new QCompleter(line));
    combo->setLineEdit(line);
    line->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);  // nor added to the list
    if (const auto entries = ListEntries().find(name); entries != ListEntries().end())
        combo->addItems(entries->second);
    combo->setCurrentIndex(-1);
    return combo;
}

QWidget* Make(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
        case Frame:
            return new QGroupBox(row.caption, parent);
        case Label:
            return new FittingLabel(row.caption, parent);
        case List:
            return MakeList(parent, row.name);
        case Text:
        case ShownText: {
            auto* text = new FittingLineEdit(parent);
            text->setReadOnly(row.kind == ShownText);
            return text;
        }
        case Button: {
            const char* caption = row.caption;
            for (const ModeButton& button : kModeButtons)
                if (std::string_view(button.name) == row.name)
                    caption = InfoOf(button.mode).caption.data();
            return new WrappingButton(caption, parent);
        }
    }
    return nullptr;
}

}  // namespace

int Px(int twips) {
    return (twips + 7) / 15;
}

WindowLayout::WindowLayout(QTabWidget* tabs) : QObject(tabs), tabs_(tabs) {
    std::map<std::string_view, QWidget*> parents;
    for (const char* title : kPageTitles) {
        auto* page = new QWidget;
        tabs->addTab(page, title);
        parents[title] = page;
        page->installEventFilter(this);
    }
    for (const ControlRow& row : kControlRows) {
        QWidget* parent = parents.at(row.parent);
        QWidget* control = Make(row, parent);
        control->setObjectName(row.name);
        parents[row.name] = control;
        if (qobject_cast<QGroupBox*>(parent) != nullptr) {
            control->setGeometry(Twips(row));
            // A box alone in a frame goes by the frame's caption.
            if (row.kind == Text || row.kind == ShownText)
                control->setAccessibleName(qobject_cast<QGroupBox*>(parent)->title());
        } else {
            onPages_.emplace_back(control, &row);
        }
        if (row.names != nullptr) {
            QWidget* named = parents.at(row.names);
            qobject_cast<QLabel*>(control)->setBuddy(named);
            named->setAccessibleName(row.caption);
        }
    }
}

void WindowLayout::LayOutPage(QWidget* page) const {
    const QPoint offset = page->mapTo(tabs_, QPoint(0, 0));
    for (const auto& [control, row] : onPages_) {
        if (control->parentWidget() == page) control->setGeometry(Twips(*row).translated(-offset));
    }
}

bool WindowLayout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        LayOutPage(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

}  // namespace dossier
