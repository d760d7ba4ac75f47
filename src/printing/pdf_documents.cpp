#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIODevice>
#include <QPdfWriter>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/saved/roster.h"
#include "platform/replacing_file.h"
#include "printing/character_document.h"
#include "printing/network_painter.h"
#include "printing/page_painters.h"
#include "printing/painting_platform.h"

namespace dossier {

namespace {

// QPdfWriter writes to a device; this one hands the bytes to a file that replaces its
// target whole, so a PDF is complete or not there at all.
class ReplacingFileDevice final : public QIODevice {
  public:
    explicit ReplacingFileDevice(const std::filesystem::path& path) : file_(path) {
        open(QIODevice::WriteOnly);
    }
    void Commit() {
        if (failure_) throw *failure_;
        file_.Commit();
    }

  protected:
    qint64 readData(char* /*data*/, qint64 /*size*/) override { return -1; }
    // Qt is not built to pass exceptions on: the first failure is kept for Commit.
    qint64 writeData(const char* data, qint64 size) override {
        if (failure_) return -1;
        try {
            file_.Write(std::string_view(data, static_cast<std::size_t>(size)));
        } catch (const WriteError& error) {
            failure_ = error;
            return -1;
        }
        return size;
    }

  private:
    ReplacingFile file_;
    std::optional<WriteError> failure_;
};

// Qt's start-up notes (no runtime folder, say) are not the user's business on a command line.
void KeepQuietUnlessFatal(QtMsgType type, const QMessageLogContext& /*context*/,
                          const QString& message) {
    if (type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

// Painting text needs a GUI application, on a platform that needs no display. Nothing when
// the program has one already.
std::unique_ptr<QGuiApplication> GuiApplicationForPainting() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    ChoosePaintingPlatform();
    const QtMessageHandler previous = qInstallMessageHandler(KeepQuietUnlessFatal);
    static int argc = 1;
    static char name[] = "dossier-cli";
    static char* argv[] = {name, nullptr};
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(previous);
    return app;
}

void SetUp(QPdfWriter& writer, const QString& title) {
    writer.setPageSize(LocalePageSize());
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setCreator(QStringLiteral("Dossier"));
    writer.setTitle(title);
}

class PdfDocument final : public CharacterDocument {
  public:
    PdfDocument(const std::filesystem::path& path, PdfKind kind)
        : app_(GuiApplicationForPainting()), device_(path), kind_(kind) {
        writer_.emplace(&device_);
        SetUp(*writer_, kind == PdfKind::Sheets ? QStringLiteral("Character sheets")
                                                : QStringLiteral("Session roster"));
        pages_.emplace(*writer_);
        if (kind == PdfKind::Sheets) {
            sheets_.emplace(*pages_);
        } else {
            roster_.emplace(*pages_);
        }
    }
    void Add(const SavedCharacter& character, long long number) override {
        if (kind_ == PdfKind::Sheets) {
            sheets_->Add(character.sheetText);
        } else {
            roster_->Add(MakeRosterBlock(character, number));
        }
    }
    void Finish() override {
        pages_->End();
        writer_.reset();  // writes the PDF's tail
        device_.Commit();
    }

  private:
    std::unique_ptr<QGuiApplication> app_;  // first made, last gone
    ReplacingFileDevice device_;
    PdfKind kind_;
    std::optional<QPdfWriter> writer_;
    std::optional<Pages> pages_;
    std::optional<SheetPainter> sheets_;
    std::optional<RosterPainter> roster_;
};

}  // namespace

void WriteNetworkPdf(const std::filesystem::path& path, const Network& whole, NetworkCopy copy) {
    const Network network = copy == NetworkCopy::Players ? PlayersCopy(whole) : whole;
    const std::unique_ptr<QGuiApplication> app = GuiApplicationForPainting();
    ReplacingFileDevice device(path);
    {
        QPdfWriter writer(&device);
        SetUp(writer, QStringLiteral("Network of %1").arg(network.members.size()));
        const NetworkPicture picture = LayOutNetwork(network);
        if (picture.width > picture.height) writer.setPageOrientation(QPageLayout::Landscape);
        Pages pages(writer);
        pages.StartPage();
        QPainter& painter = pages.painter();
        QFont title = OwnFont("DejaVu Sans");
        title.setPointSizeF(12);
        title.setBold(true);
        painter.setFont(title);
        const double titleHeight = QFontMetricsF(title, &writer).lineSpacing() * 1.6;
        painter.drawText(QRectF(0, 0, writer.width(), titleHeight), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("A network of %1: the %2 copy")
                             .arg(network.members.size())
                             .arg(copy == NetworkCopy::Players ? QStringLiteral("players'")
                                                               : QStringLiteral("game master's")));
        DrawNetworkPicture(painter,
                           QRectF(0, titleHeight, writer.width(), writer.height() - titleHeight),
                           network, picture);
        // The roster and the sheets read down the page; the turn takes the next page.
        writer.setPageOrientation(QPageLayout::Portrait);
        RosterPainter roster(pages);
        for (std::size_t m = 0; m < network.members.size(); ++m)
            roster.Add(MakeRosterBlock(network.members[m], static_cast<long long>(m + 1)));
        SheetPainter sheets(pages);
        for (const SavedCharacter& member : network.members) sheets.Add(member.sheetText);
        pages.End();
    }
    device.Commit();
}

std::unique_ptr<CharacterDocument> OpenPdf(const std::filesystem::path& path, PdfKind kind) {
    return std::make_unique<PdfDocument>(path, kind);
}

}  // namespace dossier
