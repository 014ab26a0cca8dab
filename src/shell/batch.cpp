#include "shell/batch.h"

#include <cctype>
#include <ostream>

#include "core/command_ids.h"
#include "core/key_table.h"
#include "core/memory_form.h"
#include "core/memory_profile.h"
#include "shell/settings_store.h"
#include "shell/view.h"

namespace vor {
namespace {

// Messages go to standard error on one line each; questions get the answer
// chosen on the command line.
class ConsoleMessages : public MessagePort {
   public:
    ConsoleMessages(std::ostream& err, bool yes) : m_err(err), m_yes(yes) {}
    Answer show(const std::string& text, Buttons buttons, Icon) override {
        std::string line;
        for (char c : text) line += (c == '\n') ? std::string("\\n") : std::string(1, c);
        m_err << "VOR: " << line << '\n';
        switch (buttons) {
            case Buttons::YesNo: return m_yes ? Answer::Yes : Answer::No;
            case Buttons::OkCancel: return m_yes ? Answer::Ok : Answer::Cancel;
            default: return Answer::Ok;
        }
    }
    void setYes(bool yes) { m_yes = yes; }

   private:
    std::ostream& m_err;
    bool m_yes;
};

struct UsageError {
    std::string text;
};

bool isNumberToken(const std::string& token) {
    bool digit = false;
    for (char c : token) {
        if (std::isdigit(static_cast<unsigned char>(c)))
            digit = true;
        else if (c != '.')
            return false;
    }
    return digit;
}

class BatchRun {
   public:
    BatchRun(ProfilePort* user, std::ostream& out, std::ostream& err)
        : m_profile(user),
          m_messages(err, true),
          m_view(m_form, m_messages, m_profile),
          m_out(out) {
        m_view.newDocument();
        m_view.initialUpdate();
        m_view.onPaint();
    }

    void keys(const std::string& list) {
        std::size_t pos = 0;
        while (pos < list.size()) {
            const auto start = list.find_first_not_of(" \t\n", pos);
            if (start == std::string::npos) break;
            const auto end = list.find_first_of(" \t\n", start);
            key(list.substr(start, end == std::string::npos ? std::string::npos : end - start));
            pos = end == std::string::npos ? list.size() : end;
        }
    }

    void set(const std::string& assignment) {
        const auto eq = assignment.find('=');
        if (eq == std::string::npos) throw UsageError{"--set needs Name=value: " + assignment};
        const std::string name = assignment.substr(0, eq);
        const std::string value = assignment.substr(eq + 1);
        const BoolSetting* s = boolSettingNamed(name);
        const char* section = s ? s->section : kSettingsSection;
        m_profile.writeString(section, name, value);
        m_view.settings() = readViewSettings(m_profile);
        // Precision, rounding and Auto Decimal belong to a new tape: apply
        // them as long as nothing has been keyed yet.
        if (m_view.doc().m_lineCount == 0 && !m_keyed) {
            m_view.newDocument();
            m_view.initialUpdate();
        }
    }

    void answer(const std::string& a) {
        if (a != "yes" && a != "no") throw UsageError{"--answer takes yes or no"};
        m_messages.setYes(a == "yes");
    }

    void printTape() {
        for (const auto& row : m_form.rows()) m_out << row << '\n';
    }

    void printLeds() {
        m_out << "Main LED: " << m_form.mainLedText() << '\n';
        m_out << "Memory LED: " << m_form.memoryLedText() << '\n';
    }

   private:
    void command(int id) {
        m_keyed = true;
        m_view.onCommand(id);
    }

    void key(const std::string& token) {
        if (const auto id = keyIdForLabel(token)) {
            // Keys whose feature is not built yet are refused rather than
            // silently skipped, so a script never runs half its keys.
            if (!m_view.commandState(*id).handled) throw UsageError{token + ": not available yet"};
            return command(*id);
        }
        if (isNumberToken(token)) {
            for (char c : token) command(*keyIdForLabel(std::string(1, c)));
            return;
        }
        if (token == "RECALC") return command(cmd::RecalculateNow);
        if (token == "AUTODEC") return command(cmd::AutoDecimalMode);
        if (token == "EURO") return command(cmd::EuropeanMode);
        if (token.rfind("PREC=", 0) == 0) {
            static const std::pair<const char*, int> buttons[] = {
                {"F", cmd::PrecisionF}, {"0", cmd::Precision0}, {"1", cmd::Precision1},
                {"2", cmd::Precision2}, {"3", cmd::Precision3}, {"4", cmd::Precision4},
                {"5", cmd::Precision5}};
            for (const auto& [name, id] : buttons)
                if (token.substr(5) == name) return command(id);
        }
        if (token.rfind("ROUND=", 0) == 0) {
            static const std::pair<const char*, int> buttons[] = {
                {"UP", cmd::RoundUp}, {"OFF", cmd::RoundOff}, {"DOWN", cmd::RoundDown}};
            for (const auto& [name, id] : buttons)
                if (token.substr(6) == name) return command(id);
        }
        throw UsageError{"unknown key: " + token};
    }

    OverlayProfile m_profile;
    MemoryForm m_form;
    ConsoleMessages m_messages;
    CVORView m_view;
    std::ostream& m_out;
    bool m_keyed = false;
};

}  // namespace

void printBatchUsage(std::ostream& out) {
    out << "usage: vorlex --batch [options]\n"
           "  --keys \"K K ...\"   press keys: 0-9 00 . + - X / = % Ttl Sub M+= M-= MST MT MR\n"
           "                     MUD Neg <- C CA ^ # Del V QR Macro0-3 UP DOWN, numbers such\n"
           "                     as 12.5, and RECALC PREC=F|0..5 ROUND=UP|OFF|DOWN AUTODEC EURO\n"
           "  --set \"Name=value\" change a setting for this run only\n"
           "  --answer yes|no    how questions are answered (default yes)\n"
           "  --tape             print the tape box rows (the default output)\n"
           "  --leds             print the Main LED and the Memory LED\n";
}

int runBatch(const std::vector<std::string>& args, ProfilePort* userProfile, std::ostream& out,
             std::ostream& err) {
    try {
        BatchRun run(userProfile, out, err);
        bool printed = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& opt = args[i];
            auto value = [&]() -> const std::string& {
                if (i + 1 >= args.size()) throw UsageError{opt + " needs a value"};
                return args[++i];
            };
            if (opt == "--keys")
                run.keys(value());
            else if (opt == "--set")
                run.set(value());
            else if (opt == "--answer")
                run.answer(value());
            else if (opt == "--tape")
                run.printTape(), printed = true;
            else if (opt == "--leds")
                run.printLeds(), printed = true;
            else if (opt == "--open" || opt == "--save" || opt == "--export" ||
                     opt == "--print-pdf")
                throw UsageError{opt + ": not available yet"};
            else
                throw UsageError{"unknown option: " + opt};
        }
        if (!printed) run.printTape();
        return 0;
    } catch (const UsageError& e) {
        err << "vorlex: " << e.text << '\n';
        return 2;
    }
}

}  // namespace vor
