// The display's QTextDocument and the core Document hold the same styled text.
#include <QTextCursor>
#include <QTextDocument>

#include "app/document_bridge.h"
#include "test_support.h"

namespace tavilo::testing {
namespace {

TEST(DocumentBridge, StyledTextSurvivesTheDisplay) {
  EnsureApplication();
  Document formats;
  formats.Append("Arial 10 ", CharFormat{});
  formats.Append("gras ", CharFormat{.bold = true});
  formats.Append("gras italique ", CharFormat{.half_points = 19, .bold = true, .italic = true});  // 9.5 points
  formats.Append("vert", CharFormat{.font = "Courier New", .color = {12, 200, 7}});
  formats.Append(" MOT", CharFormat{.font = "Futura Medium BT", .half_points = 48, .color = {12, 200, 7}});

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

  const std::pair<const char*, Document> cases[] = {
      {"empty", Document()},
      {"formats", formats},
      {"paragraphs and tabs", paragraphs},
      {"characters outside Windows-1252", DocumentFromPlainText("«été» œuvre ß 𝄞 中")},
  };
  for (const auto& [name, doc] : cases) {
    QTextDocument text;
    FillTextDocument(doc, text);
    EXPECT_EQ(ReadTextDocument(text), doc) << name;
  }
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
  EXPECT_EQ(doc.paragraphs()[1].runs.at(0).format, (CharFormat{.font = "Arial", .half_points = 20}));
}

}  // namespace
}  // namespace tavilo::testing
