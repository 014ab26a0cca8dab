#pragma once

#include <string>
#include <string_view>

// The status-bar prompt and tool tip of every menu and toolbar command,
// kept as one "prompt\ntip" string per command id the way the resource
// string table holds them, so menus, the toolbar and the fly-by help all
// read the same text.
namespace vor {

// The whole "prompt\ntip" string; empty when the id has none.
std::string_view commandString(int commandId);
// The first half: the fly-by text shown in the status bar.
std::string commandPrompt(int commandId);
// The second half: the tool tip; empty when the string has no tip.
std::string commandTip(int commandId);

}  // namespace vor
