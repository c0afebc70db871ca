#pragma once

#include <string>
#include <string_view>

namespace zizaza {

// The whole file as bytes; DictionaryError naming the file when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

// Writes the bytes to a temporary file in the target's folder, flushes it to disk and renames it
// over the target, so that the target is either left as it was or holds all of the bytes.
// DictionaryError naming the file on any failure (the temporary file is removed).
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace zizaza
