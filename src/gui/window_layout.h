#pragma once

#include <QObject>
#include <array>
#include <vector>

#include "frontend/modes.h"

class QTabWidget;
class QWidget;

namespace dossier {

enum class ControlKind { Frame, Label, List, Text, ShownText, Button };

// One control of the window as the form lays it out, in the twips it was drawn in (15 to a
// logical pixel).
struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* parent;  // a page's title, or the name of the frame it sits in
    // Within a frame; on a page, from the tab control's top left corner, its tabs included.
    int left, top, width, height;
    const char* caption = nullptr;  // a mode button's comes from its mode
    const char* names = nullptr;    // the control a label names
};

inline constexpr std::array<const char*, 3> kPageTitles = {"Characteristics", "Traits",
                                                           "Quick Generation"};

// Every control, in the order they are made, which is also the order they stack in.
extern const std::vector<ControlRow> kControlRows;

// The buttons that press a mode, and the buttons that open the sheet.
struct ModeButton {
    const char* name;
    Mode mode;
};
extern const std::vector<ModeButton> kModeButtons;
inline constexpr std::array<const char*, 3> kViewButtons = {"cmdView1", "cmdView", "cmdView2"};

// Where the Tab key goes from each control to the next.
extern const std::vector<const char*> kTabOrder;

int Px(int twips);

// Makes the controls of kControlRows on the tab control's pages, and keeps those that sit on a
// page where the table puts them whenever the page moves within the tab control.
class WindowLayout final : public QObject {
  public:
    explicit WindowLayout(QTabWidget* tabs);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void LayOutPage(QWidget* page) const;

    QTabWidget* tabs_;
    std::vector<std::pair<QWidget*, const ControlRow*>> onPages_;
};

}  // namespace dossier
