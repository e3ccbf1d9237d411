#include "pdf_fixture.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace ordanex::testing {

void writePdf(const std::filesystem::path& file, const std::vector<int>& pageWidths)
{
    std::vector<std::string> objects;
    std::string kids;
    for (std::size_t i = 0; i < pageWidths.size(); ++i)
        kids += std::to_string(i + 3) + " 0 R ";
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " +
                      std::to_string(pageWidths.size()) + " >>");
    for (int width : pageWidths)
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " +
                          std::to_string(width) + " 300] >>");

    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    char entry[32];
    for (std::size_t offset : offsets) {
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    std::ofstream(file, std::ios::binary) << pdf;
}

std::string readAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool waitForPdf(const std::filesystem::path& file, int seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        std::string text = readAll(file);
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
            text.pop_back();
        if (text.ends_with("%%EOF"))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

std::vector<int> pageWidths(const std::filesystem::path& file)
{
    // The file name goes through an environment variable, so no shell
    // quoting of test names is needed.
    setenv("ORDANEX_TEST_PDF", file.c_str(), 1);
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(
        popen("pdftk \"$ORDANEX_TEST_PDF\" dump_data 2>/dev/null", "r"), pclose);
    std::vector<int> widths;
    char line[512];
    while (pipe && std::fgets(line, sizeof line, pipe.get())) {
        double width = 0;
        double height = 0;
        if (std::sscanf(line, "PageMediaDimensions: %lf %lf", &width, &height) == 2)
            widths.push_back(static_cast<int>(width));
    }
    return widths;
}

TempDir::TempDir(const std::string& name)
    : path_(std::filesystem::temp_directory_path() /
            ("ordanex-" + name + "-" + std::to_string(getpid())))
{
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace ordanex::testing
