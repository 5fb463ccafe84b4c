// Tiny lexicons for tests: tables written with the real .tav writer into a fresh folder, then
// loaded with the real start-up, so each test holds exactly the words its cases need.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/lexicon.h"
#include "core/tav_file.h"

namespace tavilo::testing {

class FixtureLexicon {
 public:
  FixtureLexicon() {
    static std::atomic<int> counter{0};
    dir_ = std::filesystem::path(TAVILO_TEST_BINARY_DIR) /
           ("fixture_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    for (TableKind kind : {TableKind::Nouns, TableKind::Adjectives, TableKind::Verbs, TableKind::FunctionWords,
                           TableKind::Taboo, TableKind::Locutions}) {
      tables_[kind];
    }
  }
  ~FixtureLexicon() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  FixtureLexicon(const FixtureLexicon&) = delete;
  FixtureLexicon& operator=(const FixtureLexicon&) = delete;

  // Adds rows to a table (in the order given: sort them by phonetic form where order matters).
  FixtureLexicon& Add(TableKind kind, std::vector<WordEntry> rows) {
    auto& table = tables_[kind];
    table.insert(table.end(), rows.begin(), rows.end());
    return *this;
  }
  // Leaves a table's file out of the folder.
  FixtureLexicon& Omit(TableKind kind) {
    omitted_.push_back(kind);
    return *this;
  }

  // Writes the files (a table with no rows gets one harmless row, since an empty file is refused).
  const std::filesystem::path& Write() {
    for (auto& [kind, rows] : tables_) {
      const auto path = dir_ / InfoOf(kind).fileName;
      if (std::find(omitted_.begin(), omitted_.end(), kind) != omitted_.end()) {
        std::filesystem::remove(path);
        continue;
      }
      WordTable table(InfoOf(kind).capacity);
      if (rows.empty()) table.Append({"zzz", "zzz", 1, 0});
      for (const WordRow row : rows) table.Append(row);
      const auto error = WriteTavFile(path, table, kind);
      EXPECT_FALSE(error) << error->Message();
    }
    return dir_;
  }

  // Writes and loads; fails the test on a load error, and then gives an empty lexicon rather
  // than none, so that the tests fail instead of crashing.
  std::unique_ptr<Lexicon> Load() {
    LexiconLoad load = LoadLexicon(Write());
    EXPECT_FALSE(load.error) << (load.error ? load.error->Message() : "");
    return load.lexicon ? std::move(load.lexicon) : std::make_unique<Lexicon>();
  }

  const std::filesystem::path& Directory() const { return dir_; }

 private:
  std::filesystem::path dir_;
  std::map<TableKind, std::vector<WordEntry>> tables_;
  std::vector<TableKind> omitted_;
};

}  // namespace tavilo::testing
