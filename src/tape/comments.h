#pragma once

#include <string>

#include "core/calculator.h"
#include "core/ports.h"
#include "core/tape_line.h"

namespace vor {

inline constexpr const char* kNoLineSelected =
    "No tape box line selected.  Use the ^ key to add a blank comment line first, then add "
    "your comments to it.";
inline constexpr const char* kGeneratedLine =
    "VOR-generated comment lines may not be edited.  Tip:  Use the ^ key to append blank lines "
    "to the tape box following VOR-generated comment lines while performing your calculations.  "
    "You can then add your comments to these blank lines.";
inline constexpr const char* kReservedComment =
    "Sorry, but comments containing % and MR are reserved.";
inline constexpr const char* kBlankAbovePercent =
    "You cannot insert a blank <comment> line just above a line containing a percent reference.";

// A line whose comment the program owns: the mark up and mark down lines,
// and the lines that carry a % or MR reference, which a recalculation reads
// back to replay them.
bool isGeneratedCommentLine(const CTapeLine& line);
// A typed comment that could pass for one of those references.
bool isReservedComment(const std::string& text);

// The # and ^ keys: comments on tape lines and blank lines that carry them.
// Neither recalculates: a comment changes no value.
class CCommentEditor {
   public:
    CCommentEditor(CCalculator& calc, ProfilePort& profile, DialogPort& dialogs);

    // The # key / Edit Comment: the Add a Comment dialog on the selected
    // line. The caller has already offered the key to the macro recorder.
    void editComment();
    // The ^ key / Insert Blank Comment Line, above the selected line (or as
    // the first line of an empty tape). Same precondition.
    void insertBlankCommentLine();

   private:
    void markModified();

    CCalculator& m_calc;
    ProfilePort& m_profile;
    DialogPort& m_dialogs;
};

}  // namespace vor
