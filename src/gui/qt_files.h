#pragma once

#include <cstddef>
#include <string>

#include "core/ports.h"

namespace vor {

// Whole files for the window: QFile to read, QSaveFile to write, so a save
// replaces the old file only once the new one is complete. Errors are Qt's
// errorString(), which carries the system's reason.
class QtFiles final : public FilePort {
   public:
    bool read(const std::string& path, std::string& bytes, std::string& error,
              std::size_t maxBytes) override;
    bool writeAtomic(const std::string& path, const std::string& bytes,
                     std::string& error) override;
};

}  // namespace vor
