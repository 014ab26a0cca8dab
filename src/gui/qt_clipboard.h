#pragma once

#include "core/ports.h"

namespace vor {

// The desktop's clipboard as plain text (UTF-8 inside, Unicode on the
// clipboard). A text is reported as placed only when the clipboard gives it
// back: a clipboard that cannot take it must not pass for success.
class QtClipboard final : public ClipboardPort {
   public:
    bool setText(const std::string& text) override;
    std::string text() override;
};

}  // namespace vor
