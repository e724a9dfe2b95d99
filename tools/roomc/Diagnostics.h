#pragma once

#include <string>
#include <vector>

// What the room compiler found wrong, each message naming the file and, where
// there is one, the object or layer. Errors stop the build; warnings are
// printed and the build goes on.
class Diagnostics {
  public:
    void error(const std::string& file, const std::string& message);
    void warning(const std::string& file, const std::string& message);
    // Worth knowing, not wrong: printed, counted as neither.
    void note(const std::string& file, const std::string& message);

    bool hasErrors() const { return errorCount_ > 0; }
    int errorCount() const { return errorCount_; }
    int warningCount() const { return warningCount_; }
    // Every message in the order found, "file: error: text", "file: warning: text" or "file: note:
    // text".
    const std::vector<std::string>& lines() const { return lines_; }
    // All lines joined with newlines (what the tests search).
    std::string text() const;

  private:
    std::vector<std::string> lines_;
    int errorCount_ = 0;
    int warningCount_ = 0;
};
