// Looking a typed word up: folds, table order, taboo words, homophones, exact messages.
#include <gtest/gtest.h>

#include "core/validation.h"
#include "support/fixture_lexicon.h"

namespace tavilo {
namespace {

class ValidationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Each table sorted by phonetic form, as the shipped files are.
    fixture_
        .Add(TableKind::Nouns, {{"\xE2ne", "an", 1, 1},      // âne
                                {"Anne", "an", 1, 0},
                                {"con", "k8", 1, 0},
                                {"pomme de terre", "pomdet3r", 4, 0},
                                {"\xE9t\xE9", "2t2", 2, 1},  // été
                                {"verre", "v3r", 1, 1},
                                {"vers", "v3r", 1, 0},
                                {"ver", "v3r", 1, 1}})
        .Add(TableKind::Adjectives, {{"vert", "v3r", 1, 1}})
        .Add(TableKind::Verbs, {{"ose", "oz", 1, 0}})
        .Add(TableKind::FunctionWords, {{"o\xF9", "u", 1, 1}})  // où
        .Add(TableKind::Taboo, {{"con", "k8", 1, 0}, {"zob", "zob", 1, 0}})
        .Add(TableKind::Locutions, {{"pomme de terre", "pomdet3r", 3, 0}});
    lexicon_ = fixture_.Load();
  }

  ValidationResult Validate(const std::string& typed, ValidationFlags flags = {}) {
    state_.inputWord = typed;
    return ValidateInputWord(*lexicon_, flags, state_);
  }

  testing::FixtureLexicon fixture_;
  std::unique_ptr<Lexicon> lexicon_;
  InputWordState state_;
};

TEST_F(ValidationTest, FoldedSpellingsAreFoundAndRestored) {
  struct Case {
    const char* typed;
    const char* spelling;
    const char* phonetic;
    int syllables;
  };
  const Case cases[] = {
      {"ane", "\xE2ne", "an", 1},
      {"anne", "Anne", "an", 1},  // the table spelling is lower-cased before comparing
      {"ou", "o\xF9", "u", 1},
      {"\xE9t\xE9", "\xE9t\xE9", "2t2", 2},
      {"vert", "vert", "v3r", 1},
      {"pomme de terre", "pomme de terre", "pomdet3r", 3},  // the locution comes first
  };
  for (const Case& c : cases) {
    const ValidationResult result = Validate(c.typed);
    EXPECT_TRUE(result.accepted) << c.typed;
    EXPECT_FALSE(state_.inputRejected);
    EXPECT_EQ(state_.inputWord, c.spelling);
    EXPECT_EQ(state_.inputPhonetic, c.phonetic);
    EXPECT_EQ(state_.inputSyllables, c.syllables);
  }
}

TEST_F(ValidationTest, UnfoldedAccentsMustBeTyped) {
  const ValidationResult result = Validate("ete");
  EXPECT_FALSE(result.accepted);
  EXPECT_TRUE(state_.inputRejected);
  EXPECT_EQ(result.message,
            "Apparemment le mot \xAB\xA0" "ete\xA0\xBB n'est pas reconnu.\nV\xE9rifiez l'orthographe, ou essayez un homonyme.");
}

TEST_F(ValidationTest, RejectionKeepsThePreviousPhoneticForm) {
  ASSERT_TRUE(Validate("ose").accepted);
  EXPECT_FALSE(Validate("xyz").accepted);
  EXPECT_EQ(state_.inputPhonetic, "oz");
}

TEST_F(ValidationTest, TabooWordsByMethod) {
  struct Case {
    const char* typed;
    ValidationFlags flags;
    bool accepted;
    const char* message;
    const char* phonetic;
  };
  const std::string taboo = "Vous avez entr\xE9 un mot tabou !\nCe n'est pas tr\xE8s correct !!!";
  const Case cases[] = {
      // Child mode: a taboo word that is also a noun is found among the nouns first.
      {"con", {.spoonerismTool = true, .childMode = true}, true, "", "k8"},
      {"zob", {.spoonerismTool = true, .childMode = true}, false, taboo.c_str(), nullptr},
      {"zob", {}, false, "Apparemment le mot \xAB\xA0zob\xA0\xBB n'est pas reconnu.\nV\xE9rifiez l'orthographe, ou essayez un homonyme.", nullptr},
      {"zob", {.spoonerismTool = true, .contrepetophile = true}, true, "", "zob"},
      {"ose", {.spoonerismTool = true, .contrepetophile = true}, false,
       "Apparemment le mot \xAB\xA0ose\xA0\xBB n'est pas reconnu.\nV\xE9rifiez l'orthographe, ou essayez un homonyme.", nullptr},
  };
  for (const Case& c : cases) {
    state_ = {};
    const ValidationResult result = Validate(c.typed, c.flags);
    EXPECT_EQ(result.accepted, c.accepted) << c.typed;
    EXPECT_EQ(state_.inputRejected, !c.accepted) << c.typed;
    EXPECT_EQ(result.message, c.message) << c.typed;
    if (c.phonetic) {
      EXPECT_EQ(state_.inputPhonetic, c.phonetic) << c.typed;
    }
    EXPECT_EQ(result.clearWordBox, result.message == taboo) << c.typed;
  }
}

TEST_F(ValidationTest, HomophonesAcrossTables) {
  ASSERT_TRUE(Validate("vert").accepted);
  EXPECT_TRUE(state_.homophonesFound);
  EXPECT_EQ(state_.homophones, (std::vector<std::string>{"verre", "vers", "ver"}));

  ASSERT_TRUE(Validate("ane").accepted);
  EXPECT_EQ(state_.homophones, (std::vector<std::string>{"Anne"}));

  // The anaphone tool leaves the homophones of the last word alone.
  ASSERT_TRUE(Validate("ose", {.anaphoneTool = true}).accepted);
  EXPECT_EQ(state_.homophones, (std::vector<std::string>{"Anne"}));
  ASSERT_TRUE(Validate("ose").accepted);
  EXPECT_FALSE(state_.homophonesFound);
  EXPECT_TRUE(state_.homophones.empty());
}

TEST_F(ValidationTest, HomophoneScanStopsAtTheFirstGreaterForm) {
  // A row after a greater phonetic form is not reached: the tables must be sorted.
  testing::FixtureLexicon unsorted;
  unsorted.Add(TableKind::Nouns, {{"vers", "v3r", 1, 0}, {"zoo", "zo", 1, 0}, {"verre", "v3r", 1, 0}});
  auto lexicon = unsorted.Load();
  InputWordState state;
  state.inputWord = "vers";
  ASSERT_TRUE(ValidateInputWord(*lexicon, {}, state).accepted);
  EXPECT_TRUE(state.homophones.empty());
}

}  // namespace
}  // namespace tavilo
