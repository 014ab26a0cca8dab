#pragma once

#include <string>

#include "core/ports.h"
#include "macros/macro_player.h"
#include "shell/title_port.h"

namespace vor {

class CommandRegistry;

// The Macros menu and the macro keys: registers their rows, clicks keys for
// playback through the command table, and reads and writes macro files.
class CMacroCommands : private MacroHost {
   public:
    // What the commands work with: the player of the view's keys, the
    // command table its clicks run through, and where they ask and tell.
    struct Ports {
        CommandRegistry& commands;
        CMacroPlayer& player;
        MessagePort& messages;
        DialogPort& dialogs;
        FilePort& files;
        TitlePort& title;
    };
    explicit CMacroCommands(Ports ports);

    void registerCommands();
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

    CMacroPlayer& player() { return m_p.player; }
    Ports m_p;
};

}  // namespace vor
