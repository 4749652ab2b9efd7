#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "files/IniEncoding.h"
#include "files/ProfileFile.h"

namespace {

struct Key {
    std::string_view section;
    std::string_view entry;
};

constexpr std::array<Key, 6> kSettings = {{
    {"Scores", "HiScore"},
    {"Scores", "MaxKnockOutScore"},
    {"Scores", "MaxHits"},
    {"Control Settings", "InputMode"},
    {"Control Settings", "PunishKeyL"},
    {"Control Settings", "PunishKeyR"},
}};

constexpr std::string_view kAbsent = "<absent>";

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz_ini: %s\n", what);
        std::abort();
    }
}

std::filesystem::path& Folder() {
    static std::filesystem::path folder;
    return folder;
}

void RemoveFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder(), ignored);
}

const std::string& IniPath() {
    static const std::string path = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "fuzz_ini.XXXXXX").string();
        Check(::mkdtemp(folder.data()) != nullptr, "cannot make a temporary folder");
        Folder() = folder;
        std::atexit(RemoveFolder);
        return folder + "/fendo.ini";
    }();
    return path;
}

const std::string& BatchPath() {
    static const std::string path = IniPath() + ".batch";
    return path;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Set for an input that starts with a UTF-16 byte order mark: only text that
// UTF-16 can hold, ASCII here, may then be written.
bool& AsciiOnly() {
    static bool asciiOnly = false;
    return asciiOnly;
}

// Bytes of the input that can stand in one INI line, so the write must succeed.
std::string LineSafe(std::string_view bytes, std::string_view alsoRefused, std::size_t limit) {
    std::string out;
    for (const char c : bytes.substr(0, limit)) {
        if (c != '\r' && c != '\n' && c != '\0' && alsoRefused.find(c) == std::string_view::npos &&
            (!AsciiOnly() || static_cast<unsigned char>(c) < 0x80)) {
            out.push_back(c);
        }
    }
    return out;
}

bool Holds(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// What the writes left must be in the input's encoding, and a line they added
// must end the way the input's lines end: no file of two encodings or two
// kinds of line end.
void CheckKeptItsForm(std::string_view input, const std::string& path) {
    const std::optional<files::ini::DecodedText> before = files::ini::Decode(input);
    const std::optional<files::ini::DecodedText> after = files::ini::Decode(ReadAll(path));
    Check(after && after->encoding == before->encoding, "the encoding changed");
    const bool crOnly = Holds(before->text, '\r') && !Holds(before->text, '\n');
    const bool lfOnly = Holds(before->text, '\n') && !Holds(before->text, '\r');
    Check(!crOnly || !Holds(after->text, '\n'), "a line feed joined lines ending in CR");
    Check(!lfOnly || !Holds(after->text, '\r'), "a CR joined lines ending in a line feed");
}

std::string Read(std::string_view section, std::string_view entry, const std::string& path) {
    return files::ReadProfileString(section, entry, kAbsent, path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = IniPath();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    {
        for (const std::string* p : {&path, &BatchPath()}) {
            std::ofstream file(*p, std::ios::binary | std::ios::trunc);
            file.write(input.data(), static_cast<std::streamsize>(input.size()));
            Check(file.good(), "cannot write the input file");
        }
    }

    // A file that is UTF-16 in name only is never touched.
    if (!files::ini::Decode(input)) {
        Check(!files::WriteProfileString("Scores", "HiScore", "1", path), "broken UTF-16 written");
        Check(ReadAll(path) == input, "broken UTF-16 changed");
        for (const Key& key : kSettings) {
            Check(Read(key.section, key.entry, path) == kAbsent, "broken UTF-16 read");
        }
        return 0;
    }
    AsciiOnly() = input.starts_with("\xFF\xFE") || input.starts_with("\xFE\xFF");

    std::array<std::string, kSettings.size()> before;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        before[i] = Read(kSettings[i].section, kSettings[i].entry, path);
        Check(before[i].size() <= 32766, "value longer than the profile buffer");
    }

    // Starting and ending in a letter keeps the value clear of the blanks and
    // quotes that reading strips, so it must come back exactly.
    const std::string value = "v" + LineSafe(input.substr(size / 2), "", 64) + "v";
    const std::size_t chosen = size % kSettings.size();
    const Key& key = kSettings[chosen];
    Check(files::WriteProfileString(key.section, key.entry, value, path), "write refused");
    Check(Read(key.section, key.entry, path) == value, "written value does not read back");
    before[chosen] = value;
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        Check(Read(kSettings[i].section, kSettings[i].entry, path) == before[i],
              "a write changed another key");
    }

    // Names taken from the input reach the odd corners: brackets, ';', blanks.
    // No settings key starts with 'k', so the settings must stay as they are.
    const std::string section = LineSafe(input, "", 24);
    const std::string entry = "k" + LineSafe(input.substr(size / 3), "=", 16);
    Check(files::WriteProfileString(section, entry, value, path), "write with odd names refused");
    Check(Read(section, entry, path) == value, "value under odd names does not read back");
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        Check(Read(kSettings[i].section, kSettings[i].entry, path) == before[i],
              "a write under odd names changed a settings key");
    }

    // Both edits in one replace must give the bytes of the two writes above.
    const std::array<files::ProfileEdit, 2> edits = {{
        {key.section, key.entry, value},
        {section, entry, value},
    }};
    Check(files::WriteProfileStrings(BatchPath(), edits), "edits at once refused");
    Check(ReadAll(BatchPath()) == ReadAll(path), "edits at once differ from one at a time");
    CheckKeptItsForm(input, path);
    return 0;
}
