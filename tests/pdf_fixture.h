#pragma once

// Small PDFs written by the tests themselves, and a look at what pdftk made.

#include <filesystem>
#include <string>
#include <vector>

namespace ordanex::testing {

// Writes a PDF with one page per width (each page 300 points high), so the
// order of pages in a merged file can be read back from their widths.
void writePdf(const std::filesystem::path& file, const std::vector<int>& pageWidths);

// Waits, at most `seconds`, until `file` is a finished PDF.
bool waitForPdf(const std::filesystem::path& file, int seconds = 60);

// The page widths of `file` in page order, read by pdftk.
std::vector<int> pageWidths(const std::filesystem::path& file);

std::string readAll(const std::filesystem::path& file);

// A fresh folder under the system's temporary folder, removed on destruction.
class TempDir {
public:
    explicit TempDir(const std::string& name);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

} // namespace ordanex::testing
