#include "platform/replacing_file.h"
#include "printing/character_document.h"

namespace dossier {

// A build without Qt (the Windows cross build) has no PDF; the options refuse it first.
std::unique_ptr<CharacterDocument> OpenPdf(const std::filesystem::path& path, PdfKind /*kind*/) {
    throw WriteError(path, "this build has no PDF output");
}

void WriteNetworkPdf(const std::filesystem::path& path, const Network& /*network*/,
                     NetworkCopy /*copy*/) {
    throw WriteError(path, "this build has no PDF output");
}

}  // namespace dossier
