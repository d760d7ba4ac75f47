#include <QGuiApplication>
#include <QIODevice>
#include <QPdfWriter>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "core/saved/roster.h"
#include "platform/replacing_file.h"
#include "printing/character_document.h"
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

class PdfDocument final : public CharacterDocument {
  public:
    PdfDocument(const std::filesystem::path& path, PdfKind kind)
        : app_(GuiApplicationForPainting()), device_(path), kind_(kind) {
        writer_.emplace(&device_);
        writer_->setPageSize(LocalePageSize());
        writer_->setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer_->setCreator(QStringLiteral("Dossier"));
        writer_->setTitle(kind == PdfKind::Sheets ? QStringLiteral("Character sheets")
                                                  : QStringLiteral("Session roster"));
        if (kind == PdfKind::Sheets) {
            sheets_.emplace(*writer_);
        } else {
            roster_.emplace(*writer_);
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
        if (sheets_) sheets_->End();
        if (roster_) roster_->End();
        writer_.reset();  // writes the PDF's tail
        device_.Commit();
    }

  private:
    std::unique_ptr<QGuiApplication> app_;  // first made, last gone
    ReplacingFileDevice device_;
    PdfKind kind_;
    std::optional<QPdfWriter> writer_;
    std::optional<SheetPainter> sheets_;
    std::optional<RosterPainter> roster_;
};

}  // namespace

std::unique_ptr<CharacterDocument> OpenPdf(const std::filesystem::path& path, PdfKind kind) {
    return std::make_unique<PdfDocument>(path, kind);
}

}  // namespace dossier
