#pragma once

#include <iosfwd>

namespace zizaza {
class kTSvodSum;
}

namespace zizaza::cli {

// The computed declaration as plain text, one value a line ("  НалБаза 46153.85"), amounts in
// their exact shortest form. Sections 1 and 2 always; every sheet on request.
void WriteSections(const kTSvodSum& sum, std::ostream& out);
void WriteSheets(const kTSvodSum& sum, std::ostream& out);

}  // namespace zizaza::cli
