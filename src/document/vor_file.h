#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/vor_doc.h"

// The .vor document file: every field of CVORDoc in a fixed order, reals
// and ints little-endian, texts behind a length prefix. Plain bytes in and
// out; reading and writing the file itself is the FilePort's job.
namespace vor {

// The messages a refused file gives, exactly as the user sees them. The
// reader gives the first two; the third is for a file that could not be
// read at all.
inline constexpr const char* kIncorrectVersion =
    "Incorrect Version.  This version of VOR cannot read files created by VOR v2.0 or higher.";
inline constexpr const char* kUnexpectedFormat = "Unexpected file format.";
inline constexpr const char* kFailedToOpen = "Failed to open document.";

// Files from version 2.0 on have a layout this reader does not know.
inline constexpr double kFirstUnreadableVersion = 2.0;

// A tape that holds a line of the tax keys or the grand total key is
// written as version 2.0: readers that know only the classic keys refuse it
// with their version message instead of replaying those lines as something
// else. Its last reserved text carries kTaxKeysMarker, which tells it from
// the files of other programs' version 2.0, whose layout this reader does
// not know. Every other tape keeps the version it was read or started with,
// so its file stays the same byte for byte.
inline constexpr double kTaxKeysVersion = 2.0;
inline constexpr const char* kTaxKeysMarker = "vorlex tax keys";
bool holdsTaxKeyLines(const CVORDoc& doc);

// The document's file image: the fields in the file's order, little-endian.
// Pure-ASCII texts go in the one-byte form, every other text in the UTF-16
// form, so no character is lost. A text longer than a tape line can hold is
// cut (never inside a character) so that every file written reads back.
std::string writeVorFile(const CVORDoc& doc);

// Reads a file image into `doc`. On success `doc` holds the file's document:
// every field, the lines with empty snapshots, m_rebuildTape raised,
// m_modified false and m_version as stored. On refusal `doc` is untouched
// and `message` is kIncorrectVersion or kUnexpectedFormat.
//
// One-byte texts are Windows-1252, as older versions wrote them; the five
// bytes that code page leaves undefined read as the Latin-1 control
// characters of the same number, as Windows itself converts them.
bool readVorFile(std::string_view bytes, CVORDoc& doc, std::string& message);

// The largest file worth reading: 1000 lines of the longest texts the
// format allows (255 and 79 characters, each outside the Basic
// Multilingual Plane, in UTF-16 behind the longest prefixes), six header
// texts of 255 such characters, and room to spare. No valid file is larger
// (vor_file.cpp checks that at compile time).
inline constexpr std::size_t kMaxVorFileBytes = std::size_t{2} << 20;

}  // namespace vor
