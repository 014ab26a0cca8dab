// Writes the seed corpus of the file reader fuzzers: .vor files with every
// kind of tape line, both text forms, both LED forms, an old version, an old
// Windows-1252 comment and a full 1000-line tape; with a second folder, also
// a .mcr file with all four macros full. The small files are kept in
// fuzz/corpus; CI writes the large ones beside a copy of it before each run.
#include <cstdio>
#include <fstream>
#include <string>

#include "core/command_ids.h"
#include "core/number_text.h"
#include "core/vor_doc.h"
#include "document/vor_file.h"

namespace {

void add(vor::CVORDoc& doc, double value, const char* symbol, int keyId, bool immediate,
         const std::string& comment = " ", bool repeated = false) {
    vor::CTapeLine line;
    line.m_text = vor::doubleToString(value, 2, 12, nullptr) + symbol;
    line.m_comment = comment;
    line.m_value = value;
    line.m_keyId = keyId;
    line.m_isImmediate = immediate;
    line.m_repeated = repeated;
    doc.appendLine(line, {});
}

void addFixed(vor::CVORDoc& doc, const char* text, int keyId, const std::string& comment) {
    vor::CTapeLine line;
    line.m_text = text;
    line.m_comment = comment;
    line.m_keyId = keyId;
    line.m_isImmediate = keyId == 16;
    doc.appendLine(line, {});
}

bool save(const std::string& folder, const char* name, const std::string& bytes) {
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out << bytes;
    return static_cast<bool>(out);
}

// A tape as long as a tape gets: a month of receipts, grouped in tens
// under subtotals, every line with its comment (about 100 KB).
std::string fullTape() {
    vor::CVORDoc doc;
    doc.startNewTape(2, 12, false);
    double total = 0;
    int items = 0;
    for (int i = 0; doc.m_lineCount < vor::kMaxLines; ++i) {
        if (i % 11 == 10) {
            const std::string count = std::to_string(items);
            add(doc, total, "Sub", vor::cmd::SubTotal, false,
                " ;" + count + " Items (" + count + " Pos, 0 Neg)");
            continue;
        }
        const double value = 3.25 + (i * 37 % 1000) / 4.0;
        total += value;
        ++items;
        add(doc, value, "+  ", vor::cmd::Plus, true,
            " ;receipt " + std::to_string(1000 + i) + " office supplies, paid cash");
    }
    doc.m_total = total;
    doc.m_itemCount = items;
    doc.m_newEntry = true;
    return vor::writeVorFile(doc);
}

}  // namespace

// make_macro_seed.cpp: the macro file's header cannot share a file with the
// tape's (both name their version limit alike).
std::string fullMacroFile();

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s VOR_CORPUS_FOLDER [MCR_CORPUS_FOLDER]\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = true;
    ok &= save(dir, "full_tape.vor", fullTape());
    if (argc == 3) ok &= save(argv[2], "full_macros.mcr", fullMacroFile());

    vor::CVORDoc empty;
    empty.startNewTape(2, 12, false);
    ok &= save(dir, "empty.vor", vor::writeVorFile(empty));
    empty.startNewTape(2, 12, true);
    ok &= save(dir, "empty_auto_decimal.vor", vor::writeVorFile(empty));

    vor::CVORDoc keys;
    keys.startNewTape(2, 12, false);
    add(keys, 12, "+  ", 1016, true, " ;rent");
    add(keys, 12, "+  ", 1016, false, " ", true);
    add(keys, 3, "-  ", 1015, true);
    addFixed(keys, "    <comment>             ", 16, " ;blank line");
    add(keys, 4, "X  ", 1010, true);
    add(keys, 5, "=  ", 1018, true);
    add(keys, 20, "", 0, false);
    add(keys, 6, "/  ", 1020, true);
    add(keys, 4, "=  ", 1018, true);
    add(keys, 1.5, "", 0, false);
    add(keys, 42.5, "Sub", 1026, false, " ;3 Items (2 Pos, 1 Neg)");
    add(keys, 2, "M+ ", 1043, true);
    add(keys, 1, "M- ", 1033, true);
    add(keys, 1, "MS ", 1032, false);
    add(keys, 1, "MT ", 1031, false);
    add(keys, 80, "X  ", 1010, true);
    add(keys, 20, "%MU", 1030, true, " ;profit rate: 20.00%");
    add(keys, 20, "$MU", 0, false, " ;$ Mark up");
    add(keys, 100, "$SP", 0, false, " ;Selling price: $100.00");
    add(keys, 30, "=  ", 1016, true, " ;<% key> (15.00% of 200.00)");
    add(keys, 7, "+  ", 1016, true, " ;<MR key pressed>");
    addFixed(keys, "    <clear>                   ", 1001, " ");
    add(keys, -9, "Ttl", 1025, false, " ;1 Items (0 Pos, 1 Neg)");
    keys.m_total = -9;
    keys.m_itemCount = 1;
    keys.m_negCount = 1;
    keys.m_lastOp = 10;
    keys.m_newEntry = true;
    ok &= save(dir, "every_kind_of_line.vor", vor::writeVorFile(keys));

    vor::CVORDoc euro;
    euro.startNewTape(99, 11, false);
    add(euro, 1234.5, "+  ", 1016, true, " ;Überweisung für Zoë — 5 €");
    euro.line(0)->m_text = vor::europeanExchange(euro.line(0)->m_text);
    add(euro, 0.25, "-  ", 1015, true, " ;\U0001F600");
    euro.line(1)->m_text = vor::europeanExchange(euro.line(1)->m_text);
    euro.m_mainText = "1,234.25";
    euro.m_decimalEntered = true;
    ok &= save(dir, "european_wide_comments.vor", vor::writeVorFile(euro));

    vor::CVORDoc old;
    old.startNewTape(0, 13, false);
    old.m_version = 1.1;
    addFixed(old, std::string(255, '9').c_str(), 1016, " ;cafe");
    std::string bytes = vor::writeVorFile(old);
    // Older versions wrote the ANSI code page byte for byte.
    bytes.replace(bytes.find("cafe"), 4, "caf\xE9");
    ok &= save(dir, "old_version_cp1252.vor", bytes);

    if (!ok) std::fprintf(stderr, "could not write the corpus to %s\n", dir.c_str());
    return ok ? 0 : 1;
}
