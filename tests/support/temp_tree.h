#pragma once

#include <filesystem>
#include <fstream>
#include <string>

// A temporary folder that is removed with everything in it when the test ends.
class TempTree {
public:
    TempTree() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tessaline-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
    }
    ~TempTree() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    std::string path(const std::string& relative = "") const {
        return relative.empty() ? root_.string() : (root_ / relative).string();
    }
    void write(const std::string& relative, const std::string& text) const {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative) << text;
    }
    void folder(const std::string& relative) const {
        std::filesystem::create_directories(root_ / relative);
    }
    void link(const std::string& relative, const std::string& target) const {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::filesystem::create_symlink(target, root_ / relative);
    }

private:
    std::filesystem::path root_;
};
