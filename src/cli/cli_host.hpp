#pragma once
// The create command's services on a terminal.

#include <optional>
#include <string>

#include "builder/settings.hpp"

namespace drafnova::cli {

class TCliHost final : public TBuilderHost {
public:
    TCliHost(bool assumeYes, bool open) : assumeYes_(assumeYes), open_(open) {}

    void Beep() override { beeped_ = true; }
    void FocusField(TSettingField field) override { focused_ = field; }
    void Inform(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void OpenDocument(const std::string& path) override;

    // What the command did with the request, for the exit code.
    bool Written() const { return written_; }
    // The field the command refused (a beep came with it) or returned to
    // after the user declined to overwrite (no beep).
    std::optional<TSettingField> Focused() const { return focused_; }
    bool Beeped() const { return beeped_; }

private:
    bool assumeYes_;
    bool open_;
    bool beeped_ = false;
    bool written_ = false;
    std::optional<TSettingField> focused_;
};

}  // namespace drafnova::cli
