// The .vor file byte for byte: the layout of a new document, the two text
// forms, a round trip of every kind of tape line, old Windows-1252 texts,
// and every way a damaged file is refused without touching the document.
#include "document/vor_file.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/command_ids.h"
#include "tape/comments.h"
#include "test_support.h"

namespace vor::test {
namespace {

std::string le32(std::int32_t v) {
    std::string out;
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>(static_cast<std::uint32_t>(v) >> shift & 0xFF);
    return out;
}

std::string le64(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    std::string out;
    for (int shift = 0; shift < 64; shift += 8) out += static_cast<char>(bits >> shift & 0xFF);
    return out;
}

std::string bitsOf(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::bit_cast<std::uint64_t>(v), 16);
    return std::string(buf, r.ptr);
}

// Every field of a document, so two documents compare field by field and a
// failure names the field that differs.
std::string dump(const CVORDoc& d) {
    std::string s = "version " + bitsOf(d.m_version) + "\nnumbers";
    for (double v : d.m_reservedReal) s += " " + bitsOf(v);
    for (double v : {d.m_total, d.m_memory, d.m_lastValue, d.m_factor, d.m_repeatValue,
                     d.m_reservedReal5, d.m_product})
        s += " " + bitsOf(v);
    for (std::int32_t v : d.m_reservedInt) s += " " + std::to_string(v);
    for (int v :
         {d.m_precision, d.m_lastOp, d.m_rounding, d.m_itemCount, d.m_negCount,
          int{d.m_decimalEntered}, int{d.m_newEntry}, int{d.m_rebuildTape}, int{d.m_modified}})
        s += " " + std::to_string(v);
    for (const std::string& t : d.m_reservedText) s += " [" + t + "]";
    s += "\nLEDs [" + d.m_mainText + "][" + d.m_memoryText + "]\n";
    for (int i = 0; i < d.m_lineCount; ++i) {
        const CTapeLine& l = *d.line(i);
        s += "line " + std::to_string(i) + " [" + l.m_text + "][" + l.m_comment + "] " +
             bitsOf(l.m_value) + " " + std::to_string(l.m_keyId) + " " +
             std::to_string(l.m_isImmediate) + std::to_string(l.m_repeated) + "\n";
    }
    return s;
}

CVORDoc newDocument(bool autoDecimal) {
    CVORDoc doc;
    doc.startNewTape(2, 12, autoDecimal);
    return doc;
}

CTapeLine makeLine(std::string text, std::string comment, double value = 0.0, int keyId = 0) {
    CTapeLine l;
    l.m_text = std::move(text);
    l.m_comment = std::move(comment);
    l.m_value = value;
    l.m_keyId = keyId;
    return l;
}

// The bytes of a new document up to its line count (offset 142), and the
// two trailing flags.
std::string headerBytes() {
    return writeVorFile(newDocument(false)).substr(0, 142);
}
const std::string kNoFlags = le32(0) + le32(0);

std::string lineRecord(const std::string& textField, const std::string& commentField) {
    return textField + commentField + le64(1.0) + le32(cmd::Plus) + le32(1) + le32(0);
}
std::string fileWithLines(const std::vector<std::string>& records) {
    std::string f = headerBytes() + le32(static_cast<std::int32_t>(records.size()));
    for (const std::string& r : records) f += r;
    return f + kNoFlags;
}
std::string byteText(const std::string& bytes) {
    return std::string(1, static_cast<char>(bytes.size())) + bytes;
}
std::string wideText(const std::u16string& units) {
    std::string f = "\xFF\xFE\xFF";
    f += static_cast<char>(units.size());
    for (char16_t u : units) {
        f += static_cast<char>(u & 0xFF);
        f += static_cast<char>(u >> 8);
    }
    return f;
}

std::optional<CVORDoc> read(const std::string& bytes) {
    CVORDoc doc;
    std::string message;
    if (!readVorFile(bytes, doc, message)) return std::nullopt;
    return doc;
}

// ---- layout --------------------------------------------------------------------

TEST(VorFileLayout, NewDocumentIsWrittenByteForByte) {
    for (const bool autoDecimal : {false, true}) {
        SCOPED_TRACE(autoDecimal ? "0.00" : "0.");
        const std::string led = byteText(autoDecimal ? "0.00" : "0.");
        const std::string expected = std::string("\xCD\xCC\xCC\xCC\xCC\xCC\xF4\x3F", 8) +
                                     std::string(32 + 16 + 4, '\0') + led + led +
                                     std::string(56, '\0') + le32(2) + le32(0) + le32(12) +
                                     le32(0) + le32(0) + le32(0) + kNoFlags;
        const std::string bytes = writeVorFile(newDocument(autoDecimal));
        EXPECT_EQ(bytes.size(), autoDecimal ? 158u : 154u);
        EXPECT_EQ(bytes, expected);
    }
}

TEST(VorFileLayout, RegistersStandInFileOrderWithItemsBeforeNegatives) {
    CVORDoc doc = newDocument(false);
    doc.m_total = 1;
    doc.m_memory = 2;
    doc.m_lastValue = 3;
    doc.m_factor = 4;
    doc.m_repeatValue = 5;
    doc.m_reservedReal5 = 6;
    doc.m_product = 7;
    doc.m_precision = 99;
    doc.m_lastOp = op::Multiplication;
    doc.m_rounding = 13;
    doc.m_itemCount = 8;
    doc.m_negCount = 9;
    doc.m_decimalEntered = false;
    doc.m_newEntry = true;
    const std::string bytes = writeVorFile(doc);
    std::string reals;
    for (double v : {1, 2, 3, 4, 5, 6, 7}) reals += le64(v);
    EXPECT_EQ(bytes.substr(66, 56), reals);
    EXPECT_EQ(bytes.substr(122, 32),
              le32(99) + le32(3) + le32(13) + le32(8) + le32(9) + le32(0) + le32(0) + le32(1));
}

TEST(VorFileLayout, TextPrefixesAtTheFormBoundaries) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    for (const Case& c : {Case{254, "\xFE"}, Case{255, std::string("\xFF\xFF\x00", 3)}}) {
        SCOPED_TRACE(c.length);
        CVORDoc doc = newDocument(false);
        doc.appendLine(makeLine(std::string(c.length, '7'), ""), {});
        const std::string bytes = writeVorFile(doc);
        EXPECT_EQ(bytes.substr(146, c.prefix.size() + c.length),
                  c.prefix + std::string(c.length, '7'));
        const auto back = read(bytes);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->line(0)->m_text, std::string(c.length, '7'));
    }
}

TEST(VorFileLayout, NonAsciiTextsTakeTheUtf16Form) {
    CVORDoc doc = newDocument(false);
    doc.appendLine(makeLine("x", " ;é€\U0001F600"), {});
    const std::string bytes = writeVorFile(doc);
    // The mark, 6 units (the last character is a surrogate pair), then the units.
    const std::string expected =
        std::string("\xFF\xFE\xFF\x06 \0;\0\xE9\0\xAC\x20\x3D\xD8\x00\xDE", 16);
    EXPECT_EQ(bytes.substr(148, expected.size()), expected);
    const auto back = read(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->line(0)->m_comment, " ;é€\U0001F600");
}

// Whatever the document holds, the file written reads back: long texts are
// cut (never inside a character), broken UTF-8 becomes U+FFFD.
TEST(VorFileLayout, WrittenTextsAlwaysReadBack) {
    CVORDoc doc = newDocument(false);
    const std::string comment = " ;" + std::string(76, 'a');
    doc.appendLine(makeLine(std::string(300, '1'), comment + "éé"), {});
    // A stray continuation byte, a sequence cut short, an overlong form.
    doc.appendLine(makeLine("x", std::string(" ;\x80|\xE2\x82|\xC0\xAF|\xE2", 11)), {});
    const auto back = read(writeVorFile(doc));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->line(0)->m_text, std::string(255, '1'));
    EXPECT_EQ(back->line(0)->m_comment, comment + "é");
    EXPECT_EQ(back->line(1)->m_comment, " ;\uFFFD|\uFFFD\uFFFD|\uFFFD\uFFFD|\uFFFD");
}

// ---- round trips -----------------------------------------------------------------

struct Tape {
    const char* name;
    bool european;
    bool autoDecimal;
    const char* keys;
    bool everyKind = false;  // checks that the tape really holds every kind of line
};

class VorFileRoundTrip : public ::testing::TestWithParam<Tape> {};

TEST_P(VorFileRoundTrip, ReadsBackEveryFieldAndWritesTheSameBytes) {
    CSettings settings;
    settings.europeanMode = GetParam().european;
    settings.autoDecimal = GetParam().autoDecimal;
    Machine m(settings);
    m.keys(GetParam().keys);
    CancellingDialogs dialogs;
    CCommentEditor editor(m.calc, m.profile, dialogs);
    ASSERT_TRUE(m.form.selectRow(1));
    editor.insertBlankCommentLine();
    ASSERT_EQ(m.doc.line(1)->m_keyId, cmd::CommentLine);
    m.doc.line(1)->m_comment = " ;note on a blank line";
    m.doc.line(0)->m_comment = " ;rent for May";
    m.doc.line(2)->m_comment = " ;Überweisung für Zoë — 5 €";
    m.doc.line(3)->m_text = std::string(255, '9');
    m.doc.m_version = 1.2;
    m.doc.m_reservedText[2] = "kept";
    m.doc.m_modified = true;

    if (GetParam().everyKind) {
        std::set<int> keys;
        bool repeated = false;
        for (int i = 0; i < m.doc.m_lineCount; ++i) {
            keys.insert(m.doc.line(i)->m_keyId);
            repeated = repeated || m.doc.line(i)->m_repeated;
        }
        EXPECT_EQ(keys, (std::set<int>{0, 16, 1001, 1010, 1015, 1016, 1018, 1020, 1025, 1026, 1030,
                                       1031, 1032, 1033, 1043}));
        EXPECT_TRUE(repeated);
    }

    const std::string bytes = writeVorFile(m.doc);
    CVORDoc back;
    back.appendLine(makeLine("old", " ;old"), {});
    std::string message;
    ASSERT_TRUE(readVorFile(bytes, back, message)) << message;

    m.doc.m_rebuildTape = true;
    m.doc.m_modified = false;
    EXPECT_EQ(dump(back), dump(m.doc));
    EXPECT_EQ(writeVorFile(back), bytes);
    for (int i = 0; i < back.m_lineCount; ++i) {
        const CLineState& s = *back.state(i);
        EXPECT_TRUE(s.m_registers == Registers{}) << "snapshot " << i;
        EXPECT_EQ(s.m_lineValue, 0.0) << "snapshot " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tapes, VorFileRoundTrip,
    ::testing::Values(Tape{"EveryKey", false, false,
                           "12 + + 3 - 4 X 5 = 6 / 4 = 7 + Sub 1234.5 + 2 M+= 1 M-= MST 3 M+= MT "
                           "80 X 20 MUD 110 / 10 MUD 200 X 15 % + MR + + C 9 - Ttl",
                           true},
                      Tape{"EuropeanMode", true, false,
                           "1234.5 + 0.25 - 3 X 1000 = 7 M+= MR + Sub Ttl"},
                      Tape{"AutoDecimal", false, true, "1250 + 399 + 5 X 3 = Ttl"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VorFileRead, LoadedVersionAndLineFlagsAreKept) {
    CVORDoc doc = newDocument(false);
    doc.m_version = 1.1;
    doc.appendLine(makeLine("x", ""), {});
    std::string bytes = writeVorFile(doc);
    // A line flag counts when it is non-zero and is written back as 1.
    bytes.replace(146 + 2 + 1 + 8 + 4, 8, le32(2) + le32(-1));
    const auto back = read(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->m_version, 1.1);
    EXPECT_TRUE(back->line(0)->m_isImmediate);
    EXPECT_TRUE(back->line(0)->m_repeated);
    const std::string again = writeVorFile(*back);
    EXPECT_EQ(again.substr(0, 8), le64(1.1));
    EXPECT_EQ(again.substr(146 + 2 + 1 + 8 + 4, 8), le32(1) + le32(1));
}

TEST(VorFileRead, TrailingFlagsAreSetOnlyByExactlyOne) {
    struct Case {
        std::int32_t stored;
        bool expected;
    };
    for (const Case& c : {Case{1, true}, Case{2, false}, Case{-1, false}, Case{0, false}}) {
        SCOPED_TRACE(c.stored);
        const auto back = read(headerBytes() + le32(0) + le32(c.stored) + le32(c.stored));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->m_decimalEntered, c.expected);
        EXPECT_EQ(back->m_newEntry, c.expected);
    }
}

TEST(VorFileRead, OldByteTextsAreWindows1252) {
    const auto back = read(fileWithLines(
        {lineRecord(byteText("caf\xE9 \x80\x9F\x81"), byteText(" ;\x93quoted\x94 \xA3\xFF"))}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->line(0)->m_text, "café €Ÿ\u0081");
    EXPECT_EQ(back->line(0)->m_comment, " ;“quoted” £ÿ");
}

TEST(VorFileRead, Utf16TextsWithLoneSurrogatesReadAsReplacementCharacters) {
    const auto back = read(fileWithLines({lineRecord(wideText(u"a\xD83D\xDE00"
                                                              "b"),
                                                     wideText({0xD800, u'x', 0xDC00, 0xD83D}))}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->line(0)->m_text, "a\U0001F600b");
    EXPECT_EQ(back->line(0)->m_comment, "\uFFFDx\uFFFD\uFFFD");
}

TEST(VorFileRead, LongPrefixFormsOfShortTextsAreAccepted) {
    const std::string longForm = std::string("\xFF\xFF\xFF", 3) + le32(2) + "ab";
    const std::string wideLong =
        std::string("\xFF\xFE\xFF\xFF\x02\x00", 6) + std::string("a\0b\0", 4);
    const auto back = read(fileWithLines({lineRecord(longForm, wideLong)}));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->line(0)->m_text, "ab");
    EXPECT_EQ(back->line(0)->m_comment, "ab");
}

// ---- refusals --------------------------------------------------------------------

// A document with lines and an unusual version, so a refused read that
// touched anything shows in its dump.
CVORDoc targetDocument() {
    CVORDoc doc = newDocument(true);
    doc.m_version = 1.25;
    doc.m_total = 42;
    doc.m_modified = true;
    doc.m_rebuildTape = false;
    doc.appendLine(makeLine("   42.00  +  ", " ;keep me", 42, cmd::Plus), {});
    doc.appendLine(makeLine("   42.00  Ttl", " ", 42, cmd::Total), {});
    return doc;
}

void expectRefused(const std::string& bytes, const char* message) {
    CVORDoc doc = targetDocument();
    const std::string before = dump(doc);
    std::string m = "untouched";
    EXPECT_FALSE(readVorFile(bytes, doc, m));
    EXPECT_EQ(m, message);
    EXPECT_EQ(dump(doc), before);
}

std::string withVersion(double v) {
    return le64(v) + writeVorFile(newDocument(false)).substr(8);
}
std::string linesOfOne(int count) {
    return fileWithLines(std::vector<std::string>(static_cast<std::size_t>(count),
                                                  lineRecord(byteText("1"), byteText(""))));
}
std::string withLineCount(std::int32_t n) {
    return headerBytes() + le32(n) + kNoFlags;
}
std::string withMainText(const std::string& field) {
    const std::string f = writeVorFile(newDocument(false));
    return f.substr(0, 60) + field + f.substr(63);
}
std::string ascii(std::size_t n) {
    return std::string(n, 'a');
}
std::u16string astral(std::size_t chars) {
    std::u16string u;
    for (std::size_t i = 0; i < chars; ++i) u += u"\xD83D\xDE00";
    return u;
}
std::string wideLong(std::size_t units) {
    std::string f = std::string("\xFF\xFE\xFF\xFF", 4);
    f += static_cast<char>(units & 0xFF);
    f += static_cast<char>(units >> 8);
    for (std::size_t i = 0; i < units; ++i) f += std::string("a\0", 2);
    return f;
}

// A file and what reading it gives: a message, or nullptr when it is read.
struct FileCase {
    const char* name;
    std::string bytes;
    const char* message;
};

class VorFileLimits : public ::testing::TestWithParam<FileCase> {};

TEST_P(VorFileLimits, RefusalLeavesTheDocumentAsItWas) {
    if (GetParam().message == nullptr)
        EXPECT_TRUE(read(GetParam().bytes));
    else
        expectRefused(GetParam().bytes, GetParam().message);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Files, VorFileLimits,
    ::testing::Values(
        FileCase{"Text255Comment79",
                 fileWithLines({lineRecord("\xFF" + std::string("\xFF\x00", 2) + ascii(255),
                                           byteText(ascii(79)))}),
                 nullptr},
        FileCase{"WideText255Comment79",
                 fileWithLines({lineRecord(wideLong(255), wideText(astral(79)))}), nullptr},
        FileCase{"ThousandLines", linesOfOne(kMaxLines), nullptr},
        FileCase{"VersionJustBelowTwo", withVersion(1.9999), nullptr},
        FileCase{"VersionTwo", withVersion(2.0), kIncorrectVersion},
        FileCase{"VersionNaN", withVersion(kNaN), kUnexpectedFormat},
        FileCase{"VersionInfinite", withVersion(kInf), kUnexpectedFormat},
        FileCase{"TooManyLines", linesOfOne(kMaxLines + 1), kUnexpectedFormat},
        FileCase{"NegativeLineCount", withLineCount(-1), kUnexpectedFormat},
        FileCase{"TrailingByte", writeVorFile(newDocument(false)) + "x", kUnexpectedFormat},
        FileCase{"Text256",
                 fileWithLines({lineRecord("\xFF" + std::string("\x00\x01", 2) + ascii(256),
                                           byteText(""))}),
                 kUnexpectedFormat},
        FileCase{"Comment80", fileWithLines({lineRecord(byteText("x"), byteText(ascii(80)))}),
                 kUnexpectedFormat},
        FileCase{"WideComment80",
                 fileWithLines({lineRecord(byteText("x"), wideText(astral(78) + u"ab"))}),
                 kUnexpectedFormat},
        FileCase{"WideText256Characters", fileWithLines({lineRecord(wideLong(256), byteText(""))}),
                 kUnexpectedFormat},
        FileCase{"MainTextOver255", withMainText("\xFF" + std::string("\x00\x01", 2) + ascii(256)),
                 kUnexpectedFormat},
        FileCase{"PrefixPastTheEnd", withMainText(std::string("\xFF\xFF\xFF", 3) + le32(1000)),
                 kUnexpectedFormat},
        FileCase{"PrefixNegative", withMainText(std::string("\xFF\xFF\xFF", 3) + le32(-2)),
                 kUnexpectedFormat},
        FileCase{"WideCountWrapsByteSize",
                 withMainText(std::string("\xFF\xFE\xFF\xFF\xFF\xFF", 6) + le32(INT32_MIN + 1)),
                 kUnexpectedFormat}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VorFileRefusalLimits, EveryShortenedFileIsRefused) {
    CVORDoc doc = targetDocument();
    doc.appendLine(makeLine("x", " ;é"), {});
    const std::string bytes = writeVorFile(doc);
    ASSERT_TRUE(read(bytes));
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        expectRefused(bytes.substr(0, n), kUnexpectedFormat);
    }
}

TEST(VorFileRefusalLimits, DamagedFilesAreRefusedOrReadWhole) {
    std::mt19937 rng(20240517);
    const std::string valid = writeVorFile(targetDocument());
    for (int round = 0; round < 2000; ++round) {
        // Noise, or a valid file with a few bytes changed to reach the deeper fields.
        std::string bytes = round % 2 ? valid : std::string(rng() % 300, '\0');
        for (std::size_t k = 0; k < (round % 2 ? 3 : bytes.size()); ++k)
            bytes[rng() % bytes.size()] = static_cast<char>(rng());
        CVORDoc doc = targetDocument();
        const std::string before = dump(doc);
        std::string m;
        if (!readVorFile(bytes, doc, m)) {
            EXPECT_EQ(dump(doc), before);
            continue;
        }
        const std::string written = writeVorFile(doc);
        const auto again = read(written);
        ASSERT_TRUE(again);
        EXPECT_EQ(writeVorFile(*again), written);
    }
}

}  // namespace
}  // namespace vor::test

namespace vor::test {
namespace {

// A tape with a line of TAX+, TAX- or GT is written as version 2.0 with the
// marker that tells it from other programs' 2.0, reads back whole, and is a
// classic file again, byte for byte, once that line is gone. A 2.0 file
// without the marker, or with a layout of its own, is refused as too new.
TEST(VorFileTaxKeys, NewLinesRaiseTheVersionAndOnlyThem) {
    for (const int key : {cmd::TaxPlus, cmd::TaxMinus, cmd::GrandTotal}) {
        CVORDoc doc = newDocument(false);
        doc.appendLine(makeLine("   100.00  +  ", " ", 100, cmd::Plus), {});
        const std::string classic = writeVorFile(doc);
        EXPECT_EQ(classic.substr(0, 8), le64(1.3));
        EXPECT_EQ(classic.find(kTaxKeysMarker), std::string::npos);

        doc.appendLine(makeLine("   100.00  TX+", " ", 100, key), {});
        const std::string marked = writeVorFile(doc);
        EXPECT_EQ(marked.substr(0, 8), le64(kTaxKeysVersion)) << key;
        EXPECT_NE(marked.find(kTaxKeysMarker), std::string::npos) << key;

        std::optional<CVORDoc> back = read(marked);
        ASSERT_TRUE(back) << key;
        EXPECT_EQ(back->line(1)->m_keyId, key);
        EXPECT_EQ(writeVorFile(*back), marked);
        back->eraseLine(1);
        EXPECT_EQ(writeVorFile(*back), classic) << key;

        // The same bytes with the marker damaged, or cut short: too new.
        std::string unmarked = marked;
        unmarked[unmarked.find(kTaxKeysMarker)] = 'w';
        expectRefused(unmarked, kIncorrectVersion);
        expectRefused(marked.substr(0, marked.size() - 3), kIncorrectVersion);
    }
}

}  // namespace
}  // namespace vor::test
