#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace verbolario {

// The settings file: a Windows-profile INI text file (Windows-1252, CR LF; LF alone is read
// too). The caller picks a section, then reads or writes single keys as text.
//
// Format as read and written here:
//   - "[name]" opens a section; "key=value" lines follow. Blanks around the name, the key and
//     the value are ignored. Section and key names match without regard to case, so the
//     letter shares written under A..Z are read back under a..z.
//   - Lines starting with ';' or '#', lines without '=', and sections nobody asks for are
//     never matched and are kept as they are when the file is rewritten.
//   - When a section or a key appears twice, the first one counts (reads and writes agree).
//   - A UTF-8 byte-order mark at the start of the file is skipped and kept on rewrite.
//
// Every call reads the file afresh: it is a few hundred bytes, and another copy of the
// program may have changed it in between. A write builds the whole new file under a
// temporary name in the same folder, flushes it to disk and renames it over the old one, so a
// crash leaves either the old file or the new one, never half of either.
class WRini {
public:
    // The settings file starts as programFolder + "/Verbolario.ini".
    explicit WRini(std::string programFolder);

    // The section every following read and write uses. It is not remembered per caller: code
    // that interleaves sections sets it again before each group of calls.
    void setSezione(std::string sezione) { sezione_ = std::move(sezione); }
    const std::string& sezione() const { return sezione_; }

    // "win" in any case selects the per-user file instead of a path (on Windows this was the
    // copy in the Windows directory): $XDG_CONFIG_HOME/Verbolario/Verbolario.ini, or
    // ~/.config/Verbolario/Verbolario.ini when XDG_CONFIG_HOME is unset or not absolute. Its
    // folder is created by the first write. Any other text is taken as the path itself.
    void setIniPath(const std::string& path);
    const std::string& iniPath() const { return path_; }

    // Writes key=value into the current section, creating file, section and key as needed,
    // replacing the value in place when the key exists. Nonzero on success; 0 when the folder
    // is missing or unwritable, or when the section, key or value cannot be stored in the
    // format (empty name, line breaks, a key holding '=' or starting with '[', ';' or '#', a
    // name starting with the byte-order mark).
    // Never throws.
    int64_t ScriviINI(std::string_view key, std::string_view value);

    // The value of key in the current section, cut to 254 characters; `def` (whole) when the
    // file, the section or the key is missing. A key present with nothing after '=' gives "".
    std::string LeggiINI(std::string_view key, std::string_view def) const;

    // The per-user file selected by setIniPath("win"), from the current environment.
    static std::string percorsoUtente();

    static constexpr size_t kMaxValore = 254;

private:
    std::string path_;
    std::string alternativo_;
    std::string sezione_;
};

} // namespace verbolario
