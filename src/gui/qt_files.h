#pragma once

#include <cstddef>
#include <string>

#include "core/ports.h"

namespace vor {

// Whole files for the window: QFile to read; a save is writeFileAtomically
// (shell/atomic_file.h), the routine batch mode saves with, so it replaces
// the old file only once the new one is complete on the disk. Errors carry
// the system's reason.
class QtFiles final : public FilePort {
   public:
    bool read(const std::string& path, std::string& bytes, std::string& error,
              std::size_t maxBytes) override;
    bool writeAtomic(const std::string& path, const std::string& bytes,
                     std::string& error) override;
};

}  // namespace vor
