#include "Diagnostics.h"

void Diagnostics::error(const std::string& file, const std::string& message) {
    lines_.push_back(file + ": error: " + message);
    ++errorCount_;
}

void Diagnostics::warning(const std::string& file, const std::string& message) {
    lines_.push_back(file + ": warning: " + message);
    ++warningCount_;
}

void Diagnostics::note(const std::string& file, const std::string& message) {
    lines_.push_back(file + ": note: " + message);
}

std::string Diagnostics::text() const {
    std::string all;
    for (const std::string& line : lines_) all += line + "\n";
    return all;
}
