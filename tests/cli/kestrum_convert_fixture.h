#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <memory>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/temp_folder.h"

namespace kestrum::test {

// Runs kestrum-convert with its settings and its cache in folders of the
// test's own, and with a search path of the test's own when searchPath_ is set.
class KestrumConvert : public ::testing::Test {
protected:
    ProgramResult Run(std::vector<std::string> arguments, const std::string& input = {}) {
        return Launch(std::move(arguments))->Finish(input);
    }
    std::unique_ptr<RunningProgram> Launch(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), KESTRUM_CONVERT_PATH);
        return std::make_unique<RunningProgram>(arguments, Environment());
    }
    std::vector<std::string> Environment() const {
        std::vector<std::string> environment{"XDG_CONFIG_HOME=" + config_.Path(),
                                             "XDG_CACHE_HOME=" + cache_.Path()};
        if (!searchPath_.empty()) {
            environment.push_back("PATH=" + searchPath_);
        }
        return environment;
    }
    void SaveSettings(const std::string& options) {
        const std::string folder = config_.Path() + "Kestrum/Video Converter/";
        ::mkdir((config_.Path() + "Kestrum").c_str(), 0700);
        ::mkdir(folder.c_str(), 0700);
        test::WriteFile(folder + "settings.ini", "[Options]\r\n" + options);
    }
    std::string SettingsFile() const {
        return config_.Path() + "Kestrum/Video Converter/settings.ini";
    }

    TempFolder config_;
    TempFolder cache_;
    TempFolder files_;
    std::string searchPath_;
};

}  // namespace kestrum::test
