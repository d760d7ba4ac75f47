#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "core/dice/dice.h"
#include "frontend/dialogs.h"
#include "gui/file_chooser.h"
#include "platform/sheet_viewer.h"

class QSettings;
class QWidget;

namespace dossier {

// What the window works with; tests replace any of it.
struct WindowServices {
    Dice* dice = nullptr;               // the clock's dice when null
    Dialogs* dialogs = nullptr;         // modal Qt dialogs when null
    SheetViewer* viewer = nullptr;      // the desktop's viewer when null
    std::filesystem::path sheetPath;    // the default sheet path when empty
    std::function<void()> exitProgram;  // ends the application with status 0 when empty
    FileChooser* files = nullptr;       // Qt's file, choice and print dialogs when null
    Dice* nameDice = nullptr;           // dice of the names' own, the clock's when null
    QSettings* settings = nullptr;      // the user's settings when null
    Dice* profileDice = nullptr;        // dice of the profiles' own, the clock's when null
    Dice* networkDice = nullptr;        // dice of the networks' own, the clock's when null
};

// Fills in what was not given, with services that live as long as this.
class OwnServices {
  public:
    OwnServices(WindowServices& services, QWidget* window);
    ~OwnServices();

  private:
    std::unique_ptr<Dice> dice_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<SheetViewer> viewer_;
    std::unique_ptr<FileChooser> files_;
    std::unique_ptr<Dice> nameDice_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<Dice> profileDice_;
    std::unique_ptr<Dice> networkDice_;
};

}  // namespace dossier
