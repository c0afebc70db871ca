#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zizaza {

// The whole file as bytes; DictionaryError naming the file when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

// Writes the bytes to a temporary file in the target's folder, flushes it to disk, hands the bytes
// read back from it to check when given, and renames it over the target, so that the target is
// either left as it was or holds all of the bytes. DictionaryError naming the file with the
// system's reason in Russian on any failure; what check throws keeps the old file and is passed
// on (the temporary file is removed in both cases).
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         const std::function<void(std::string_view written)>& check = {});

}  // namespace zizaza
