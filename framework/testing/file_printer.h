// A PostScript printer of the test prefix whose jobs land in a file, made
// the default printer, and what the tests read back from its output.
#pragma once
#include <string>
#include <vector>

namespace fw::test {

// Installs (once per prefix) the printer `name` printing to the Windows
// path `outputPath` and makes it the default; false with the reason in
// `error`.
bool InstallFilePrinter(const std::string& name, const std::string& outputPath,
                        std::string* error = nullptr);

// The pages of a PostScript file as text, one string per page, through the
// host's Ghostscript; a page it could not read is empty.
std::vector<std::string> PostScriptPageTexts(const std::string& psPath);
// Renders page `page` (one-based) of a PostScript file to a PNG.
bool RenderPostScriptPage(const std::string& psPath, int page, const std::string& pngPath,
                          int dpi = 60);
// The "%%Page:" comments of a PostScript file.
int PostScriptPageCount(const std::string& psText);

} // namespace fw::test
