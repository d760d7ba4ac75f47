#pragma once

#include <QMainWindow>
#include <QWidget>
#include <optional>

#include "core/saved/network.h"
#include "frontend/dialogs.h"
#include "gui/file_chooser.h"
#include "network/network_layout.h"
#include "printing/character_document.h"

class QListWidget;

namespace dossier {

// The network's picture, drawn as the PDF's first page draws it, scaled to the widget.
class NetworkPictureView final : public QWidget {
  public:
    NetworkPictureView(const Network& network, QWidget* parent);
    QSize sizeHint() const override { return {900, 600}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Network& network_;
    NetworkPicture picture_;
};

// A network in a window of its own: the picture, the members listed; a member chosen opens in
// the main window, and the network can be saved or exported as a PDF.
class NetworkWindow final : public QMainWindow {
    Q_OBJECT

  public:
    NetworkWindow(Network network, Dialogs& dialogs, FileChooser& files, QWidget* parent);

    const Network& network() const { return network_; }
    QListWidget* members() const { return members_; }

    void SaveNetwork();
    void ExportPdf();
    // The same without the secret report to the other side, for the players.
    void ExportPlayersCopy();

  signals:
    // The member, by its place, to open in the main window.
    void MemberChosen(std::size_t member);

  private:
    void Tell(const std::string& message, const char* title);
    void Export(NetworkCopy copy, const char* title, const char* suggested);

    Network network_;
    Dialogs& dialogs_;
    FileChooser& files_;
    QListWidget* members_ = nullptr;
};

}  // namespace dossier
