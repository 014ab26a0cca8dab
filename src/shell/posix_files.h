#pragma once

#include <cstddef>
#include <string>

#include "core/ports.h"

namespace vor {

// Whole files through POSIX calls, for batch mode and the tests. A save is
// writeFileAtomically (shell/atomic_file.h), as in the window, so a failed
// save leaves the old file as it was. Errors are the system's own reason
// ("Permission denied").
class PosixFiles : public FilePort {
   public:
    bool read(const std::string& path, std::string& bytes, std::string& error,
              std::size_t maxBytes) override;
    bool writeAtomic(const std::string& path, const std::string& bytes,
                     std::string& error) override;
};

}  // namespace vor
