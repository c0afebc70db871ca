#pragma once
// What the export benchmarks share: fixed export options, a scratch folder and xmllint over the
// exported file.
#include "export/DeclarationXml.h"
#include "model/mTDeclaration.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zizaza::bench {

inline XmlExportOptions FixedOptions() {
    XmlExportOptions o;
    o.today = Date::Ymd(2018, 3, 15);
    o.fileGuid = "0F8FAD5B-D9CB-469F-A165-70867728950E";
    return o;
}

// A folder of the temporary directory, made on first use.
inline std::filesystem::path ScratchFolder(const char* name) {
    auto p = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(p);
    return p;
}

// xmllint --noout on the file the export writes, a process of its own each time.
inline void XmllintExported(benchmark::State& state, mTDeclaration& d, const std::filesystem::path& folder) {
    std::string name;
    if (!BuildDeclarationXml(folder.string(), d, XmlExportMode::File, name, FixedOptions())) {
        state.SkipWithError("export failed");
        return;
    }
    const std::string command = "xmllint --noout --nonet '" + (folder / name).string() + "'";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("xmllint failed");
            return;
        }
    }
}

}  // namespace zizaza::bench
