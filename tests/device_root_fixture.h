// A fresh, empty device root for each test, removed afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

class DeviceRootTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/zorv-root-XXXXXX";
        root_ = mkdtemp(pattern);
        setenv("ZORVAGON_ROOT", root_.c_str(), 1);
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
        std::filesystem::remove_all(root_, error);
        unsetenv("ZORVAGON_ROOT");
    }

    const std::filesystem::path& root() const { return root_; }

    // Writes a file below the root, making its folders.
    void writeFile(const std::filesystem::path& relative, const std::string& content) {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative, std::ios::binary) << content;
    }

    std::string readFile(const std::filesystem::path& relative) const {
        std::ifstream in(root_ / relative, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    std::filesystem::path root_;
};
