// Whatever is keyed, recalculating gives back the same tape: every row with
// its text, comment, key id and flags, and the same LEDs, after one replay
// and after a second one; and a recalculation between two keys changes
// nothing that follows. Thousands of random sequences over every key of the
// calculator, each under settings of its own.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <sstream>

#include "core/command_ids.h"
#include "core/number_text.h"
#include "test_support.h"

namespace vor::test {
namespace {

// A key as a sequence presses it, with the label a failure prints so the
// sequence can be keyed again (batch labels; FIRST and LAST are the
// Ctrl+Home and Ctrl+End commands). Clear All comes twice: its question
// answered Yes and answered No.
struct Key {
    int id;
    const char* label;
    int weight;  // digits come often enough to build real numbers
    Answer answer = Answer::Yes;
};

const Key kKeys[] = {
    {cmd::Digit0, "0", 6},
    {cmd::Digit1, "1", 6},
    {cmd::Digit2, "2", 6},
    {cmd::Digit3, "3", 4},
    {cmd::Digit4, "4", 4},
    {cmd::Digit5, "5", 6},
    {cmd::Digit6, "6", 3},
    {cmd::Digit7, "7", 4},
    {cmd::Digit8, "8", 3},
    {cmd::Digit9, "9", 4},
    {cmd::DoubleZero, "00", 2},
    // In Auto Decimal the point offers to leave that mode; answered No, the
    // entry mode stays the one the sequence was given.
    {cmd::DecimalPoint, ".", 4, Answer::No},
    {cmd::Plus, "+", 6},
    {cmd::Minus, "-", 4},
    {cmd::Multiply, "X", 4},
    {cmd::Divide, "/", 4},
    {cmd::Equals, "=", 4},
    {cmd::Percent, "%", 3},
    {cmd::Total, "Ttl", 3},
    {cmd::SubTotal, "Sub", 3},
    {cmd::MemoryPlusEquals, "M+=", 3},
    {cmd::MemoryMinusEquals, "M-=", 3},
    {cmd::MemorySubTotal, "MST", 2},
    {cmd::MemoryTotal, "MT", 2},
    {cmd::MemoryRecall, "MR", 3},
    {cmd::MarkUpDown, "MUD", 2},
    {cmd::Negate, "Neg", 3},
    {cmd::RightShift, "<-", 3},
    {cmd::Clear, "C", 1},
    {cmd::ClearAll, "CA", 1, Answer::Yes},
    {cmd::ClearAll, "CA(no)", 1, Answer::No},
    {cmd::SelectNext, "DOWN", 1},
    {cmd::SelectPrevious, "UP", 1},
    {cmd::SelectFirst, "FIRST", 1},
    {cmd::SelectLast, "LAST", 1},
};

class Keyboard {
   public:
    Keyboard() {
        for (const Key& k : kKeys) m_totalWeight += k.weight;
    }
    const Key& pick(std::mt19937& rng) const {
        int n = static_cast<int>(rng() % static_cast<unsigned>(m_totalWeight));
        for (const Key& k : kKeys) {
            if (n < k.weight) return k;
            n -= k.weight;
        }
        return kKeys[0];
    }

   private:
    int m_totalWeight = 0;
};

// = with no X or ÷ to close prints no line yet still acts: the Main LED
// shows the product register, which it empties, and the next +, -, M+= or
// M-= is refused. No line records it, so no replay can repeat it; the
// engine tests cover that key on its own.
bool printsNothingButActs(const Machine& m, const Key& key) {
    return key.id == cmd::Equals && m.doc.m_lastOp != op::Multiplication &&
           m.doc.m_lastOp != op::Division;
}

// Precision, rounding, number style and entry mode are what a replay is
// for; none of them changes while a sequence is keyed. Everything else the
// user can set varies from one sequence to the next as well.
struct RunSettings {
    CSettings settings;
    int precision = 2;
    int rounding = kRoundOff;
};

RunSettings randomSettings(std::mt19937& rng) {
    const auto coin = [&rng] { return rng() % 2 == 0; };
    RunSettings s;
    CSettings& c = s.settings;
    c.multiColumnFontPointSize = 4 + static_cast<int>(rng() % 4);
    c.alwaysOnTop = coin();
    c.viewMiddleKeys = coin();
    c.showClearAllWarning = coin();
    c.givePosNegCounts = coin();
    c.multipleColumnPrinting = coin();
    c.readImmediate = coin();
    c.printNegativeInRed = coin();
    c.remapKeypad = coin();
    c.receiptPrinterMode = coin();
    c.swapLEDs = coin();
    c.autoCommentSubtotal = rng() % 4 == 0;
    c.autoCopyTotal = coin();
    c.autoAppend = coin();
    c.promptToSaveOnExit = coin();
    c.autoDecimal = rng() % 4 == 0;
    c.europeanMode = rng() % 4 == 0;
    constexpr int kPrecisions[] = {0, 1, 2, 3, 4, 5, kFormatFloating};
    s.precision = c.autoDecimal ? 2 : kPrecisions[rng() % std::size(kPrecisions)];
    constexpr int kRoundings[] = {kRoundUp, kRoundOff, kRoundDown};
    s.rounding = kRoundings[rng() % std::size(kRoundings)];
    return s;
}

std::string describe(const RunSettings& s) {
    std::ostringstream out;
    out << "precision " << s.precision << ", rounding " << s.rounding
        << (s.settings.autoDecimal ? ", Auto Decimal" : "")
        << (s.settings.europeanMode ? ", European Mode" : "")
        << (s.settings.autoCommentSubtotal ? ", Auto Comment Subtotal" : "")
        << (s.settings.givePosNegCounts ? ", counts" : "")
        << (s.settings.showClearAllWarning ? ", Clear All warning" : "");
    return out.str();
}

// One tape line as a replay must give it back. Values compare bit for bit:
// a mark-up at 100% of nothing is NaN, and must stay that NaN.
struct Row {
    std::string text;
    std::string comment;
    int keyId;
    bool immediate;
    bool repeated;
    std::uint64_t valueBits;
    bool operator==(const Row&) const = default;
};

struct Picture {
    std::vector<Row> rows;
    std::vector<std::string> shown;  // the tape box
    std::string mainLed;
    std::string memoryLed;
    bool operator==(const Picture&) const = default;
};

Picture picture(const Machine& m) {
    Picture p;
    for (int i = 0; i < m.doc.m_lineCount; ++i) {
        const CTapeLine& l = *m.doc.line(i);
        p.rows.push_back({l.m_text, l.m_comment, l.m_keyId, l.m_isImmediate, l.m_repeated,
                          std::bit_cast<std::uint64_t>(l.m_value)});
    }
    p.shown = m.form.rows();
    p.mainLed = m.form.mainLedText();
    p.memoryLed = m.form.memoryLedText();
    return p;
}

// The tape box shows exactly the document's lines.
bool consistent(const Picture& p) {
    if (p.shown.size() != p.rows.size()) return false;
    for (std::size_t i = 0; i < p.rows.size(); ++i)
        if (p.shown[i] != p.rows[i].text + p.rows[i].comment) return false;
    return true;
}

std::string describe(const Picture& p) {
    std::ostringstream out;
    for (const Row& r : p.rows)
        out << "  [" << r.text << "][" << r.comment << "] " << r.keyId << (r.immediate ? " I" : "")
            << (r.repeated ? " R" : "") << " " << exactText(std::bit_cast<double>(r.valueBits))
            << "\n";
    out << "  Main LED [" << p.mainLed << "]  Memory LED [" << p.memoryLed << "]\n";
    return out.str();
}

void press(Machine& m, const Key& key) {
    m.messages.script = {key.answer};
    m.calc.onKey(key.id);
    m.messages.script.clear();
}

// Draws the next key; = only while an X or ÷ waits for it.
const Key& nextKey(const Keyboard& keyboard, std::mt19937& rng, const Machine& m) {
    const Key* key = &keyboard.pick(rng);
    while (printsNothingButActs(m, *key)) key = &keyboard.pick(rng);
    return *key;
}

constexpr unsigned kSeeds[] = {1, 20261207, 4242};
constexpr int kSequencesPerSeed = 1500;

TEST(FaithfulReplay, RandomSequencesRecalculateToTheKeyedTape) {
    const Keyboard keyboard;
    for (const unsigned seed : kSeeds) {
        std::mt19937 rng(seed);
        for (int run = 0; run < kSequencesPerSeed; ++run) {
            const RunSettings setup = randomSettings(rng);
            Machine m(setup.settings, setup.precision);
            m.doc.m_rounding = setup.rounding;
            const int length = 10 + static_cast<int>(rng() % 50);
            std::string keys;
            for (int k = 0; k < length; ++k) {
                const Key& key = nextKey(keyboard, rng, m);
                keys += key.label;
                keys += ' ';
                press(m, key);
            }
            const Picture keyed = picture(m);
            m.recalc.recalculate();
            const Picture once = picture(m);
            m.recalc.recalculate();
            const Picture twice = picture(m);
            if (consistent(keyed) && keyed == once && once == twice) continue;
            ADD_FAILURE() << "seed " << seed << ", sequence " << run << " (" << describe(setup)
                          << ")\nkeys: " << keys << "\nkeyed:\n"
                          << describe(keyed) << "after one recalculation:\n"
                          << describe(once) << "after two:\n"
                          << describe(twice);
            return;
        }
    }
}

// A recalculation between two keys (a new precision, a line edited and put
// back) changes nothing the keys that follow print: an entry, a % or a
// negated total waiting for its operation key is still waiting.
TEST(FaithfulReplay, RecalculatingBetweenKeysChangesNothingThatFollows) {
    const Keyboard keyboard;
    for (const unsigned seed : kSeeds) {
        std::mt19937 rng(seed + 1);
        for (int run = 0; run < kSequencesPerSeed / 2; ++run) {
            const RunSettings setup = randomSettings(rng);
            Machine straight(setup.settings, setup.precision);
            Machine interrupted(setup.settings, setup.precision);
            straight.doc.m_rounding = interrupted.doc.m_rounding = setup.rounding;
            const int length = 10 + static_cast<int>(rng() % 40);
            const int cut = static_cast<int>(rng() % static_cast<unsigned>(length));
            std::string keys;
            for (int k = 0; k < length; ++k) {
                if (k == cut) {
                    interrupted.recalc.recalculate();
                    keys += "RECALC ";
                }
                const Key& key = nextKey(keyboard, rng, straight);
                keys += key.label;
                keys += ' ';
                press(straight, key);
                press(interrupted, key);
            }
            const Picture expected = picture(straight);
            const Picture actual = picture(interrupted);
            if (expected == actual) continue;
            ADD_FAILURE() << "seed " << seed << ", sequence " << run << " (" << describe(setup)
                          << ")\nkeys: " << keys << "\nwithout the recalculation:\n"
                          << describe(expected) << "with it:\n"
                          << describe(actual);
            return;
        }
    }
}

}  // namespace
}  // namespace vor::test
