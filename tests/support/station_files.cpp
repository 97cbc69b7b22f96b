#include "support/station_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace orvant::testing {

std::string withValue(const std::string& fileText, int number, const std::string& value) {
    std::size_t next = 0;
    for (int n = 1; n <= number; ++n) {
        const std::size_t equals = fileText.find('=', next);
        const std::size_t end =
            equals == std::string::npos ? std::string::npos : fileText.find('\r', equals + 1);
        if (end == std::string::npos)
            throw std::out_of_range("the file holds no value " + std::to_string(number));
        if (n == number) {
            std::string text = fileText;
            text.replace(equals + 1, end - equals - 1, value);
            return text;
        }
        next = end + 1;
    }
    throw std::out_of_range("values are numbered from 1");
}

void loadSampleStation(MemoryFileSystem& files, const std::string& folder,
                       const std::string& example) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(ORVANT_EXAMPLES_DIR) + "/" + example)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files.addFile(folder + "/" + entry.path().filename().string(),
                      {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    }
    if (!files.changeDirectory(folder)) throw std::runtime_error("no sample station at " + folder);
}

void setValue(MemoryFileSystem& files, const std::string& path, int number,
              const std::string& value) {
    const FileRead file = files.readFile(path);
    if (file.status != FileStatus::Ok) throw std::runtime_error("no file " + path);
    files.addFile(path, withValue(file.bytes, number, value));
}

}  // namespace orvant::testing
