// Reading a calculation file one value per line: a file that ends before the lines its layout
// (and its count lines) announce is refused instead of read short.
#pragma once

#include <string>
#include <vector>

#include "core/toolkit/error.hpp"
#include "core/toolkit/string_grid.hpp"

namespace corvana::toolkit {

class LayoutReader {
  public:
    explicit LayoutReader(const std::vector<std::string>& lines) : lines_(lines) {}

    // The next line; throws damaged() when the file has ended.
    std::string next();
    // The next line, or an empty text when the file has ended: only for the trailing lines an
    // older layout does not have.
    std::string nextOptional();
    bool atEnd() const { return pos_ >= lines_.size(); }
    size_t position() const { return pos_; }
    // A flag line: true only for the exact text `on` ("true" unless the layout says otherwise).
    bool nextFlag(const char* on = "true") { return next() == on; }
    // A count line: a whole number (blanks ignored, at most six digits) not below `minimum`.
    int nextCount(int minimum);
    // A grid block: its row count (at least 1, the header row), then one comma-text line per
    // data row into rows 1…count−1. The grid's row count becomes the count read.
    void readGrid(StringGrid& g);

    // "O arquivo não é um cálculo válido: a leitura foi interrompida"
    static Error damaged();

  private:
    const std::vector<std::string>& lines_;
    size_t pos_ = 0;
};

// The writing side of the same layouts.
// A flag line: "true" or "false".
inline const char* flagText(bool on) {
    return on ? "true" : "false";
}
// A grid block stored whole: the row count, then every row, the header row 0 included.
void addWholeGrid(std::vector<std::string>& lines, const StringGrid& g);

}  // namespace corvana::toolkit
