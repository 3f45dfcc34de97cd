#pragma once
// A create-command host that records every call and answers questions as told.

#include <string>
#include <vector>

#include "builder/settings.hpp"

namespace drafnova::testing {

class RecordingHost final : public TBuilderHost {
public:
    bool Answer = true;  // what Confirm answers
    std::vector<std::string>
        Calls;  // "Beep", "Focus:FileName", "Confirm", "Inform:...", "Open:..."

    void Beep() override { Calls.push_back("Beep"); }
    void FocusField(TSettingField field) override {
        Calls.push_back(field == TSettingField::FileName ? "Focus:FileName" : "Focus:Folder");
    }
    void Inform(const std::string& text) override { Calls.push_back("Inform:" + text); }
    bool Confirm(const std::string& text) override {
        Calls.push_back("Confirm:" + text);
        return Answer;
    }
    void OpenDocument(const std::string& path) override { Calls.push_back("Open:" + path); }
};

}  // namespace drafnova::testing
