#include "UnitIni/ini_file.hpp"

#include <exception>
#include <memory>

#include "UnitIni/ini_text.hpp"
#include "platform/files.hpp"

namespace drafnova {

bool LoadIniText(const std::string& fileName, std::string& text) {
    text.clear();
    try {
        if (!platform::FileExists(fileName)) return true;
        platform::InputFile file(fileName);
        if (file.Size() > kMaxIniFileSize) return false;
        text.resize(static_cast<std::size_t>(file.Size()));
        file.Read(text.data(), text.size());
        return true;
    } catch (const std::exception&) {
        text.clear();
        return false;
    }
}

bool SaveIniText(const std::string& fileName, std::string_view text) {
    const std::string temporary = fileName + ".tmp";
    bool created = false;
    try {
        std::unique_ptr<platform::OutputFile> file;
        try {
            file = std::make_unique<platform::OutputFile>(temporary,
                                                          platform::OutputFile::Mode::CreateNew);
        } catch (const std::exception&) {
            // The name is this file's own temporary: one that is there already
            // was left by a save that did not finish.
            if (!platform::FileExists(temporary) || !platform::DeleteFile(temporary)) return false;
            file = std::make_unique<platform::OutputFile>(temporary,
                                                          platform::OutputFile::Mode::CreateNew);
        }
        created = true;
        file->Write(text.data(), text.size());
        file->Close();
        file.reset();
        if (platform::ReplaceFile(temporary, fileName)) return true;
    } catch (const std::exception&) {
        // Reported by the result below.
    }
    if (created) platform::DeleteFile(temporary);
    return false;
}

bool IniReadString(const std::string& section, const std::string& key, std::string& value,
                   const std::string& fileName, std::size_t bufferSize) {
    value.clear();
    try {
        std::string text;
        if (!LoadIniText(fileName, text)) return false;
        return IniReadText(text, section, key, value, bufferSize);
    } catch (const std::exception&) {
        value.clear();
        return false;
    }
}

bool IniWriteString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& fileName) {
    try {
        std::string text;
        if (!LoadIniText(fileName, text)) return false;
        if (!IniWriteText(text, section, key, value)) return false;
        return SaveIniText(fileName, text);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace drafnova
