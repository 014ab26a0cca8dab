#pragma once

#include <string>

#include "macros/macro_player.h"

namespace vor {

class CVORApp;
class CommandRegistry;

// The Macros menu and the macro keys: registers their rows, clicks keys for
// playback through the command table, and reads and writes macro files.
class CMacroCommands : private MacroHost {
   public:
    explicit CMacroCommands(CVORApp& app);

    void registerCommands(CommandRegistry& commands);
    // Import Macro File / Export Macro File with a path already chosen.
    // False when the file was refused or could not be read or written
    // (the user has been told why); a refused import changes no macro.
    bool importMacros(const std::string& path);
    bool exportMacros(const std::string& path);
    void editMacros();

   private:
    // MacroHost
    void click(int id) override;
    std::string title() const override;
    void setTitle(const std::string& title) override;

    CMacroPlayer& player();
    CVORApp& m_app;
};

}  // namespace vor
