#pragma once

// A locale whose decimal separator is a comma, switched on for the lifetime of the object, as a user's
// desktop may have it. Built from the system's locale sources into a private folder; `available()` is
// false where those sources are not installed.

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace flume_test {

class DecimalCommaLocale
{
public:
    DecimalCommaLocale()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "flume-locale-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        dir_ = pattern;
        const std::string command =
            "localedef -i de_DE -f UTF-8 '" + (dir_ / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !std::filesystem::exists(dir_ / "de_DE.UTF-8"))
            return;
        setenv("LOCPATH", dir_.c_str(), 1);
        active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr
                  && std::string(std::localeconv()->decimal_point) == ",";
    }

    ~DecimalCommaLocale()
    {
        std::setlocale(LC_ALL, "C");
        unsetenv("LOCPATH");
        if (!dir_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(dir_, ignored);
        }
    }

    DecimalCommaLocale(const DecimalCommaLocale &) = delete;
    DecimalCommaLocale &operator=(const DecimalCommaLocale &) = delete;

    bool available() const { return active_; }

private:
    std::filesystem::path dir_;
    bool active_ = false;
};

} // namespace flume_test
