#pragma once

#include <QDialog>
#include <string_view>

#include "core/ports.h"

class QPushButton;

namespace vor {

// The "About VOR" box: icon, version line, owner notice, one line of text, a
// button that opens the product's web page, and OK. Run it with exec().
class AboutDialog : public QDialog {
    Q_OBJECT
   public:
    static constexpr std::string_view kVersionLine = "Vorlex v1.31 (Beta) ";
    static constexpr std::string_view kOwnerNotice =
        "Copyright (C) 2026 Quillaby. All rights reserved.";
    static constexpr std::string_view kWebAddress = "https://vorlex.quillaby.example";
    // Both lines are limited to 80 characters; keeping the limit here means
    // a longer notice fails to build instead of being cut on screen.
    static_assert(kVersionLine.size() <= 80 && kOwnerNotice.size() <= 80);

    AboutDialog(LauncherPort& launcher, MessagePort& messages, QWidget* parent = nullptr);

    QPushButton* webButton() const { return m_webButton; }

    // Opens the web page. When it cannot be opened the user is told why:
    // no opener installed at all gives "Internal error creating process:
    // Error Number: 2" (the classic "not found, and the fallback failed");
    // an opener that refused gives "Error 1".
    void openWebPage();

   private:
    LauncherPort& m_launcher;
    MessagePort& m_messages;
    QPushButton* m_webButton = nullptr;
};

}  // namespace vor
