#include "gui/window_services.h"

#include <QCoreApplication>
#include <QSettings>

#include "core/dice/random_dice.h"
#include "gui/qt_dialogs.h"
#include "platform/sheet_file.h"

namespace dossier {

namespace {

template <typename Service, typename Made>
void FillIn(Service*& given, std::unique_ptr<Service>& own, Made make) {
    if (given != nullptr) return;
    own = make();
    given = own.get();
}

}  // namespace

OwnServices::OwnServices(WindowServices& services, QWidget* window) {
    FillIn(services.dice, dice_, [] { return std::make_unique<ClockDice>(); });
    FillIn(services.dialogs, dialogs_, [window] { return std::make_unique<QtDialogs>(window); });
    FillIn(services.viewer, viewer_, [] { return std::make_unique<DesktopSheetViewer>(); });
    FillIn(services.files, files_, [window] { return std::make_unique<QtFileChooser>(window); });
    FillIn(services.nameDice, nameDice_, [] { return std::make_unique<ClockDice>(); });
    FillIn(services.settings, settings_, [] { return std::make_unique<QSettings>(); });
    FillIn(services.profileDice, profileDice_, [] { return std::make_unique<ClockDice>(); });
    FillIn(services.networkDice, networkDice_, [] { return std::make_unique<ClockDice>(); });
    if (services.sheetPath.empty()) services.sheetPath = DefaultSheetPath();
    if (!services.exitProgram) services.exitProgram = [] { QCoreApplication::exit(0); };
}

OwnServices::~OwnServices() = default;

}  // namespace dossier
