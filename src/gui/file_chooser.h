#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace dossier {

// The File menu's questions to the user: which file, which character, which printer. The
// window asks through this so that tests can answer.
class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // filters as QFileDialog takes them: "PDF (*.pdf);;Markdown (*.md)".
    virtual std::optional<std::filesystem::path> SaveFile(const QString& title,
                                                          const QString& filters,
                                                          const QString& suggested) = 0;
    virtual std::optional<std::filesystem::path> OpenFile(const QString& title,
                                                          const QString& filters) = 0;
    // Index of the item chosen, nothing on Cancel.
    virtual std::optional<int> ChooseOne(const QString& title, const QString& label,
                                         const QStringList& items) = 0;
    // A whole number from lowest to highest, value offered first; nothing on Cancel.
    virtual std::optional<int> AskNumber(const QString& title, const QString& label, int value,
                                         int lowest, int highest) = 0;
    // Shows the platform's print dialog with its preview; paint draws the pages on the
    // printer it gives. False when the user cancelled.
    virtual bool Print(const QString& title,
                       const std::function<void(QPagedPaintDevice&)>& paint) = 0;
};

// QFileDialog, QInputDialog and QPrintPreviewDialog over the window.
class QtFileChooser final : public FileChooser {
  public:
    explicit QtFileChooser(QWidget* parent) : parent_(parent) {}
    std::optional<std::filesystem::path> SaveFile(const QString& title, const QString& filters,
                                                  const QString& suggested) override;
    std::optional<std::filesystem::path> OpenFile(const QString& title,
                                                  const QString& filters) override;
    std::optional<int> ChooseOne(const QString& title, const QString& label,
                                 const QStringList& items) override;
    std::optional<int> AskNumber(const QString& title, const QString& label, int value, int lowest,
                                 int highest) override;
    bool Print(const QString& title, const std::function<void(QPagedPaintDevice&)>& paint) override;

  private:
    QWidget* parent_;
};

}  // namespace dossier
