// Tests of the RTF writer and reader: round trips of what the writer writes, files as word
// processors write them, and malformed input of every kind.
#include "core/rtf.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/document.h"
#include "document_testing.h"

namespace tavilo {
namespace {

using namespace std::string_view_literals;

using testing::ExpectWellFormed;
using testing::RandomDocument;

const Rgb kRed{255, 0, 0};
const Rgb kGreen{0, 192, 0};
const CharFormat k12{.half_points = 24};  // what a file without font table gives

Document ReadOk(std::string_view rtf) {
  RtfReadResult result = ReadRtf(rtf);
  EXPECT_TRUE(result.ok()) << result.Message("test.rtf");
  ExpectWellFormed(result.document);
  return std::move(result.document);
}

bool IsAscii(std::string_view s) {
  for (const char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Seeded random documents, and a few whose fonts, sizes and characters the random ones never use.
TEST(RtfWriterTest, DocumentsRoundTripAndReadBackEqual) {
  std::vector<Document> docs = {Document{}, DocumentFromPlainText("\n\n"),
                                DocumentFromPlainText("Œuvre ÿ … × 𝄞 ﬀ ’ €\u00A0")};
  Document odd;
  for (int half : {kMinHalfPoints, kMaxHalfPoints, 19}) odd.Append("t", CharFormat{.half_points = half});
  odd.Append("\\par {b} \\'e9 ;\x01\x1F\x7F", CharFormat{.font = "Courier New"});
  odd.Append("x", CharFormat{.font = "Fonte é{1}\\"});
  odd.Append("y\n", CharFormat{.font = "→ Police", .color = kGreen});
  odd.SetTabStops({100});  // an empty last paragraph with tab stops
  docs.push_back(odd);
  std::mt19937 rng(1789);
  for (int round = 0; round < 300; ++round) docs.push_back(RandomDocument(rng));
  for (const Document& doc : docs) {
    const std::string rtf = WriteRtf(doc);
    ASSERT_TRUE(IsAscii(rtf)) << rtf;
    const RtfReadResult back = ReadRtf(rtf);
    ASSERT_TRUE(back.ok()) << back.Message() << "\n" << rtf;
    ASSERT_EQ(back.document, doc) << rtf;
    EXPECT_EQ(WriteRtf(doc), rtf);  // same document, same bytes
  }
}

TEST(RtfWriterTest, WritesWhatOtherReadersExpect) {
  Document doc;
  doc.SetTabStops({720});
  doc.Append("\té→😀\\{}", CharFormat{.font = "Courier New", .half_points = 18, .color = kRed, .bold = true});
  doc.Append("\nx", CharFormat{.italic = true});
  const std::string rtf = WriteRtf(doc);
  EXPECT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1252\\deff0")) << rtf;
  for (const char* piece :
       {"{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}", "{\\f1\\fswiss\\fcharset0 Arial;}}",
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}", "\\pard\\tx720", "\\f0\\fs18\\cf1\\b\\i0\\tab",
        "\\u233\\'e9\\u8594?\\u-10179?\\u-8704?\\\\\\{\\}\\par", "\\f1\\fs20\\cf2\\b0\\i x}"}) {
    EXPECT_NE(rtf.find(piece), std::string::npos) << piece << "\n" << rtf;
  }
}

// A file as WordPad writes it: its header, the automatic colour, \lang, paragraph spacing and
// a final \par.
TEST(RtfReaderTest, ReadsAWordPadFile) {
  const Document doc = ReadOk(
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1036{\\fonttbl{\\f0\\fnil\\fcharset0 "
      "Calibri;}{\\f1\\fswiss\\fprq2\\fcharset0 Arial;}}\r\n"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green176\\blue80;}\r\n"
      "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
      "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang12 Le caf\\'e9 est \\b chaud\\b0 .\\par\r\n"
      "\\cf1\\i Rouge\\cf2  vert\\cf0\\i0\\par\r\n"
      "\\f1\\fs20\\tab Arial \\'ab 10 \\'bb\\par\r\n"
      "}\r\n");
  EXPECT_EQ(WritePlainText(doc), "Le café est chaud.\nRouge vert\n\tArial « 10 »\n");
  const CharFormat calibri{.font = "Calibri", .half_points = 22};
  CharFormat bold = calibri;
  bold.bold = true;
  CharFormat red = calibri;
  red.italic = true;
  red.color = kRed;
  CharFormat green = red;
  green.color = Rgb{0, 176, 80};
  const std::vector<Paragraph>& p = doc.paragraphs();
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0].runs, (std::vector<TextRun>{{"Le café est ", calibri}, {"chaud", bold}, {".", calibri}}));
  EXPECT_EQ(p[1].runs, (std::vector<TextRun>{{"Rouge", red}, {" vert", green}}));
  EXPECT_EQ(p[2].runs, (std::vector<TextRun>{{"\tArial « 10 »", CharFormat{}}}));
}

// A file in the style LibreOffice writes: style sheet, info, page styles, \plain, \loch, \uN with
// \'hh fallbacks, a field, a bookmark and a picture with binary data holding braces.
TEST(RtfReaderTest, ReadsALibreOfficeStyleFile) {
  const std::string rtf =
      "{\\rtf1\\ansi\\deff3\\adeflang1025\n"
      "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f1\\froman\\fprq2\\fcharset2 "
      "Symbol;}{\\f2\\fswiss\\fprq2\\fcharset0 Arial;}{\\f3\\froman\\fprq2\\fcharset0 Liberation "
      "Serif{\\*\\falt Times New Roman};}{\\f4\\fmodern\\fprq1\\fcharset0 Courier New;}}\n"
      "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\n"
      "{\\stylesheet{\\s0\\snext0\\dbch\\af5\\langfe2052\\loch\\f3\\fs24\\lang1036 Normal;}\n"
      "{\\s15\\sbasedon0\\snext16\\ql\\keepn\\sb240\\sa120\\loch\\f2\\fs28 Heading;}\n"
      "}{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}"
      "{\\info{\\title Liste}{\\author Anne}{\\creatim\\yr2024\\mo5\\dy3\\hr10\\min2}}"
      "{\\*\\userprops{\\propname x}\\proptype30{\\staticval y}}\\deftab709\n"
      "\\hyphauto1\\viewscale100\n"
      "{\\*\\pgdsctbl\n{\\pgdsc0\\pgdscuse451\\pgwsxn11906\\pghsxn16838\\pgdscnxt0 Default Page "
      "Style;}}\n"
      "\\formshade\\paperh16838\\paperw11906\\margl1134\\sectd\\sbknone\\pgndec\\ftnbj\\ftnstart1\n"
      "{\\*\\ftnsep\\chftnsep}\\pgndec\\pard\\plain \\s0\\dbch\\af5\\langfe2052\\loch\\f3\\fs24"
      "\\lang1036{\\rtlch \\ltrch\\loch\n"
      "Premi\\u232\\'e8re ligne \\u8364\\'80}\n"
      "\\par \\pard\\plain \\s0\\tx1134\\tx2268{\\cf2\\b\\rtlch \\ltrch\\loch\\f4\\fs20\n"
      "Rouge}{\\rtlch \\ltrch\\loch\\tab mot}\n"
      "\\par {\\field{\\*\\fldinst HYPERLINK \"http://x\" }{\\fldrslt {lien}}}{\\*\\bkmkstart b}"
      "{\\pict\\pngblip\\picw10 89504e47\\bin4 {}}}}\n"
      "\\par }";
  const Document doc = ReadOk(rtf);
  EXPECT_EQ(WritePlainText(doc), "Première ligne €\nRouge\tmot\nlien\n");
  const std::vector<Paragraph>& p = doc.paragraphs();
  ASSERT_EQ(p.size(), 4u);
  const CharFormat serif{.font = "Liberation Serif", .half_points = 24};
  EXPECT_EQ(p[0].runs, (std::vector<TextRun>{{"Première ligne €", serif}}));
  EXPECT_EQ(p[1].tab_stops, (std::vector<int>{1134, 2268}));
  EXPECT_EQ(p[1].runs, (std::vector<TextRun>{{"Rouge", CharFormat{.font = "Courier New", .color = kRed, .bold = true}},
                                             {"\tmot", serif}}));
}

TEST(RtfReaderTest, ShowsTheText) {
  const struct {
    const char* name;
    std::string rtf;
    std::string plain;
  } cases[] = {
      {"ControlSymbols", "{\\rtf1 a\\~b\\-c\\_d\\{e\\}f\\\\g\\|\\:h}", "a\u00A0bc-d{e}f\\gh"},
      {"BackslashNewlineIsABreak", "{\\rtf1 a\\\nb\\\r\nc}", "a\nb\nc"},
      {"BreaksAndTabs", "{\\rtf1 a\\line b\\tab c\\cell d\\row e\\par f}", "a\nb\tc\td\ne\nf"},
      {"Typography",
       "{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote "
       "\\rdblquote\\emspace|}",
       "—–•‘’“” |"},
      {"HexEscapesAreWindows1252", "{\\rtf1 caf\\'e9 \\'80 \\'9C\\'92}", "café € œ’"},
      {"RawBytesAreWindows1252", "{\\rtf1 caf\xE9 \x80}", "café €"},
      {"LineEndsAndControlBytesAreIgnored",
       std::string("{\\rtf1 a\r\nb\tc\x01"
                   "d\x00}"sv),
       "ab\tcd"},
      {"UcZeroSkipsNothing", "{\\rtf1\\uc0\\u8364 x}", "€x"},
      {"UcTwoSkipsTwo", "{\\rtf1\\uc2\\u8364 xyz}", "€z"},
      {"PlainKeepsTheFallbackCount", "{\\rtf1\\uc2\\plain\\u233 abc}", "éc"},
      {"UcIsScopedByGroups", "{\\rtf1{\\uc2\\u233 ab}\\u233 cd}", "ééd"},
      {"HexFallbackCountsAsOne", "{\\rtf1\\u8594\\'3f\\u8594\\'3fx}", "→→x"},
      {"ABraceEndsTheFallback", "{\\rtf1\\u233{x}}", "éx"},
      {"SurrogatePair", "{\\rtf1\\u-10179?\\u-8704?}", "😀"},
      {"LoneLowSurrogate", "{\\rtf1\\u-8704?a}", "\uFFFDa"},
      {"LoneHighSurrogate", "{\\rtf1\\u-10179?a}", "\uFFFDa"},
      {"SkippedDestinations",
       "{\\rtf1 a{\\*\\unknowndest secret{\\b x}}b{\\info{\\title T}}c{\\pict 0123}"
       "d{\\header H}e{\\footnote F}f}",
       "abcdef"},
      {"UnknownWordsAreIgnored", "{\\rtf1 a{\\unknownword b}\\zz99 c}", "abc"},
      {"BinarySkipsItsBytes", "{\\rtf1 a{\\*\\blip\\bin3 }{\\}b}", "ab"},
      {"HyphenWithoutDigitsIsText", "{\\rtf1 a\\b-c}", "a-c"},
      {"BadHexEscapeIsDropped", "{\\rtf1 a\\'zz}", "azz"},
      {"TrailingBytesAfterTheDocument", std::string("{\\rtf1 x}\r\n\0\0garbage"sv), "x"},
      {"ByteOrderMarkAndBlanksFirst", "\xEF\xBB\xBF  \r\n{\\rtf1 x}", "x"},
      {"StrayControlWordLetters", "{\\rtf1 \\" + std::string(5000, 'a') + " x}", "x"},
  };
  for (const auto& c : cases) EXPECT_EQ(WritePlainText(ReadOk(c.rtf)), c.plain) << c.name;
}

TEST(RtfReaderTest, FormatsOfTheRuns) {
  const struct {
    const char* name;
    std::string rtf;
    std::vector<TextRun> runs;  // of the first paragraph
  } cases[] = {
      {"scoped by groups",
       "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs20{\\b\\i\\cf1 x{\\b0 y}}z}",
       {{"x", {.color = kRed, .bold = true, .italic = true}}, {"y", {.color = kRed, .italic = true}}, {"z", {}}}},
      {"plain resets to the default font and size",
       "{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f0\\fs18\\b a\\plain b}",
       {{"a", {.half_points = 18, .bold = true}}, {"b", {.font = "Courier New", .half_points = 24}}}},
      {"no tables, unknown numbers", "{\\rtf1\\f5\\cf3 x}", {{"x", k12}}},
      {"font table without inner groups",
       "{\\rtf1{\\fonttbl\\f0\\fnil Courier New;\\f1 Futura Medium BT;}\\f7 x\\f1 y}",
       {{"x", {.font = "Courier New", .half_points = 24}}, {"y", {.font = "Futura Medium BT", .half_points = 24}}}},
      {"font name without semicolon",
       "{\\rtf1{\\fonttbl{\\f0 Courier New}}x}",
       {{"x", {.font = "Courier New", .half_points = 24}}}},
      // Found by fuzzing: a control byte first in a name became a space the next reading trimmed.
      {"control byte in a font name",
       "{\\rtf1{\\fonttbl{\\f0 \x7F"
       "Courier New;}}x}",
       {{"x", {.font = "Courier New", .half_points = 24}}}},
  };
  for (const auto& c : cases) {
    const Document doc = ReadOk(c.rtf);
    EXPECT_EQ(doc.paragraphs()[0].runs, c.runs) << c.name;
    EXPECT_EQ(ReadOk(WriteRtf(doc)), doc) << c.name;
  }
}

TEST(RtfReaderTest, TabStopsBelongToTheParagraphTheyEnd) {
  const Document doc = ReadOk("{\\rtf1\\pard\\tx720 a\\par b\\pard\\par c\\tx300\\tx100}");
  ASSERT_EQ(doc.paragraphs().size(), 3u);
  EXPECT_EQ(doc.paragraphs()[0].tab_stops, std::vector<int>{720});
  EXPECT_TRUE(doc.paragraphs()[1].tab_stops.empty());
  EXPECT_EQ(doc.paragraphs()[2].tab_stops, (std::vector<int>{100, 300}));
}

TEST(RtfReaderTest, HugeOrOddNumbersAreClamped) {
  const struct {
    const char* name;
    std::string rtf;
    std::string plain;
    CharFormat first_format;
    std::vector<int> tab_stops;
  } cases[] = {
      {"HugeSize", "{\\rtf1\\fs999999999999 a}", "a", CharFormat{.half_points = kMaxHalfPoints}, {}},
      {"ZeroSize", "{\\rtf1\\fs0 a}", "a", CharFormat{.half_points = kMinHalfPoints}, {}},
      {"NegativeSize", "{\\rtf1\\fs-40 a}", "a", CharFormat{.half_points = kMinHalfPoints}, {}},
      {"HugeFontNumber",
       "{\\rtf1{\\fonttbl{\\f99999999999 Grande;}}\\f99999999999999999999 a}",
       "a",
       CharFormat{.font = "Grande", .half_points = 24},
       {}},
      {"HugeColourIndex", "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf99999999999 a}", "a", k12, {}},
      {"HugeColourComponents",
       "{\\rtf1{\\colortbl;\\red999999\\green-5\\blue256;}\\cf1 a}",
       "a",
       CharFormat{.half_points = 24, .color = {255, 0, 255}},
       {}},
      {"HugeUnicode", "{\\rtf1\\u99999999999 ab}", "\uFFFDb", k12, {}},
      {"HugeNegativeUnicode", "{\\rtf1\\u-99999999999 ab}", "\uFFFDb", k12, {}},
      {"HugeFallbackCount", "{\\rtf1\\uc99999999999\\u233 abcdefghijklmnopqrstuvwxyz}", "éqrstuvwxyz", k12, {}},
      {"HugeTabStops", "{\\rtf1\\pard\\tx99999999999\\tx-99999999999 a}", "a", k12, {0, kMaxTabStopTwips}},
  };
  for (const auto& c : cases) {
    const Document doc = ReadOk(c.rtf);
    EXPECT_EQ(WritePlainText(doc), c.plain) << c.name;
    ASSERT_FALSE(doc.paragraphs()[0].runs.empty()) << c.name;
    EXPECT_EQ(doc.paragraphs()[0].runs[0].format, c.first_format) << c.name;
    EXPECT_EQ(doc.paragraphs()[0].tab_stops, c.tab_stops) << c.name;
  }
}

TEST(RtfReaderTest, RefusesWithAFrenchMessageNamingTheFileAndLine) {
  const struct {
    const char* name;
    std::string rtf;
    RtfError error;
    int line;
  } cases[] = {
      {"Empty", "", RtfError::kEmpty, 1},
      {"OnlyBlanks", " \r\n\t\n", RtfError::kEmpty, 3},
      {"PlainText", "Bonjour\n", RtfError::kNotRtf, 1},
      {"OtherFormat", "<html><body>x</body></html>", RtfError::kNotRtf, 1},
      {"AlmostRtf", "{\\rt}", RtfError::kNotRtf, 1},
      {"MissingCloseBrace", "{\\rtf1\n{\\b x}\n", RtfError::kMissingCloseBrace, 3},
      {"ManyMissing", "{\\rtf1{{{x", RtfError::kMissingCloseBrace, 1},
      {"ExtraCloseBraceInside", "{\\rtf1\n{\\b x}}}\n", RtfError::kExtraCloseBrace, 2},
      {"ExtraCloseBraceAfter", "{\\rtf1 x}\r\n\r\n}", RtfError::kExtraCloseBrace, 3},
      {"EndsAfterBackslash", "{\\rtf1 abc\\", RtfError::kTruncatedControl, 1},
      {"EndsInControlWord", "{\\rtf1\nabc\\pa", RtfError::kTruncatedControl, 2},
      {"EndsInParameter", "{\\rtf1 abc\\fs2", RtfError::kTruncatedControl, 1},
      {"EndsInHexEscape", "{\\rtf1 caf\\'e", RtfError::kTruncatedHexEscape, 1},
      {"EndsAtHexEscape", "{\\rtf1 caf\\'", RtfError::kTruncatedHexEscape, 1},
      {"BinaryLongerThanFile", "{\\rtf1 a\\bin99999999999999 }", RtfError::kTruncatedBinary, 1},
      {"NestedTooDeep", "{\\rtf1" + std::string(100000, '{'), RtfError::kTooDeep, 1},
      {"NestedTooDeepBalanced", "{\\rtf1" + std::string(100000, '{') + "x" + std::string(100001, '}'),
       RtfError::kTooDeep, 1},
  };
  for (const auto& c : cases) {
    const RtfReadResult result = ReadRtf(c.rtf);
    EXPECT_EQ(result.error, c.error) << c.name;
    EXPECT_EQ(result.line, c.line) << c.name;
    EXPECT_TRUE(result.document.empty()) << c.name;
    const std::string message = result.Message("liste.rtf");
    EXPECT_TRUE(message.starts_with("Impossible de lire le fichier «\u00A0liste.rtf\u00A0» : ")) << message;
    EXPECT_TRUE(message.ends_with("(ligne " + std::to_string(c.line) + ").")) << message;
  }
}

TEST(RtfReaderTest, MessageForTheUserIsComplete) {
  const RtfReadResult result = ReadRtf("{\\rtf1\n{\\b x}}\n}");
  EXPECT_EQ(result.Message("liste.rtf"),
            "Impossible de lire le fichier «\u00A0liste.rtf\u00A0» : une accolade fermante «\u00A0}\u00A0» ne ferme "
            "aucun groupe (ligne 3).");
  EXPECT_EQ(ReadRtf("x").Message(),
            "Impossible de lire le fichier : ce n'est pas un fichier RTF (il devrait commencer "
            "par «\u00A0{\\rtf\u00A0») (ligne 1).");
  EXPECT_EQ(ReadRtf("{\\rtf1 x}").Message("liste.rtf"), "");
}

TEST(RtfReaderTest, NestingUpToTheLimitIsRead) {
  const int inner = kMaxRtfDepth - 1;  // the outermost group counts too
  const Document doc = ReadOk("{\\rtf1" + std::string(inner, '{') + "x" + std::string(inner, '}') + "}");
  EXPECT_EQ(WritePlainText(doc), "x");
  EXPECT_EQ(ReadRtf("{\\rtf1" + std::string(inner + 1, '{') + "x" + std::string(inner + 1, '}') + "}").error,
            RtfError::kTooDeep);
}

Document RichSample() {
  Document doc;
  doc.Append("   Anagrammes  «ÉTÉ»\n\n", CharFormat{.half_points = 18, .color = kRed});
  doc.SetTabStops({700, 1400});
  doc.Append("\tmot\t→ ŝ 😀\n", CharFormat{.font = "Courier New", .bold = true});
  doc.Append("{fin}\\", CharFormat{.font = "Futura Medium BT", .italic = true});
  return doc;
}

// Every cut of a written file before its final brace is refused, whatever it cuts (a control
// word, a \uN, a \'hh fallback, a font name); the complete file reads back.
TEST(RtfReaderTest, EveryTruncationIsRefused) {
  const std::string rtf = WriteRtf(RichSample());
  const std::size_t last_brace = rtf.rfind('}');
  for (std::size_t n = 0; n < rtf.size(); ++n) {
    const RtfReadResult result = ReadRtf(std::string_view(rtf).substr(0, n));
    if (n <= last_brace) {
      EXPECT_FALSE(result.ok()) << "cut at " << n;
      EXPECT_FALSE(result.Message().empty());
    } else {
      EXPECT_TRUE(result.ok());
      EXPECT_EQ(result.document, RichSample());
    }
  }
}

// A hostile file: one long font name and a run in that font after every few bytes. Each run
// once kept its own copy of the name, so memory grew with the square of the file's size; now
// reading 1 MB stays within a fixed budget. Measured in a child process, whose peak memory is
// its own.
TEST(RtfReaderTest, HostileFileStaysWithinAMemoryBudget) {
  std::string rtf = "{\\rtf1{\\fonttbl{\\f0 " + std::string(100000, 'F') + ";}}";
  while (rtf.size() < 1000000) rtf += "\\b x\\b0 y";
  rtf += "}";
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const RtfReadResult result = ReadRtf(rtf);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const long grownKb = after.ru_maxrss - before.ru_maxrss;
    // About 200 000 runs: well under 400 bytes each, quarantine of memory checkers included.
    _exit(result.ok() && result.document.paragraphs()[0].runs.size() > 100000 && grownKb < 80 * 1024 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace tavilo
