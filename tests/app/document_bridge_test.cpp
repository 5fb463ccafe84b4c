// The display's QTextDocument and the core Document hold the same styled text.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "app/document_bridge.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

Document RoundTrip(const Document& doc) {
  QTextDocument text;
  FillTextDocument(doc, text);
  return ReadTextDocument(text);
}

TEST(DocumentBridge, StyledTextSurvivesTheDisplay) {
  EnsureApplication();
  struct Case {
    const char* name;
    Document doc;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", Document()});

  Document formats;
  CharFormat f;
  formats.Append("Arial 10 ", f);
  f.bold = true;
  formats.Append("gras ", f);
  f.italic = true;
  f.half_points = 19;  // 9.5 points
  formats.Append("gras italique ", f);
  f = CharFormat{};
  f.font = "Courier New";
  f.color = {12, 200, 7};
  formats.Append("vert", f);
  f.font = "Futura Medium BT";
  f.half_points = 48;
  formats.Append(" MOT", f);
  cases.push_back({"formats", formats});

  Document paragraphs;
  paragraphs.Append("titre", CharFormat{});
  paragraphs.AppendParagraphBreak();
  paragraphs.AppendParagraphBreak();
  paragraphs.SetTabStops({720, 2160, 31680});
  paragraphs.Append("\tun\tdeux", CharFormat{});
  paragraphs.AppendParagraphBreak();
  paragraphs.Append("\ttrois", CharFormat{});
  paragraphs.AppendParagraphBreak();
  paragraphs.SetTabStops({});
  paragraphs.Append("fin", CharFormat{});
  cases.push_back({"paragraphs and tabs", paragraphs});

  Document accents;
  accents.Append("«été» œuvre ß 𝄞 中", CharFormat{});
  cases.push_back({"characters outside Windows-1252", accents});

  for (const Case& c : cases) EXPECT_EQ(RoundTrip(c.doc), c.doc) << c.name;
}

TEST(DocumentBridge, TypedTextTakesTheDisplayFontAndLineSeparatorsSplitParagraphs) {
  EnsureApplication();
  QTextDocument text;
  text.setDefaultFont(QFont("Arial", 10));
  QTextCursor cursor(&text);
  cursor.insertText(QStringLiteral("un") + QChar(QChar::LineSeparator) + QStringLiteral("deux"));
  cursor.insertText(QString(QChar(QChar::ObjectReplacementCharacter)));
  const Document doc = ReadTextDocument(text);
  EXPECT_EQ(WritePlainText(doc), "un\ndeux");
  ASSERT_EQ(doc.paragraphs().size(), 2u);
  const CharFormat& format = doc.paragraphs()[1].runs.at(0).format;
  EXPECT_EQ(format.font, "Arial");
  EXPECT_EQ(format.half_points, 20);
  EXPECT_EQ(format.color, (Rgb{0, 0, 0}));
  EXPECT_FALSE(format.bold);
}

}  // namespace
}  // namespace tavilo::testing
