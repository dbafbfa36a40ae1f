// langdb: the host-side build tool that writes the language file and the plug-in file.
//
//   langdb lng [--plain] OUT.lng ENGLISH.txt [TRANSLATION.txt ...]
//   langdb dat [--plain] OUT.dat PLUGINS.txt [MORE.txt ...]
//
// The main window's English texts come from src/app/design_texts.cpp; the English source adds
// the rest. Texts are stored rotated unless --plain is given. The source formats are described in
// lang_source.h and plugin_source.h, the record file's layout in catalogue/record_file.h.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "design_rows.h"
#include "lang_build.h"
#include "lang_source.h"
#include "plugin_source.h"

namespace {

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Usage() {
    std::cerr << "usage: langdb lng [--plain] OUT.lng ENGLISH.txt [TRANSLATION.txt ...]\n"
                 "       langdb dat [--plain] OUT.dat PLUGINS.txt [MORE.txt ...]\n";
    return 2;
}

int Fail(const std::string& why) {
    std::cerr << "langdb: " << why << "\n";
    return 1;
}

int BuildLanguage(const std::string& out, const std::vector<std::string>& sources, bool rotate) {
    std::vector<langdb::LanguageSource> languages;
    for (const std::string& path : sources) {
        std::string text, error;
        if (!ReadFile(path, text))
            return Fail("cannot read " + path);
        auto source = langdb::ParseLanguageSource(text, path, error);
        if (!source)
            return Fail(error);
        languages.push_back(std::move(*source));
    }
    langdb::LanguageSource english = std::move(languages.front());
    languages.erase(languages.begin());
    std::string error;
    if (!langdb::AddMainFormDesignRows(english, error))
        return Fail(error);
    std::string bytes = langdb::BuildLanguageFile(english, languages, rotate, error);
    if (bytes.empty())
        return Fail(error);
    return WriteFile(out, bytes) ? 0 : Fail("cannot write " + out);
}

int BuildPlugins(const std::string& out, const std::vector<std::string>& sources, bool rotate) {
    std::vector<TiDbRecord> records;
    for (const std::string& path : sources) {
        std::string text, error;
        if (!ReadFile(path, text))
            return Fail("cannot read " + path);
        auto more = langdb::ParsePluginSource(text, path, error);
        if (!more)
            return Fail(error);
        records.insert(records.end(), more->begin(), more->end());
    }
    return WriteFile(out, WriteRecordFile(records, rotate)) ? 0 : Fail("cannot write " + out);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return Usage();
    std::string command = args.front();
    args.erase(args.begin());
    bool rotate = true;
    if (!args.empty() && args.front() == "--plain") {
        rotate = false;
        args.erase(args.begin());
    }
    if (args.size() < 2)
        return Usage();
    std::string out = args.front();
    args.erase(args.begin());
    if (command == "lng")
        return BuildLanguage(out, args, rotate);
    if (command == "dat")
        return BuildPlugins(out, args, rotate);
    return Usage();
}
