#include "tests/platform/support/TemporaryDirectory.h"

#include "platform/FilePaths.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

TemporaryDirectory::TemporaryDirectory() {
    std::random_device random;
    std::uniform_int_distribution<unsigned long long> number;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("orbelan-test-" + std::to_string(number(random)));
        if (fs::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary directory");
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::string TemporaryDirectory::FilePath(const std::string& name) const {
    return Utf8FromPath(m_path / PathFromUtf8(name));
}

std::string TemporaryDirectory::AddFile(const std::string& name, const std::string& content) const {
    const std::string path = FilePath(name);
    std::ofstream(PathFromUtf8(path), std::ios::binary) << content;
    return path;
}
