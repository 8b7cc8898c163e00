// What must hold for any input: the checks the fuzz targets run on every input they make, and
// the corpus replay runs on the committed inputs.  Each check returns an empty text when it
// holds, else what went wrong.
//
// - The readers (a data file as bytes): a refused file leaves the case in memory exactly as it
//   was; a file that is read can be saved again, and its calculation either stops with a
//   message or gives finite results (Ostrimo's also results it marks as not computed).
// - The calculations (values set into the global data after the defaults): the calculation
//   either stops with a message or gives finite results (as above).
//
// The calculation inputs are records of 10 bytes: a 2-byte field number (little-endian, taken
// modulo the number of fields) and 8 bytes of value (a double's bits for a number, an integer
// for a count or a choice, its lowest bit for a flag).  The first byte of an input picks the
// gearing type.  A missing or short record ends the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

std::string CheckKarveloReader(const std::uint8_t* data, std::size_t size);
std::string CheckOstrimoReader(const std::uint8_t* data, std::size_t size);
std::string CheckKarveloCalculation(const std::uint8_t* data, std::size_t size);
std::string CheckOstrimoCalculation(const std::uint8_t* data, std::size_t size);

// The field names of the calculation inputs, by field number (to read and write corpus files).
const std::vector<std::string>& KarveloFieldNames();
const std::vector<std::string>& OstrimoFieldNames();

}  // namespace fuzz
