// What every command shares when it hands over a result: the terminal colours of highlighted
// letters, and loading only the indexes a command asks for.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "cli/result_output.h"
#include "support/fixture_lexicon.h"

namespace tavilo::cli {
namespace {

TEST(ResultOutputTest, HighlightedRunsGetTheNearestTerminalColour) {
  struct Case {
    CharFormat format;
    const char* expected;
  };
  const Case cases[] = {
      {CharFormat{}, "a\tmot"},
      {CharFormat{.color = {220, 0, 0}}, "a\t\x1b[31mmot\x1b[0m"},
      {CharFormat{.color = {0, 128, 0}, .bold = true}, "a\t\x1b[1;32mmot\x1b[0m"},
      {CharFormat{.color = {0, 0, 160}}, "a\t\x1b[34mmot\x1b[0m"},
      {CharFormat{.color = {200, 0, 180}}, "a\t\x1b[35mmot\x1b[0m"},
      {CharFormat{.bold = true}, "a\t\x1b[1mmot\x1b[0m"},
  };
  for (const Case& c : cases) {
    Document doc;
    doc.Append("a\t", CharFormat{});
    doc.Append("mot", c.format);
    doc.AppendParagraphBreak();
    doc.Append("b", CharFormat{});
    EXPECT_EQ(WriteTerminalText(doc, true), std::string(c.expected) + "\nb");
    EXPECT_EQ(WriteTerminalText(doc, false), "a\tmot\nb");
  }
}

TEST(ResultOutputTest, ACommandBuildsOnlyTheIndexesItAsksFor) {
  testing::FixtureLexicon fixture;
  fixture.Add(TableKind::Nouns, {{"chat", "ha", 1, 1}, {"tach", "ta", 1, 0}});
  const auto dir = fixture.Write();
  std::ostringstream out, err;
  Context ctx({}, out, err, dir);
  const Lexicon* bare = ctx.GetLexicon(LoadOptions{false, false});
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(bare->anagramIndex.Size(), 0u);
  EXPECT_EQ(bare->phoneticIndex.Size(), 0u);
  EXPECT_EQ(bare->nouns.Size(), 2u);

  // A later need is met on the same lexicon, and gives the index a full start-up gives.
  const Lexicon* more = ctx.GetLexicon(LoadOptions{true, false});
  EXPECT_EQ(more, bare);
  EXPECT_EQ(more->phoneticIndex.Size(), 0u);
  const LexiconLoad full = LoadLexicon(dir);
  ASSERT_TRUE(full.lexicon);
  EXPECT_GT(full.lexicon->anagramIndex.Size(), 0u);
  EXPECT_EQ(more->anagramIndex.Size(), full.lexicon->anagramIndex.Size());
}

}  // namespace
}  // namespace tavilo::cli
