#include "gui/network_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/saved/character_json.h"
#include "core/saved/roster.h"
#include "platform/replacing_file.h"
#include "printing/character_document.h"
#include "printing/network_painter.h"
#include "printing/qt_text.h"

namespace dossier {

NetworkPictureView::NetworkPictureView(const Network& network, QWidget* parent)
    : QWidget(parent), network_(network), picture_(LayOutNetwork(network)) {
    setObjectName("picNetwork");
    setAccessibleName("The network's picture");
    setMinimumSize(480, 320);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
}

void NetworkPictureView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawNetworkPicture(painter, QRectF(rect()).adjusted(8, 8, -8, -8), network_, picture_);
}

NetworkWindow::NetworkWindow(Network network, Dialogs& dialogs, FileChooser& files, QWidget* parent)
    : QMainWindow(parent), network_(std::move(network)), dialogs_(dialogs), files_(files) {
    setObjectName("frmNetwork");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Network of %1").arg(network_.members.size()));
    QMenu* menu = menuBar()->addMenu("&Network");
    menu->setObjectName("mnuNetwork");
    const auto add = [&](const char* name, const char* text, void (NetworkWindow::*run)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, run] { (this->*run)(); });
    };
    add("mnuSaveNetwork", "&Save Network...", &NetworkWindow::SaveNetwork);
    add("mnuExportNetworkPdf", "&Export Network as PDF...", &NetworkWindow::ExportPdf);
    add("mnuExportPlayersCopy", "Export &Players' Copy as PDF...",
        &NetworkWindow::ExportPlayersCopy);
    menu->addSeparator();
    QAction* close = menu->addAction("&Close");
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(new NetworkPictureView(network_, central), 1);
    auto* side = new QVBoxLayout;
    members_ = new QListWidget(central);
    members_->setObjectName("lstMembers");
    members_->setAccessibleName("Members");
    for (std::size_t m = 0; m < network_.members.size(); ++m) {
        const SavedCharacter& member = network_.members[m];
        members_->addItem(ToQString(MakeRosterBlock(member, static_cast<long long>(m + 1)).title +
                                    ", " + member.profile.role));
    }
    members_->setCurrentRow(0);
    // Every member's line whole.
    members_->setMinimumWidth(members_->sizeHintForColumn(0) + 2 * members_->frameWidth() +
                              members_->verticalScrollBar()->sizeHint().width());
    auto* open = new QPushButton("&Open in Main Window", central);
    open->setObjectName("btnOpenMember");
    const auto chosen = [this] {
        if (members_->currentRow() >= 0)
            emit MemberChosen(static_cast<std::size_t>(members_->currentRow()));
    };
    connect(open, &QPushButton::clicked, this, chosen);
    connect(members_, &QListWidget::itemActivated, this, chosen);
    side->addWidget(members_, 1);
    side->addWidget(open);
    layout->addLayout(side);
    setCentralWidget(central);
}

void NetworkWindow::Tell(const std::string& message, const char* title) {
    dialogs_.Message(message, title);
}

void NetworkWindow::SaveNetwork() {
    constexpr const char* kTitle = "Save Network";
    const auto path =
        files_.SaveFile(kTitle, "Dossier networks (*.jsonl);;All files (*)", "network.jsonl");
    if (!path) return;
    std::string lines;
    for (std::size_t m = 0; m < network_.members.size(); ++m)
        lines += NetworkMemberJsonLine(network_, m);
    try {
        ReplaceFileWith(*path, lines);
    } catch (const WriteError& error) {
        Tell(error.what(), kTitle);
    }
}

void NetworkWindow::ExportPdf() {
    Export(NetworkCopy::GameMaster, "Export Network as PDF", "network.pdf");
}

void NetworkWindow::ExportPlayersCopy() {
    Export(NetworkCopy::Players, "Export Players' Copy as PDF", "network-players.pdf");
}

void NetworkWindow::Export(NetworkCopy copy, const char* title, const char* suggested) {
    const auto path = files_.SaveFile(title, "PDF (*.pdf)", suggested);
    if (!path) return;
    try {
        WriteNetworkPdf(*path, network_, copy);
    } catch (const WriteError& error) {
        Tell(error.what(), title);
    }
}

}  // namespace dossier
